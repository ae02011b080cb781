#pragma once
// DrawYearCandles: one candle per calendar year of the whole file in the
// floating yearly-candle pane Picture4, which the window has placed; with
// a pane at least a third of the price pane wide also the year bands, the
// year labels, the marker of 2000 and the price labels.  Called with file
// number 1 open on the data file; leaves it open, and leaves PriceTop,
// PriceBottom, PriceGridStep and the split correction's point in force as
// it found them.  Screen only.
//
// Weekly data: a week dated before "01/04" belongs to the year before, so
// its bar still closes that year's candle.
#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

// The pane's price range, rounded out from the file's lowest low and
// highest high; below 1 and up to 10 half the chart's grid step is the
// margin.
double YearPaneBottom(double fileLow, double fileHigh, double gridStep);
double YearPaneTop(double fileHigh, double gridStep);

void DrawYearCandles(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
