#include "platform/surface/recording_surface.h"

#include <sstream>

namespace ranvik {

namespace {

const char* KindName(RecordedCall::Kind kind) {
    switch (kind) {
        case RecordedCall::Kind::Line: return "Line";
        case RecordedCall::Kind::Box: return "Box";
        case RecordedCall::Kind::FilledBox: return "FilledBox";
        case RecordedCall::Kind::Circle: return "Circle";
        case RecordedCall::Kind::Arc: return "Arc";
        case RecordedCall::Kind::Point: return "Point";
        case RecordedCall::Kind::Text: return "Print";
        case RecordedCall::Kind::Clear: return "Cls";
        case RecordedCall::Kind::Scale: return "Scale";
    }
    return "?";
}

}  // namespace

std::string Describe(const RecordedCall& c) {
    std::ostringstream s;
    s << KindName(c.kind) << ' ';
    switch (c.kind) {
        case RecordedCall::Kind::Line:
        case RecordedCall::Kind::Box:
        case RecordedCall::Kind::FilledBox:
        case RecordedCall::Kind::Scale:
            s << '(' << c.x1 << ',' << c.y1 << ")-(" << c.x2 << ',' << c.y2 << ')';
            break;
        case RecordedCall::Kind::Circle:
            s << '(' << c.x1 << ',' << c.y1 << ") r=" << c.radius;
            if (c.aspect != 1) s << " aspect=" << c.aspect;
            break;
        case RecordedCall::Kind::Arc:
            s << '(' << c.x1 << ',' << c.y1 << ") r=" << c.radius << " from " << c.start << " to " << c.end;
            break;
        case RecordedCall::Kind::Point: s << '(' << c.x1 << ',' << c.y1 << ')'; break;
        case RecordedCall::Kind::Text:
            s << '(' << c.x1 << ',' << c.y1 << ") \"" << c.text << '"' << (c.newLine ? "" : ";");
            break;
        case RecordedCall::Kind::Clear: break;
    }
    if (c.kind != RecordedCall::Kind::Scale && c.kind != RecordedCall::Kind::Clear) {
        s << ' ' << ColorText(c.color) << " width " << c.state.DrawWidth << " style "
          << static_cast<int>(c.state.Style) << (c.state.Mode == DrawMode::Xor ? " xor" : " copy");
        if (c.kind == RecordedCall::Kind::Text) {
            s << " font " << c.state.FontName << ' ' << c.state.FontSize << (c.state.FontBold ? " bold" : "");
        }
    }
    return s.str();
}

RecordingSurface::RecordingSurface(double widthTwips, double heightTwips)
    : width_(widthTwips), height_(heightTwips) {}

void RecordingSurface::Resize(double widthTwips, double heightTwips) {
    width_ = widthTwips;
    height_ = heightTwips;
}

std::vector<RecordedCall> RecordingSurface::CallsOf(RecordedCall::Kind kind) const {
    std::vector<RecordedCall> out;
    for (const auto& c : calls_)
        if (c.kind == kind) out.push_back(c);
    return out;
}

std::string RecordingSurface::Log() const {
    std::string out;
    for (const auto& c : calls_) out += Describe(c) + "\n";
    return out;
}

RecordedCall& RecordingSurface::Add(RecordedCall::Kind kind, Color color) {
    RecordedCall& c = calls_.emplace_back();
    c.kind = kind;
    c.color = color;
    c.state = State();
    return c;
}

void RecordingSurface::DrawLine(double x1, double y1, double x2, double y2, Color color, LineKind kind) {
    const auto k = kind == LineKind::Plain ? RecordedCall::Kind::Line
                   : kind == LineKind::Box ? RecordedCall::Kind::Box
                                           : RecordedCall::Kind::FilledBox;
    RecordedCall& c = Add(k, color);
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
}

void RecordingSurface::DrawCircle(double x, double y, double radius, Color color, bool arc, double start,
                                  double end) {
    RecordedCall& c = Add(arc ? RecordedCall::Kind::Arc : RecordedCall::Kind::Circle, color);
    c.x1 = x;
    c.y1 = y;
    c.radius = radius;
    c.start = start;
    c.end = end;
}

void RecordingSurface::DrawEllipse(double x, double y, double radius, Color color, double aspect) {
    RecordedCall& c = Add(RecordedCall::Kind::Circle, color);
    c.x1 = x;
    c.y1 = y;
    c.radius = radius;
    c.aspect = aspect;
}

void RecordingSurface::DrawPoint(double x, double y, Color color) {
    RecordedCall& c = Add(RecordedCall::Kind::Point, color);
    c.x1 = x;
    c.y1 = y;
}

void RecordingSurface::DrawText(std::string_view text, double x, double y, bool newLine) {
    RecordedCall& c = Add(RecordedCall::Kind::Text, State().ForeColor);
    c.x1 = x;
    c.y1 = y;
    c.text = std::string(text);
    c.newLine = newLine;
}

void RecordingSurface::ClearAll() { Add(RecordedCall::Kind::Clear, State().BackColor); }

void RecordingSurface::ScaleChanged() {
    RecordedCall& c = Add(RecordedCall::Kind::Scale, State().ForeColor);
    c.x1 = ScaleLeft();
    c.y1 = ScaleTop();
    c.x2 = ScaleLeft() + ScaleWidth();
    c.y2 = ScaleTop() + ScaleHeight();
}

TextExtent RecordingSurface::MeasureText(std::string_view text) const {
    return fonts_.Measure(State(), 96, text);
}

}  // namespace ranvik
