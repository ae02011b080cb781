#pragma once
// The crosshair of the chart window: exclusive-or lines at the mouse across
// the price pane, the indicator pane and the price-band volume pane, the
// price tag beside the cursor, and their removal.  A line is removed by
// drawing it again, so CrossX and CrossY must always name exactly what lies
// on the panes; whatever clears the price pane forgets them (ForgetCrosshair).
#include <string>

#include "chart/drawing/chart_host.h"

namespace ranvik {

// The tag Label14: where it goes in the price pane's scale and what it says.
struct PriceTagPlace {
    bool visible = false;
    double left = 0;
    double top = 0;
    std::string caption;
};

// The tag for a cursor at (x, y): tagWidth and tagHeight are its size in the
// pane's scale, taken as magnitudes.  `overlayShift`: the 陰陽足 or 三日平均線
// overlay is on, so prices beyond the price area read PriceSpan further.
PriceTagPlace PriceTagFor(const ChartWindowState& f, double x, double y, double scaleWidth, double tagWidth,
                          double tagHeight, bool overlayShift);

// Whether the window draws a crosshair at all: a chart shown of a kind that
// has one (candlesticks, year-by-year, the two new-price-bar charts).
bool CrosshairKind(ChartHost& w);

// The crosshair part of the price pane's mouse move: old lines removed, new
// ones drawn, the tag placed, the position remembered.  x or y of -2000
// draws no line in that direction.  Runs only with the crosshair on and a
// crosshair kind shown.
void MoveCrosshair(ChartHost& w, double x, double y);

// Removes the lines and the tag and forgets them (nothing while no data file
// is named).
void DelLine(ChartHost& w);

// The erasers' test: lines that may be drawn.
bool CrosshairMayBeDrawn(ChartHost& w);

// After a clear of the price pane: nothing is drawn any more, the tag hides.
void ForgetCrosshair(ChartHost& w);

}  // namespace ranvik
