#pragma once
// DrawYearCandles: one candle per calendar year of the whole file in the
// floating yearly-candle pane, which the caller has placed.  Called with
// file number 1 open on the data file; leaves it open.
//
// Until the yearly candle pane is built this draws nothing and leaves the
// pane as it is.
#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawYearCandles(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
