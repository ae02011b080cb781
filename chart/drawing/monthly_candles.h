#pragma once
// DrawMonthlyCandles: the bar layer of the candlestick chart with monthly
// candles, one candle per record of the window's monthly file from
// MonthlyFirstRecord on, the first shown month starting MonthCutDays left
// of the pane: year marks, month ticks and topics (screen only), candles,
// the volume area with volume bars and margin balances, pivot, kagi and
// parabolic, the volume scale, the date range label and the regression
// lines.  Draws on the price pane, or on the window's print page while
// PrintingNow is -1 (the print job has set the page's scale and the saved
// scale fields).
//
// File number 1 is the data file on entry and on exit; the monthly file is
// only read.  With the fixed volume scale on, the ceiling is the largest
// month of the monthly file: the data file's largest bar would let the
// month sums overflow the area.
#include "chart/drawing/candle_layers.h"
#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawMonthlyCandles(ChartHost& window, ChartFile& file1, const CandleLayers& layers = {});

}  // namespace ranvik
