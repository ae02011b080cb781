#include "platform/surface/thin_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// a / b in 16.16 fixed point, cut toward zero; in 32 bits where a fits (a
// division of half the width takes a fraction of the time, and a line of
// a few hundred pixels needs no more).
inline int Ratio(int a, int b) {
    if (a >= -0x7fff && a <= 0x7fff) return a * 65536 / b;
    return static_cast<int>(std::int64_t{a} * 65536 / b);
}

}  // namespace

ThinLinePixels::ThinLinePixels(std::uint32_t* pixels, qsizetype step, int width, int height)
    : pixels_(pixels), step_(step), width_(width), height_(height) {}

void ThinLinePixels::SetColor(Color color) {
    for (int i = 0; i < keptCount_; ++i) {
        if (kept_[i].color == color) {
            shades_ = &kept_[i];
            return;
        }
    }
    Shades& shades = kept_[nextKept_];
    nextKept_ = (nextKept_ + 1) % kKeptColors;
    keptCount_ = std::max(keptCount_, nextKept_ == 0 ? kKeptColors : nextKept_);
    shades.color = color;
    const std::uint32_t value =
        0xff000000u | std::uint32_t{color.r} << 16 | std::uint32_t{color.g} << 8 | std::uint32_t{color.b};
    for (std::uint32_t c = 0; c < 256; ++c) {
        shades.shaded[c] = Scaled(value, c);
        const std::uint64_t rest = 255 - (shades.shaded[c] >> 24);
        shades.rest[c] = rest | rest << 16 | rest << 32 | rest << 48;
    }
    shades_ = &shades;
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
    pixels_[iy * step_ + ix] = shades_->shaded[255];
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
    const std::uint32_t c = shades_->shaded[coverage];
    pixel = c + Scaled(pixel, 255 - (c >> 24));
}

void ThinLinePixels::Steps(int first, int last, int startCoverage, int endCoverage, int across, int increment,
                           bool vertical) {
    const int drawnLast = endCoverage != 0 ? last : std::max(first, last - 1);
    const int acrossFirst = across >> 16;
    const int acrossLast = (across + (drawnLast - first) * increment) >> 16;
    const int alongSize = vertical ? height_ : width_, acrossSize = vertical ? width_ : height_;
    const bool inside = first >= 0 && drawnLast < alongSize && std::min(acrossFirst, acrossLast) >= 0 &&
                        std::max(acrossFirst, acrossLast) + 1 < acrossSize;
    if (inside) {
        if (vertical) {
            InsideSteps<true>(first, last, startCoverage, endCoverage, across, increment);
        } else {
            InsideSteps<false>(first, last, startCoverage, endCoverage, across, increment);
        }
        return;
    }
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
}

namespace {

// Blends the colour into two pixels of a step, `first` getting the
// coverage c0 and `second` c1.  Two pixels side by side (a line that steps
// down the rows) are read and written together.
template <bool kSideBySide>
inline void BlendTwo(std::uint32_t* first, std::uint32_t* second, const std::uint32_t* shaded,
                     const std::uint64_t* rest, std::uint32_t c0, std::uint32_t c1) {
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i below = kSideBySide ? _mm_loadl_epi64(reinterpret_cast<const __m128i*>(first))
                                      : _mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(*first)),
                                                           _mm_cvtsi32_si128(static_cast<int>(*second)));
    const __m128i keep = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(rest + c0)),
                                            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(rest + c1)));
    // Each byte times what is kept / 255, rounded as Scaled rounds (no lane
    // overflows: 255 * 255 + 254 + 128 < 65536).
    __m128i t = _mm_mullo_epi16(_mm_unpacklo_epi8(below, zero), keep);
    t = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), _mm_set1_epi16(0x80)), 8);
    const __m128i colour = _mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(shaded[c0])),
                                              _mm_cvtsi32_si128(static_cast<int>(shaded[c1])));
    // Added as whole pixels, as the painter adds them.
    const __m128i result = _mm_add_epi32(_mm_packus_epi16(t, zero), colour);
    if (kSideBySide) {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(first), result);
    } else {
        *first = static_cast<std::uint32_t>(_mm_cvtsi128_si32(result));
        *second = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(result, 4)));
    }
#else
    *first = shaded[c0] + Scaled(*first, 255 - (shaded[c0] >> 24));
    *second = shaded[c1] + Scaled(*second, 255 - (shaded[c1] >> 24));
#endif
}

}  // namespace

template <bool kDownRows>
void ThinLinePixels::InsideSteps(int first, int last, int startCoverage, int endCoverage, int across,
                                 int increment) {
    const std::uint32_t* shaded = shades_->shaded;
    const std::uint64_t* rest = shades_->rest;
    const qsizetype along = kDownRows ? step_ : 1;
    const qsizetype next = kDownRows ? 1 : step_;
    std::uint32_t* line = pixels_ + first * along;
    auto step = [&](int b, std::uint32_t part) {
        const std::uint32_t alpha = static_cast<std::uint8_t>(b >> 8);
        std::uint32_t* pixel = line + (b >> 16) * next;
        BlendTwo<kDownRows>(pixel, pixel + next, shaded, rest, ((255 - alpha) * part) >> 6, (alpha * part) >> 6);
    };
    int b = across;
    step(b, static_cast<std::uint32_t>(startCoverage));
    for (int a = first + 1; a < last; ++a) {
        b += increment;
        line += along;
        const std::uint32_t alpha = static_cast<std::uint8_t>(b >> 8);
        std::uint32_t* pixel = line + (b >> 16) * next;
        BlendTwo<kDownRows>(pixel, pixel + next, shaded, rest, 255 - alpha, alpha);
    }
    if (endCoverage != 0) {
        b += increment;
        line += along;
        step(b, static_cast<std::uint32_t>(endCoverage));
    }
}

}  // namespace ranvik
