#include "platform/surface/painter_surface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/color/qt_color.h"
#include "platform/surface/tiny_rings.h"

namespace ranvik {

namespace {

int Pixel(double v) { return static_cast<int>(std::floor(v + 0.5)); }

// Dash patterns of the original platform's one-pixel pens, in pixels.
QList<qreal> DashPattern(DrawStyle style) {
    switch (style) {
        case DrawStyle::Dash: return {18, 6};
        case DrawStyle::Dot: return {3, 3};
        case DrawStyle::DashDot: return {9, 6, 3, 6};
        case DrawStyle::DashDotDot: return {9, 3, 3, 3, 3, 3};
        case DrawStyle::Solid: break;
    }
    return {};
}

// Far enough outside the device that no pen reaches in, near enough that
// every coordinate stays small for the painter.
QRectF Widened(const QRectF& bounds, double margin) {
    return bounds.adjusted(-margin, -margin, margin, margin);
}

}  // namespace

bool ClipSegment(double& x1, double& y1, double& x2, double& y2, const QRectF& bounds) {
    // Most segments lie wholly inside: nothing to cut (and no division).
    const double left = bounds.left(), right = bounds.right(), top = bounds.top(), bottom = bounds.bottom();
    if (x1 >= left && x1 <= right && x2 >= left && x2 <= right && y1 >= top && y1 <= bottom && y2 >= top &&
        y2 <= bottom) {
        return true;
    }
    auto clamp = [](double v, double lo, double hi) { return std::min(std::max(v, lo), hi); };
    // Lines along an axis are cut exactly, however far their ends lie.
    if (x1 == x2 || y1 == y2) {
        if (x1 == x2 && (x1 < bounds.left() || x1 > bounds.right())) return false;
        if (y1 == y2 && (y1 < bounds.top() || y1 > bounds.bottom())) return false;
        if (std::max(x1, x2) < bounds.left() || std::min(x1, x2) > bounds.right()) return false;
        if (std::max(y1, y2) < bounds.top() || std::min(y1, y2) > bounds.bottom()) return false;
        x1 = clamp(x1, bounds.left(), bounds.right());
        x2 = clamp(x2, bounds.left(), bounds.right());
        y1 = clamp(y1, bounds.top(), bounds.bottom());
        y2 = clamp(y2, bounds.top(), bounds.bottom());
        return true;
    }
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - bounds.left(), bounds.right() - x1, y1 - bounds.top(), bounds.bottom() - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const double sx = x1;
    const double sy = y1;
    if (t1 < 1) {
        x2 = sx + t1 * dx;
        y2 = sy + t1 * dy;
    }
    if (t0 > 0) {
        x1 = sx + t0 * dx;
        y1 = sy + t0 * dy;
    }
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return false;
    // Ends worked out from very distant points carry rounding: keep them in.
    x1 = clamp(x1, bounds.left(), bounds.right());
    x2 = clamp(x2, bounds.left(), bounds.right());
    y1 = clamp(y1, bounds.top(), bounds.bottom());
    y2 = clamp(y2, bounds.top(), bounds.bottom());
    return true;
}

const PainterSurface::Mapping& PainterSurface::NewMapping() {
    const double left = ScaleLeft(), top = ScaleTop(), width = ScaleWidth(), height = ScaleHeight();
    for (const KnownMapping& known : known_) {
        if (known.valid && known.left == left && known.top == top && known.width == width &&
            known.height == height) {
            map_ = known.mapping;
            mappingValid_ = true;
            return map_;
        }
    }
    const double d = DevicePerTwip();
    const double ax = width == 0 ? 0 : InnerWidthTwips() / width * d;
    const double ay = height == 0 ? 0 : InnerHeightTwips() / height * d;
    const QRectF bounds = DeviceBounds();
    const double penUnit = PenUnit();
    const int thinPen = std::max(1, Pixel(penUnit));
    map_ = {ax, -left * ax, ay, -top * ay, bounds, bounds.toAlignedRect(), penUnit, thinPen,
            Widened(bounds, thinPen + 2)};
    mappingValid_ = true;
    known_[nextKnown_] = {true, left, top, width, height, map_};
    nextKnown_ = 1 - nextKnown_;
    return map_;
}

int PainterSurface::WidePenPixels(int drawWidth) const { return std::max(1, Pixel(drawWidth * map_.penUnit)); }

void PainterSurface::ChangeMode(QPainter& p) {
    mode_ = State().Mode;
    modeValid_ = true;
    p.setCompositionMode(mode_ == DrawMode::Xor && SupportsXor() ? QPainter::RasterOp_SourceXorDestination
                                                                 : QPainter::CompositionMode_SourceOver);
}

void PainterSurface::ChangeSmoothing(QPainter& p, bool on) {
    smooth_ = on;
    smoothValid_ = true;
    p.setRenderHint(QPainter::Antialiasing, on);
}

void PainterSurface::UsePen(QPainter& p, Color color, int drawWidth, enum DrawStyle style) {
    if (penValid_ && color == penColor_ && drawWidth == penWidth_ && style == penStyle_) return;
    const int width = PenPixels(drawWidth);
    QPen pen(ToQColor(color));
    pen.setWidth(width);
    if (drawWidth == 1 && style != DrawStyle::Solid) {
        QList<qreal> pattern = DashPattern(style);
        for (qreal& v : pattern) v = v * PatternUnit() / width;
        pen.setDashPattern(pattern);
        pen.setCapStyle(Qt::FlatCap);
    } else if (width > 1) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setCapStyle(Qt::SquareCap);
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    textPenValid_ = false;
    penWidth_ = drawWidth;
    penStyle_ = style;
    penColor_ = color;
    penValid_ = true;
}

void PainterSurface::GatheredLinePen(QPainter& p, Color color, int drawWidth, enum DrawStyle style) {
    UsePen(p, color, drawWidth, style);
    Smooth(p, SmoothsSlantedLines());
    // Gathered lines are drawn in copy mode only.
    if (modeValid_ && mode_ != DrawMode::Copy) {
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        mode_ = DrawMode::Copy;
    }
}

void PainterSurface::DrawGathered(QPainter& p) {
    EndPendingLine(p);
    DrawBatch(p);
}

void PainterSurface::EndPendingLine(QPainter& p) {
    if (pending_.size() < 2) {
        pending_.clear();
        return;
    }
    if (pending_.size() == 2 && BatchesThinLines() && pendingStyle_ == DrawStyle::Solid &&
        PenPixels(pendingWidth_) == 1) {
        if (!batch_.isEmpty() && (pendingColor_ != batchColor_ || pendingWidth_ != batchWidth_)) DrawBatch(p);
        batch_.append(QLineF(pending_.at(0), pending_.at(1)));
        batchColor_ = pendingColor_;
        batchWidth_ = pendingWidth_;
        pending_.clear();
        return;
    }
    DrawBatch(p);
    // A one-pixel pen is solid unless it is styled (a wider one always is).
    const bool thinSolid = PenPixels(pendingWidth_) == 1 &&
                           (pendingStyle_ == DrawStyle::Solid || pendingWidth_ > 1) && SmoothsSlantedLines();
    if (thinSolid && StrokeThinPolyline(pending_.constData(), pending_.size(), pendingColor_)) {
        pending_.clear();
        return;
    }
    GatheredLinePen(p, pendingColor_, pendingWidth_, pendingStyle_);
    const bool longWide = pending_.size() > kLongLine && PenPixels(pendingWidth_) > 1;
    if (!longWide || !DrawsLongLinesInPieces() || !DrawRunningLine(p)) p.drawPolyline(pending_);
    pending_.clear();
}

void PainterSurface::DrawBatch(QPainter& p) {
    if (batch_.isEmpty()) return;
    if (SmoothsSlantedLines() && StrokeThinLines(batch_.constData(), batch_.size(), batchColor_)) {
        batch_.clear();
        return;
    }
    GatheredLinePen(p, batchColor_, batchWidth_, DrawStyle::Solid);
    p.drawLines(batch_.constData(), static_cast<int>(batch_.size()));
    batch_.clear();
}

// A smoothed wide line (a pen of more than one pixel, joined round) of many
// thousand points in a pane a few hundred pixels wide (a long chart's
// closes) crosses each column of pixels many times, and
// its outline overlaps itself everywhere, which costs the rasteriser far
// more than the line's length.  Where the line runs left to right, within
// one column of device pixels only the first and last points and the highest
// and lowest one shape what is drawn (the others lie between them on the
// line's way up and down that column), and the line is drawn in pieces of a
// few columns.  The pixels differ from the whole line's only in the
// smoothing of a few edge pixels where the pieces meet and where a column's
// zigzag turns.
bool PainterSurface::DrawRunningLine(QPainter& p) {
    const qsizetype n = pending_.size();
    for (qsizetype i = 1; i < n; ++i) {
        if (pending_[i].x() < pending_[i - 1].x()) return false;
    }
    QPolygonF kept;
    kept.reserve(n);
    for (qsizetype i = 0; i < n;) {
        const double column = std::floor(pending_[i].x());
        qsizetype j = i + 1;
        qsizetype low = i, high = i;
        while (j < n && std::floor(pending_[j].x()) == column) {
            if (pending_[j].y() < pending_[low].y()) low = j;
            if (pending_[j].y() > pending_[high].y()) high = j;
            ++j;
        }
        // First, the two extremes in the order the line meets them, last.
        const qsizetype a = std::min(low, high), b = std::max(low, high);
        kept.append(pending_[i]);
        if (a != i) kept.append(pending_[a]);
        if (b != a && b != i) kept.append(pending_[b]);
        if (j - 1 != b && j - 1 != i) kept.append(pending_[j - 1]);
        i = j;
    }
    for (qsizetype k = 0; k + 1 < kept.size(); k += kPiece - 1) {
        p.drawPolyline(kept.constData() + k, static_cast<int>(std::min<qsizetype>(kPiece, kept.size() - k)));
    }
    return true;
}

void PainterSurface::DrawLine(double x1, double y1, double x2, double y2, Color color, LineKind kind) {
    QPainter* p = ActivePainter();
    if (p == nullptr) return;
    const Mapping& m = Map();
    const double X1 = m.ax * x1 + m.bx, Y1 = m.ay * y1 + m.by;
    const double X2 = m.ax * x2 + m.bx, Y2 = m.ay * y2 + m.by;
    if (!std::isfinite(X1) || !std::isfinite(Y1) || !std::isfinite(X2) || !std::isfinite(Y2)) return;
    if (kind == LineKind::Plain) {
        DrawSegment(*p, X1, Y1, X2, Y2, color);
    } else {
        DrawGatheredLines(*p);
        UseMode(*p);
        DrawBox(*p, X1, Y1, X2, Y2, color, kind == LineKind::FilledBox);
    }
    Drawn();
}

void PainterSurface::DrawBox(QPainter& p, double x1, double y1, double x2, double y2, Color color,
                             bool filled) {
    const SurfaceState& s = State();
    const int pen = PenPixels(s.DrawWidth);
    const QRectF area = ReachOf(pen);
    double l = std::min(x1, x2), r = std::max(x1, x2);
    double t = std::min(y1, y2), b = std::max(y1, y2);
    if (r < area.left() || l > area.right() || b < area.top() || t > area.bottom()) return;
    l = std::max(l, area.left());
    r = std::min(r, area.right());
    t = std::max(t, area.top());
    b = std::min(b, area.bottom());
    const int il = Pixel(l), ir = Pixel(r), it = Pixel(t), ib = Pixel(b);
    if (filled) {
        Fill(p, QRect(il, it, ir - il + 1, ib - it + 1), color);
        return;
    }
    if (pen == 1 && (s.Style == DrawStyle::Solid || s.DrawWidth > 1)) {
        // Four strips that do not overlap, so that exclusive-or leaves no
        // corner drawn twice.
        Fill(p, QRect(il, it, ir - il + 1, 1), color);
        if (ib > it) Fill(p, QRect(il, ib, ir - il + 1, 1), color);
        if (ib - it > 1) {
            Fill(p, QRect(il, it + 1, 1, ib - it - 1), color);
            if (ir > il) Fill(p, QRect(ir, it + 1, 1, ib - it - 1), color);
        }
        return;
    }
    FlushFills();
    Smooth(p, false);
    UsePen(p, color, s.DrawWidth, s.Style);
    p.drawRect(QRect(il, it, ir - il, ib - it));
}

void PainterSurface::Fill(QPainter& p, const QRect& area, Color color) {
    // Copy mode needs no painter: straight into the device where it can.
    if (State().Mode == DrawMode::Copy || !SupportsXor()) {
        if (WritesPixels()) {
            GatherFill(area, color);
            return;
        }
        if (FillPixels(area, color)) return;
    }
    FlushFills();
    Smooth(p, false);
    p.fillRect(area, ToQColor(color));
}

namespace {
// Two rectangles whose union is a rectangle: the same columns with rows that
// overlap or touch, or the same rows with columns that do.
bool JoinsInto(const QRect& a, const QRect& b) {
    if (a.left() == b.left() && a.right() == b.right())
        return a.top() <= b.bottom() + 1 && b.top() <= a.bottom() + 1;
    if (a.top() == b.top() && a.bottom() == b.bottom())
        return a.left() <= b.right() + 1 && b.left() <= a.right() + 1;
    return false;
}

// The rectangle tests of the waiting fills, on edges: every rectangle that
// waits is whole and not empty, and QRect's own calls (out of line, with
// their care for empty and unnormalised rectangles) cost a long chart more
// than its fills.
bool Covers(const QRect& outer, const QRect& inner) {
    return outer.left() <= inner.left() && inner.right() <= outer.right() && outer.top() <= inner.top() &&
           inner.bottom() <= outer.bottom();
}

QRect Joined(const QRect& a, const QRect& b) {
    return QRect(QPoint(std::min(a.left(), b.left()), std::min(a.top(), b.top())),
                 QPoint(std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())));
}
}  // namespace

// A long chart repaints the same pixels many times over: the latest line of
// a chart stretched bar by bar as a box that grows, a close line whose
// steps within one pixel column are strips of that column, one on top of
// the next.  Every such fill is opaque and written in order, so a fill that
// a later one covers whole never shows and two touching fills of one colour
// are the fill of their union.
// Called while drawing one call, after its mapping was found.
void PainterSurface::GatherFill(const QRect& area, Color color) {
    // Cut to the device; fills come with left <= right and top <= bottom.
    const QRect& device = map_.pixels;
    const int left = std::max(area.left(), device.left()), right = std::min(area.right(), device.right());
    const int top = std::max(area.top(), device.top()), bottom = std::min(area.bottom(), device.bottom());
    if (left > right || top > bottom) return;
    const QRect r(QPoint(left, top), QPoint(right, bottom));
    // The count is kept in hand: written back through the fills at every
    // step it costs more than the tests.
    const int count = fillCount_;
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (Covers(r, fills_[i].area)) continue;
        if (kept != i) fills_[kept] = fills_[i];
        ++kept;
    }
    if (kept > 0) {
        WaitingFill& last = fills_[kept - 1];
        if (last.color == color && JoinsInto(last.area, r)) {
            last.area = Joined(last.area, r);
            fillCount_ = kept;
            return;
        }
    }
    if (kept == kMostWaitingFills) {
        FillPixels(fills_[0].area, fills_[0].color);
        std::copy(fills_ + 1, fills_ + kept, fills_);
        --kept;
    }
    // Field by field: a whole waiting fill built first and copied in is
    // read back across the stores of its parts, which stalls the copy.
    fills_[kept].area = r;
    fills_[kept].color = color;
    fillCount_ = kept + 1;
}

void PainterSurface::FlushFills() {
    for (int i = 0; i < fillCount_; ++i) FillPixels(fills_[i].area, fills_[i].color);
    fillCount_ = 0;
}

void PainterSurface::DrawSegment(QPainter& p, double x1, double y1, double x2, double y2, Color color) {
    const SurfaceState& s = State();
    const int pen = PenPixels(s.DrawWidth);
    if (!ClipSegment(x1, y1, x2, y2, ReachOf(pen))) return;
    const bool copy = s.Mode == DrawMode::Copy || !SupportsXor();
    const bool smooth = SmoothsSlantedLines() && copy;
    // A smoothed pen is centred on the pixel, as the unsmoothed one is.
    const double o = smooth ? 0.5 : 0;
    // A line that goes on from where the gathered one ends, in its pen.
    if (copy && !pending_.isEmpty() && pending_.constLast() == QPointF(x1 + o, y1 + o) && color == pendingColor_ &&
        s.DrawWidth == pendingWidth_ && s.Style == pendingStyle_) {
        pending_.append(QPointF(x2 + o, y2 + o));
        return;
    }
    const int ix1 = Pixel(x1), iy1 = Pixel(y1), ix2 = Pixel(x2), iy2 = Pixel(y2);
    const bool alongAxis = ix1 == ix2 || iy1 == iy2;
    if (copy && !alongAxis) {
        // A new line is gathered; the one before is complete, and the fills
        // waiting lie under it.
        FlushFills();
        EndPendingLine(p);
        pending_.append(QPointF(x1 + o, y1 + o));
        pending_.append(QPointF(x2 + o, y2 + o));
        pendingColor_ = color;
        pendingWidth_ = s.DrawWidth;
        pendingStyle_ = s.Style;
        return;
    }
    DrawGatheredLines(p);
    UseMode(p);
    const bool styled = s.DrawWidth == 1 && s.Style != DrawStyle::Solid;
    if (alongAxis) {
        // Along an axis: whole pixels, no smoothing, both ends drawn.  A
        // solid one is a fill, which turns smoothing off itself where it
        // needs the painter: a close line that is strips and slanted steps
        // by turns would switch the painter's smoothing at every step.
        if (styled) {
            FlushFills();
            Smooth(p, false);
            UsePen(p, color, s.DrawWidth, s.Style);
            p.drawLine(QPoint(ix1, iy1), QPoint(ix2, iy2));
            return;
        }
        const int half = (pen - 1) / 2;
        const int cap = pen > 1 ? half : 0;
        QRect strip;
        if (ix1 == ix2) {
            const int top = std::min(iy1, iy2) - cap, bottom = std::max(iy1, iy2) + cap;
            strip = QRect(ix1 - half, top, pen, bottom - top + 1);
        } else {
            const int left = std::min(ix1, ix2) - cap, right = std::max(ix1, ix2) + cap;
            strip = QRect(left, iy1 - half, right - left + 1, pen);
        }
        Fill(p, strip, color);
        return;
    }
    FlushFills();
    UsePen(p, color, s.DrawWidth, s.Style);
    Smooth(p, smooth);
    p.drawLine(QLineF(x1 + o, y1 + o, x2 + o, y2 + o));
}

void PainterSurface::DrawEllipse(double x, double y, double radius, Color color, double aspect) {
    QPainter* p = ActivePainter();
    if (p == nullptr) return;
    const Mapping& m = Map();
    const double cx = m.ax * x + m.bx, cy = m.ay * y + m.by;
    const double r = std::fabs(radius * m.ax);
    const double rx = aspect > 1 ? r / aspect : r;
    const double ry = aspect > 1 ? r : r * aspect;
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(rx) || !std::isfinite(ry)) return;
    const QRectF area = Widened(m.bounds, PenPixels(State().DrawWidth) + 2);
    if (rx > 1e6 || ry > 1e6 || cx + rx < area.left() || cx - rx > area.right() || cy + ry < area.top() ||
        cy - ry > area.bottom()) {
        return;
    }
    const bool smooth = SmoothsSlantedLines() && (State().Mode == DrawMode::Copy || !SupportsXor());
    if (smooth && DrewTinyRing(*p, cx, cy, rx, ry, color)) return;
    FlushLines(*p);
    UseMode(*p);
    UsePen(*p, color, State().DrawWidth, State().Style);
    Smooth(*p, smooth);
    const double o = smooth ? 0.5 : 0;
    p->drawEllipse(QPointF(cx + o, cy + o), rx, ry);
    Drawn();
}

bool PainterSurface::DrewTinyRing(QPainter& p, double cx, double cy, double rx, double ry, Color color) {
    const SurfaceState& s = State();
    if (rx > kTinyRingRadius || ry > kTinyRingRadius || PenPixels(s.DrawWidth) != 1 ||
        s.Style != DrawStyle::Solid || !WritesPixels()) {
        return false;
    }
    // What waits lies under the ring.
    FlushLines(p);
    if (!BlendTinyRing(cx, cy, rx, ry, color)) return false;
    Drawn();
    return true;
}

void PainterSurface::DrawCircle(double x, double y, double radius, Color color, bool arc, double start,
                                double end) {
    QPainter* p = ActivePainter();
    if (p == nullptr) return;
    const Mapping& m = Map();
    const double cx = m.ax * x + m.bx, cy = m.ay * y + m.by;
    const double r = std::fabs(radius * m.ax);
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) return;
    const QRectF area = Widened(m.bounds, PenPixels(State().DrawWidth) + 2);
    // A circle that cannot reach the device, or so large that only a nearly
    // straight piece of it could show, is left out.
    if (r > 1e6 || cx + r < area.left() || cx - r > area.right() || cy + r < area.top() ||
        cy - r > area.bottom()) {
        return;
    }
    const bool smooth = SmoothsSlantedLines() && (State().Mode == DrawMode::Copy || !SupportsXor());
    if (!arc && smooth && DrewTinyRing(*p, cx, cy, r, r, color)) return;
    FlushLines(*p);
    UseMode(*p);
    UsePen(*p, color, State().DrawWidth, State().Style);
    Smooth(*p, smooth);
    const double o = smooth ? 0.5 : 0;
    const QPointF centre(cx + o, cy + o);
    if (!arc) {
        p->drawEllipse(centre, r, r);
        Drawn();
        return;
    }
    constexpr double turn = 2 * std::numbers::pi;
    const double a0 = std::fabs(start), a1 = std::fabs(end);
    double span = a1 - a0;
    if (span <= 0) span += turn;
    constexpr double toSixteenths = 180.0 / std::numbers::pi * 16;
    p->drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), Pixel(a0 * toSixteenths),
               Pixel(span * toSixteenths));
    auto radiusTo = [&](double a) {
        p->drawLine(QLineF(centre, QPointF(centre.x() + r * std::cos(a), centre.y() - r * std::sin(a))));
    };
    if (start < 0) radiusTo(a0);
    if (end < 0) radiusTo(a1);
    Drawn();
}

void PainterSurface::DrawPoint(double x, double y, Color color) {
    QPainter* p = ActivePainter();
    if (p == nullptr) return;
    const Mapping& m = Map();
    const double X = m.ax * x + m.bx, Y = m.ay * y + m.by;
    const int pen = PenPixels(State().DrawWidth);
    const QRectF area = Widened(m.bounds, pen + 2);
    if (!std::isfinite(X) || !std::isfinite(Y) || !area.contains(X, Y)) return;
    DrawGatheredLines(*p);
    UseMode(*p);
    Smooth(*p, false);
    const int half = (pen - 1) / 2;
    Fill(*p, QRect(Pixel(X) - half, Pixel(Y) - half, pen, pen), color);
    Drawn();
}

void PainterSurface::DrawText(std::string_view text, double x, double y, bool /*newLine*/) {
    if (text.empty()) return;
    QPainter* p = ActivePainter();
    if (p == nullptr) return;
    const Mapping& m = Map();
    const double X = m.ax * x + m.bx, Y = m.ay * y + m.by;
    const QRectF& bounds = m.bounds;
    // Text runs right and down from its corner; one starting past the device
    // shows nothing, and one starting very far before it is not worth laying
    // out.
    constexpr double farOut = 1e5;
    if (!std::isfinite(X) || !std::isfinite(Y) || X > bounds.right() || Y > bounds.bottom() ||
        X < bounds.left() - farOut || Y < bounds.top() - farOut) {
        return;
    }
    const SurfaceFont& font = fonts_.Get(State(), DevicePerTwip() * 1440);
    FlushLines(*p);
    UseMode(*p);
    if (textFont_ != font.Serial()) {
        p->setFont(font.Font());
        textFont_ = font.Serial();
    }
    if (!textPenValid_ || textPenColor_ != State().ForeColor) {
        p->setPen(ToQColor(State().ForeColor));
        textPenColor_ = State().ForeColor;
        textPenValid_ = true;
        penValid_ = false;
    }
    if (ReusesShapedText()) {
        const SurfaceFont::ShapedText& shaped = font.Shaped(text);
        const QPointF origin(X, Y + font.Baseline() - shaped.ascent);
        for (const QGlyphRun& run : shaped.runs) p->drawGlyphRun(origin, run);
    } else {
        p->drawText(QPointF(X, Y + font.Baseline()),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    Drawn();
}

TextExtent PainterSurface::MeasureText(std::string_view text) const {
    return fonts_.Measure(State(), DevicePerTwip() * 1440, text);
}

}  // namespace ranvik
