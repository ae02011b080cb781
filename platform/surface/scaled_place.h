#pragma once
// Controls inside a drawing surface, placed in the surface's user scale as
// the original placed a control inside a scaled picture box: the position
// (and size) given in the scale in force become the control's place in
// pixels at once, and read back in the scale in force at the time of reading.
// A later change of the scale does not move the control: every redraw may
// choose another price range, and a panel the user put on the chart stays
// where it was put.
//
// The control is a child widget of the surface's widget.  Sizes are
// magnitudes in the scale's units, so a pane whose y runs upward measures a
// control's height as a positive number, as it measures its own.
#include <QWidget>

#include "platform/surface/surface.h"

namespace ranvik {

// Top-left corner at (left, top); the size stays.
void PlaceInScale(const Surface& scale, QWidget& control, double left, double top);
// Top-left corner at (left, top) and the size width x height.
void PlaceInScale(const Surface& scale, QWidget& control, double left, double top, double width, double height);

double LeftInScale(const Surface& scale, const QWidget& control);
double TopInScale(const Surface& scale, const QWidget& control);
double WidthInScale(const Surface& scale, const QWidget& control);
double HeightInScale(const Surface& scale, const QWidget& control);

}  // namespace ranvik
