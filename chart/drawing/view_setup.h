#pragma once
// The view of a chart set up anew: the width of the whole file, the width
// shown, the scroll range, the first shown record, the correction point in
// force there, and where the panes and the scroll bar go.
//
// x counts 7 units a bar (daily data shown as monthly candles: 1 unit a
// day); the scroll value is the view's left edge in those units.  The scroll
// bar is 16-bit: 32767 units hold 4681 bars.  A longer file is shown either
// with the view widened until the scroll range fits, or, in the data-cut
// view, with the scroll bar covering only its newest part.
#include <cstdint>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

inline constexpr int kLargestScrollValue = 32767;
inline constexpr int kBarsOfTheScrollRange = 4681;

// Daily data drawn as monthly candles on the candlestick chart.
bool MonthlyFromDaily(ChartHost& window);
// The data-cut view is chosen and the file is longer than the scroll bar.
bool DataCutView(ChartHost& window);

// Runs inside ShowChart with DataFileName empty, so that the scroll bar's
// changes draw nothing; file number 1 open (the stock comparison searches
// its dates).
void SetUpView(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
