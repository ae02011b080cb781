#pragma once
// The redraw of a chart window and its view routines: RedrawChart repeats
// the drawing of the chart kind that is on with the scale and view in force;
// the partial and full view set the chart up anew at the slider's width or
// at the whole file's; the zoom steps narrow or widen the view by 26 bars
// (60 units for daily data shown as monthly candles), never below 55 bars
// (385 units) and never beyond the whole file.  Variant 1 sets the chart up
// anew, variant 2 repaints the candlestick chart at the same scale.  Each
// does nothing while no chart is loaded.
#include "chart/drawing/chart_host.h"

namespace ranvik {

void RedrawChart(ChartHost& window);
void ShowPartialView(ChartHost& window);
void ShowFullView(ChartHost& window);
void ZoomIn1(ChartHost& window);
void ZoomIn2(ChartHost& window);
void ZoomOut1(ChartHost& window);
void ZoomOut2(ChartHost& window);

// The narrowest view, in x units.
inline constexpr float kNarrowestView = 385;

}  // namespace ranvik
