#pragma once
// Rings far smaller than a device pixel, written straight into an image of
// 32-bit pixels.
//
// A point and figure chart of thousands of columns draws tens of thousands of
// O marks each a small fraction of a pixel across, and the painter spends
// nearly all of its time on setting up each one for a faint tint on a pixel
// or two.  Such a ring is its outline traced with a smoothed pen one pixel
// wide, gathered into a point: the parts of the outline that run up and down
// tint the two columns about its centre by how near each is and the rows
// their span crosses; the parts that run across, the other way about.  How
// strong the tint is follows the length of the outline, as the painter's
// does; the painter's own tint differs by a few levels of a channel.
#include <QtGlobal>

#include "platform/color/color.h"

namespace ranvik {

// The largest radius, in device pixels, of a ring drawn here; larger rings
// reach the pixels around and are left to the painter.
inline constexpr double kTinyRingRadius = 0.125;

// Rows of 32-bit pixels (0xffRRGGBB), `step` pixels apart.
struct PixelRows {
    quint32* first;
    qsizetype step;
    int width;
    int height;
};

// Blends the ring of centre (cx, cy) and radii rx, ry (from 0 to
// kTinyRingRadius; pixel (i, j) has its centre at (i, j)) in the colour into
// the pixels, over what they show; pixels outside the image are left alone.
// A ring of no size draws nothing, as the painter's does.
void BlendTinyRing(const PixelRows& image, double cx, double cy, double rx, double ry, Color color);

}  // namespace ranvik
