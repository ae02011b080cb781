#pragma once
// DrawCandleChart: the candlestick chart of the window's fields, drawn on
// its price and indicator panes.  Called with file number 1 open on the data
// file and the view set up; leaves file number 1 open.
//
// Until the candlestick drawer is built this draws what it begins with
// (the title of the chart drawn, both panes cleared, the crosshair
// forgotten, the visible-range scan that fits the price scale) and in place
// of the candles one line from the low to the high of each shown bar,
// split-corrected, record FirstRecord + k at x = 7k + 3.
#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawCandleChart(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
