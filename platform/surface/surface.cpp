#include "platform/surface/surface.h"

#include <cmath>
#include <numbers>

#include "platform/runtime/values.h"

namespace ranvik {

Surface::~Surface() = default;

namespace {
bool Usable(double v) { return std::isfinite(v); }
bool UsableSpan(double v) { return std::isfinite(v) && v != 0; }
}  // namespace

bool Surface::Scale(double x1, double y1, double x2, double y2) {
    if (!Usable(x1) || !Usable(y1) || !UsableSpan(x2 - x1) || !UsableSpan(y2 - y1)) return false;
    userScale_ = true;
    left_ = x1;
    top_ = y1;
    width_ = x2 - x1;
    height_ = y2 - y1;
    ScaleChanged();
    return true;
}

void Surface::ScaleToTwips() {
    userScale_ = false;
    ScaleChanged();
}

// A surface in twips takes its twips values as the user scale before one of
// them is changed, so the other three stay what they were.
void Surface::ResolveScale() {
    if (userScale_) return;
    left_ = 0;
    top_ = 0;
    width_ = InnerWidthTwips();
    height_ = InnerHeightTwips();
    if (width_ == 0) width_ = 1;
    if (height_ == 0) height_ = 1;
    userScale_ = true;
}

double Surface::ScaleLeft() const { return userScale_ ? left_ : 0; }
double Surface::ScaleTop() const { return userScale_ ? top_ : 0; }
double Surface::ScaleWidth() const { return userScale_ ? width_ : InnerWidthTwips(); }
double Surface::ScaleHeight() const { return userScale_ ? height_ : InnerHeightTwips(); }

bool Surface::SetScaleLeft(double value) {
    if (!Usable(value)) return false;
    ResolveScale();
    left_ = value;
    ScaleChanged();
    return true;
}

bool Surface::SetScaleTop(double value) {
    if (!Usable(value)) return false;
    ResolveScale();
    top_ = value;
    ScaleChanged();
    return true;
}

bool Surface::SetScaleWidth(double value) {
    if (!UsableSpan(value)) return false;
    ResolveScale();
    width_ = value;
    ScaleChanged();
    return true;
}

bool Surface::SetScaleHeight(double value) {
    if (!UsableSpan(value)) return false;
    ResolveScale();
    height_ = value;
    ScaleChanged();
    return true;
}

double Surface::ScaleFactorX() const {
    const double inner = InnerWidthTwips();
    return inner / ScaleWidth();
}

double Surface::ScaleFactorY() const {
    const double inner = InnerHeightTwips();
    return inner / ScaleHeight();
}

double Surface::ToTwipsX(double x) const { return (x - ScaleLeft()) * ScaleFactorX(); }
double Surface::ToTwipsY(double y) const { return (y - ScaleTop()) * ScaleFactorY(); }

double Surface::FromTwipsX(double twips) const {
    const double f = ScaleFactorX();
    return f == 0 ? ScaleLeft() : ScaleLeft() + twips / f;
}

double Surface::FromTwipsY(double twips) const {
    const double f = ScaleFactorY();
    return f == 0 ? ScaleTop() : ScaleTop() + twips / f;
}

void Surface::Line(double x1, double y1, double x2, double y2, LineKind kind) {
    Line(x1, y1, x2, y2, state_.ForeColor, kind);
}

void Surface::Line(double x1, double y1, double x2, double y2, Color color, LineKind kind) {
    DrawLine(x1, y1, x2, y2, color, kind);
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::LineTo(double x2, double y2, LineKind kind) {
    Line(currentX_, currentY_, x2, y2, state_.ForeColor, kind);
}

void Surface::LineTo(double x2, double y2, Color color, LineKind kind) {
    Line(currentX_, currentY_, x2, y2, color, kind);
}

void Surface::Circle(double x, double y, double radius) { Circle(x, y, radius, state_.ForeColor); }

void Surface::Circle(double x, double y, double radius, Color color) {
    DrawCircle(x, y, radius, color, false, 0, 0);
    currentX_ = x;
    currentY_ = y;
}

void Surface::Circle(double x, double y, double radius, Color color, double start, double end) {
    constexpr double turn = 2 * std::numbers::pi;
    // A little slack, so that 2 * 3.1416 written out by hand still counts.
    constexpr double limit = turn + 1e-3;
    if (std::isfinite(start) && std::isfinite(end) && std::fabs(start) <= limit &&
        std::fabs(end) <= limit) {
        DrawCircle(x, y, radius, color, true, start, end);
    }
    currentX_ = x;
    currentY_ = y;
}

void Surface::Circle(double x, double y, double radius, Color color, double aspect) {
    const double a = std::fabs(aspect);
    if (std::isfinite(a) && a > 0) DrawEllipse(x, y, radius, color, a);
    currentX_ = x;
    currentY_ = y;
}

void Surface::DrawEllipse(double x, double y, double radius, Color color, double) {
    DrawCircle(x, y, radius, color, false, 0, 0);
}

void Surface::PSet(double x, double y) { PSet(x, y, state_.ForeColor); }

void Surface::PSet(double x, double y, Color color) {
    DrawPoint(x, y, color);
    currentX_ = x;
    currentY_ = y;
}

void Surface::Cls() {
    ClearAll();
    if (clearedHook_) clearedHook_();
    currentX_ = 0;
    currentY_ = 0;
}

void Surface::SetBackColor(Color color) {
    state_.BackColor = color;
    ClearAll();
    if (clearedHook_) clearedHook_();
}

void Surface::Print(std::string_view text, PrintEnd end) {
    const bool newLine = end == PrintEnd::NewLine;
    DrawText(text, currentX_, currentY_, newLine);
    if (newLine) {
        currentX_ = ScaleLeft();
        currentY_ += TextHeight(text);
    } else {
        currentX_ += TextWidth(text);
    }
}

void Surface::PrintNumber(double value, PrintEnd end) { Print(Str(value) + " ", end); }
void Surface::PrintNumber(float value, PrintEnd end) { Print(Str(value) + " ", end); }

double Surface::TextWidth(std::string_view text) const {
    const double inner = InnerWidthTwips();
    if (inner == 0) return 0;
    return MeasureText(text).width * ScaleWidth() / inner;
}

double Surface::TextHeight(std::string_view text) const {
    const double inner = InnerHeightTwips();
    if (inner == 0) return 0;
    return MeasureText(text.empty() ? std::string_view("A") : text).height * ScaleHeight() / inner;
}

}  // namespace ranvik
