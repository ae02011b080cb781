#include "platform/surface/tiny_rings.h"

#include <algorithm>
#include <cmath>

namespace ranvik {

namespace {

// The faintest tint of a ring of any size at all, as the painter's rings of
// a hundredth of a pixel and less were measured.
constexpr double kLeastTint = 9.0 / 255;

// The share of pixel i + 1 beside pixel i, for a point a fraction f of the
// way from i to i + 1, of a pen across the outline there: by how near it is,
// none while the point is within a sixteenth of a pixel's centre.
double NextByNearness(double f) {
    constexpr double still = 1.0 / 16;
    return std::clamp((f - still) / (1 - 2 * still), 0.0, 1.0);
}
// ... and of a span from f - r to f + r along the outline: by how much of it
// lies past the boundary between them (most spans lie on one side).
double NextBySpan(double f, double r) {
    if (f + r <= 0.5) return 0;
    if (f - r >= 0.5) return 1;
    return (f + r - 0.5) / (2 * r);
}

// Over the pixel by `weight` 256ths, rounded to the nearest level.
quint32 Blend(quint32 pixel, Color color, int weight) {
    auto part = [weight](int below, int above) {
        return static_cast<quint32>(below + (((above - below) * weight + 128) >> 8));
    };
    const quint32 r = part(static_cast<int>(pixel >> 16 & 0xff), color.r);
    const quint32 g = part(static_cast<int>(pixel >> 8 & 0xff), color.g);
    const quint32 b = part(static_cast<int>(pixel & 0xff), color.b);
    return 0xff000000u | r << 16 | g << 8 | b;
}

}  // namespace

void BlendTinyRing(const PixelRows& image, double cx, double cy, double rx, double ry, Color color) {
    if (!(rx >= 0 && ry >= 0 && rx <= kTinyRingRadius && ry <= kTinyRingRadius)) return;
    if (rx == 0 && ry == 0) return;
    // Far outside, and not a number, alike: nothing of it can show.
    constexpr double far = 1e9;
    if (!(std::fabs(cx) < far && std::fabs(cy) < far)) return;
    // The outline passes over its centre twice, there and back, each time
    // tinting by its length along the longer side (twice the larger radius,
    // round or flat alike): so the painter's rings were measured.
    const double pass = 2 * std::max(rx, ry);
    const double tint = std::max(kLeastTint, 1 - (1 - pass) * (1 - pass));
    const double strength = tint * 256;
    const double upright = strength * ry / (rx + ry), flat = strength - upright;
    // Both neighbours of the centre across and down; |cx| and |cy| are small
    // enough here for whole numbers.
    int left = static_cast<int>(cx), top = static_cast<int>(cy);
    if (left > cx) --left;
    if (top > cy) --top;
    const double fx = cx - left, fy = cy - top;
    // The parts that run up and down lie across by nearness and down by
    // their span; those that run across, the other way about.
    const double upAcross = NextByNearness(fx), upDown = NextBySpan(fy, ry);
    const double flatAcross = NextBySpan(fx, rx), flatDown = NextByNearness(fy);
    const double across[2][2] = {{1 - upAcross, upAcross}, {1 - flatAcross, flatAcross}};
    const double down[2][2] = {{1 - upDown, upDown}, {1 - flatDown, flatDown}};
    for (int dy = 0; dy < 2; ++dy) {
        const int y = top + dy;
        if (y < 0 || y >= image.height) continue;
        quint32* row = image.first + y * image.step;
        for (int dx = 0; dx < 2; ++dx) {
            const int x = left + dx;
            if (x < 0 || x >= image.width) continue;
            const double weight = upright * across[0][dx] * down[0][dy] + flat * across[1][dx] * down[1][dy];
            const int level = static_cast<int>(weight + 0.5);
            if (level > 0) row[x] = Blend(row[x], color, level);
        }
    }
}

}  // namespace ranvik
