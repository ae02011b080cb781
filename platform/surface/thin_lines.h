#pragma once
// Thin smoothed lines written straight into the pixels of a 32-bit image
// (RGB32 or premultiplied ARGB32): a pen of one pixel, solid and opaque, with
// square caps, in copy mode, on an image the painter would draw on untransformed
// and cut only to its own edges.
//
// Every pixel comes out as the painter's raster engine writes it for the same
// lines on such an image (its one-pixel pen steps along the longer axis in
// 26.6 fixed point and shares each step between the two pixels the centre
// falls between), so a screen can switch between the two freely.  The
// painter costs several times as much for the same pixels: it goes through a
// path, a function per segment and a test of the device's edges per pixel,
// and a long chart's lines are thousands of short segments or hundreds of
// steep ones.
#include <QLineF>
#include <QPointF>
#include <cstdint>

#include "platform/color/color.h"

namespace ranvik {

class ThinLinePixels {
public:
    // `pixels` is the top-left pixel, `step` the pixels from one row to the
    // next.
    ThinLinePixels(std::uint32_t* pixels, qsizetype step, int width, int height);
    void SetColor(Color color);

    // Lines from point to point, as one polyline: only its two ends are
    // capped, and none when it closes on its first point.
    void Polyline(const QPointF* points, qsizetype count);
    // Lines each of its own (both ends capped); one of no length is a point.
    void Lines(const QLineF* lines, qsizetype count);

private:
    enum Caps { kNoCaps = 0, kCapBegin = 1, kCapEnd = 2 };
    void Segment(double x1, double y1, double x2, double y2, int caps);
    // Cut to the device widened by a pixel each way and a pixel more on the
    // far sides; false when nothing is left.
    bool Cut(double& x1, double& y1, double& x2, double& y2) const;
    void Point(double x, double y);
    // The steps of a line along its longer axis, from `first` to `last`
    // (the two ends' coverages in 64ths): `across` is the 16.16 position
    // across at the first step; `vertical` when it steps down the rows.
    void Steps(int first, int last, int startCoverage, int endCoverage, int across, int increment,
               bool vertical);
    void Blend(int x, int y, int coverage);
    // The steps of a line every pixel of which lies inside.
    template <bool kDownRows>
    void InsideSteps(int first, int last, int startCoverage, int endCoverage, int across, int increment);

    std::uint32_t* pixels_;
    qsizetype step_;
    int width_;
    int height_;
    // The colour times each coverage, worked out once per colour and kept
    // for the few colours a chart's lines take turns in (one segment of each
    // of several lines per bar).
    struct Shades {
        Color color;
        std::uint32_t shaded[256];
        // What is left of the pixel below for each coverage, in each of
        // four 16-bit lanes (a pixel's four bytes widened).
        std::uint64_t rest[256];
    };
    static constexpr int kKeptColors = 8;
    Shades kept_[kKeptColors];
    int keptCount_ = 0;
    int nextKept_ = 0;
    const Shades* shades_ = nullptr;
};

}  // namespace ranvik
