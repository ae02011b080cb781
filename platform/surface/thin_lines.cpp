#include "platform/surface/thin_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace ranvik {

namespace {

// Each byte of x times a / 255, rounded as the raster engine rounds it (the
// shades must come out the same to the level).
inline std::uint32_t Scaled(std::uint32_t x, std::uint32_t a) {
    constexpr std::uint64_t kBytes = 0x00ff00ff00ff00ffULL;
    std::uint64_t t = ((std::uint64_t{x} | std::uint64_t{x} << 24) & kBytes) * a;
    t = ((t + ((t >> 8) & kBytes) + 0x0080008000800080ULL) >> 8) & kBytes;
    return static_cast<std::uint32_t>(t) | static_cast<std::uint32_t>(t >> 24);
}

// 26.6 fixed point, cut toward zero.
inline int Fixed(double v) { return static_cast<int>(v * 64.); }

// a / b in 16.16 fixed point, cut toward zero.
inline int Ratio(int a, int b) { return static_cast<int>(std::int64_t{a} * 65536 / b); }

}  // namespace

ThinLinePixels::ThinLinePixels(std::uint32_t* pixels, qsizetype step, int width, int height)
    : pixels_(pixels), step_(step), width_(width), height_(height) {}

void ThinLinePixels::SetColor(Color color) {
    for (int i = 0; i < keptCount_; ++i) {
        if (kept_[i].color == color) {
            shaded_ = kept_[i].shaded;
            return;
        }
    }
    Shades& shades = kept_[nextKept_];
    nextKept_ = (nextKept_ + 1) % kKeptColors;
    keptCount_ = std::max(keptCount_, nextKept_ == 0 ? kKeptColors : nextKept_);
    shades.color = color;
    const std::uint32_t value =
        0xff000000u | std::uint32_t{color.r} << 16 | std::uint32_t{color.g} << 8 | std::uint32_t{color.b};
    for (std::uint32_t c = 0; c < 256; ++c) shades.shaded[c] = Scaled(value, c);
    shaded_ = shades.shaded;
}

void ThinLinePixels::Polyline(const QPointF* points, qsizetype count) {
    if (count < 2) return;
    // A line that closes on its first point has no ends to cap.
    const bool closed = points[0].x() == points[count - 1].x() && points[0].y() == points[count - 1].y();
    for (qsizetype i = 1; i < count; ++i) {
        int caps = kNoCaps;
        if (!closed && i == 1) caps |= kCapBegin;
        if (!closed && i == count - 1) caps |= kCapEnd;
        Segment(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y(), caps);
    }
}

void ThinLinePixels::Lines(const QLineF* lines, qsizetype count) {
    for (qsizetype i = 0; i < count; ++i) {
        const QLineF& l = lines[i];
        if (l.p1() == l.p2()) {
            Point(l.x1(), l.y1());
        } else {
            Segment(l.x1(), l.y1(), l.x2(), l.y2(), kCapBegin | kCapEnd);
        }
    }
}

void ThinLinePixels::Point(double x, double y) {
    // Rounded half up, as the painter rounds a point.
    const int ix = static_cast<int>(std::floor(x + 0.5)), iy = static_cast<int>(std::floor(y + 0.5));
    if (ix < 0 || ix >= width_ || iy < 0 || iy >= height_) return;
    pixels_[iy * step_ + ix] = shaded_[255];
}

bool ThinLinePixels::Cut(double& x1, double& y1, double& x2, double& y2) const {
    // The painter cuts its lines here too, and where it cuts decides the
    // shades of the pixels left, so the bounds and the arithmetic are its.
    const double xmin = -1, xmax = width_ + 1, ymin = -1, ymax = height_ + 1;
    if (x1 < xmin) {
        if (x2 <= xmin) return false;
        y1 += (y2 - y1) / (x2 - x1) * (xmin - x1);
        x1 = xmin;
    } else if (x1 > xmax) {
        if (x2 >= xmax) return false;
        y1 += (y2 - y1) / (x2 - x1) * (xmax - x1);
        x1 = xmax;
    }
    if (x2 < xmin) {
        y2 += (y2 - y1) / (x2 - x1) * (xmin - x2);
        x2 = xmin;
    } else if (x2 > xmax) {
        y2 += (y2 - y1) / (x2 - x1) * (xmax - x2);
        x2 = xmax;
    }
    if (y1 < ymin) {
        if (y2 <= ymin) return false;
        x1 += (x2 - x1) / (y2 - y1) * (ymin - y1);
        y1 = ymin;
    } else if (y1 > ymax) {
        if (y2 >= ymax) return false;
        x1 += (x2 - x1) / (y2 - y1) * (ymax - y1);
        y1 = ymax;
    }
    if (y2 < ymin) {
        x2 += (x2 - x1) / (y2 - y1) * (ymin - y2);
        y2 = ymin;
    } else if (y2 > ymax) {
        x2 += (x2 - x1) / (y2 - y1) * (ymax - y2);
        y2 = ymax;
    }
    return true;
}

void ThinLinePixels::Segment(double x1, double y1, double x2, double y2, int caps) {
    if (!Cut(x1, y1, x2, y2)) return;
    const int fx1 = Fixed(x1), fy1 = Fixed(y1), fx2 = Fixed(x2), fy2 = Fixed(y2);
    const int dx = fx2 - fx1, dy = fy2 - fy1;
    const bool vertical = std::abs(dx) < std::abs(dy);
    if (!vertical && dx == 0) return;
    // Along the longer axis from a1 to a2, across from b1.
    int a1 = vertical ? fy1 : fx1, a2 = vertical ? fy2 : fx2;
    int b1 = vertical ? fx1 : fy1;
    const int increment = vertical ? Ratio(dx, dy) : Ratio(dy, dx);
    if (a1 > a2) {
        std::swap(a1, a2);
        b1 = vertical ? fx2 : fy2;
        caps = (caps & kCapBegin) << 1 | (caps & kCapEnd) >> 1;
    }
    // The centre across, in 16.16, half a pixel back so that its whole part
    // is the first of the two pixels it falls between.
    int across = (b1 - 32) * 1024 - ((((a1 & 63) - 32) * increment) >> 6);
    // A square cap reaches half a pixel past each end.
    if (caps & kCapBegin) {
        a1 -= 32;
        across -= increment >> 1;
    }
    if (caps & kCapEnd) a2 += 32;
    const int first = a1 >> 6, last = a2 >> 6;
    if (first == last) {
        Steps(first, last, a2 - a1, 0, across, increment, vertical);
    } else {
        Steps(first, last, 64 - (a1 & 63), a2 & 63, across, increment, vertical);
    }
}

void ThinLinePixels::Blend(int x, int y, int coverage) {
    if (coverage == 0 || x < 0 || x >= width_ || y < 0 || y >= height_) return;
    std::uint32_t& pixel = pixels_[y * step_ + x];
    const std::uint32_t c = shaded_[coverage];
    pixel = c + Scaled(pixel, 255 - (c >> 24));
}

namespace {

// Two pixels of a step, the first getting 255 - alpha of the coverage and
// the second alpha; `next` is how far the second lies from the first.
struct StepPair {
    const std::uint32_t* shaded;
    qsizetype next;
    void Draw(std::uint32_t* pixel, std::uint32_t alpha, int part) const {
        Put(pixel[0], ((255 - alpha) * part) >> 6);
        Put(pixel[next], (alpha * part) >> 6);
    }
    void Put(std::uint32_t& pixel, std::uint32_t coverage) const {
        if (coverage == 0) return;
        const std::uint32_t c = shaded[coverage];
        pixel = c + Scaled(pixel, 255 - (c >> 24));
    }
};

}  // namespace

void ThinLinePixels::Steps(int first, int last, int startCoverage, int endCoverage, int across, int increment,
                           bool vertical) {
    const int drawnLast = endCoverage != 0 ? last : std::max(first, last - 1);
    const int acrossFirst = across >> 16;
    const int acrossLast = (across + (drawnLast - first) * increment) >> 16;
    const int alongSize = vertical ? height_ : width_, acrossSize = vertical ? width_ : height_;
    const bool inside = first >= 0 && drawnLast < alongSize && std::min(acrossFirst, acrossLast) >= 0 &&
                        std::max(acrossFirst, acrossLast) + 1 < acrossSize;
    if (!inside) {
        // Near the edges: each pixel on its own, those outside left out.
        auto pair = [&](int a, int b, int part) {
            const std::uint32_t alpha = static_cast<std::uint8_t>(b >> 8);
            const int c0 = static_cast<int>(((255 - alpha) * static_cast<std::uint32_t>(part)) >> 6);
            const int c1 = static_cast<int>((alpha * static_cast<std::uint32_t>(part)) >> 6);
            if (vertical) {
                Blend(b >> 16, a, c0);
                Blend((b >> 16) + 1, a, c1);
            } else {
                Blend(a, b >> 16, c0);
                Blend(a, (b >> 16) + 1, c1);
            }
        };
        int b = across;
        pair(first, b, startCoverage);
        b += increment;
        int a = first + 1;
        for (; a < last; ++a, b += increment) pair(a, b, 64);
        if (endCoverage != 0) pair(a, b, endCoverage);
        return;
    }
    // Every pixel inside: straight down the rows or along the row.
    const StepPair pair{shaded_, vertical ? 1 : step_};
    const qsizetype alongStep = vertical ? step_ : 1;
    const qsizetype acrossStep = vertical ? 1 : step_;
    auto at = [&](int a, int b) {
        return pixels_ + (vertical ? a * step_ : a) + static_cast<qsizetype>(b >> 16) * acrossStep;
    };
    int b = across;
    pair.Draw(at(first, b), static_cast<std::uint8_t>(b >> 8), startCoverage);
    b += increment;
    int a = first + 1;
    if (a < last) {
        std::uint32_t* line = pixels_ + (vertical ? a * step_ : a);
        for (; a < last; ++a, b += increment, line += alongStep) {
            pair.Draw(line + static_cast<qsizetype>(b >> 16) * acrossStep, static_cast<std::uint8_t>(b >> 8), 64);
        }
    }
    if (endCoverage != 0) pair.Draw(at(a, b), static_cast<std::uint8_t>(b >> 8), endCoverage);
}

}  // namespace ranvik
