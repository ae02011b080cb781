#pragma once
// The price scale of the price pane fitted to the bars that will be shown:
// ScanVisibleRange reads them (split-corrected), keeps their highest high,
// lowest low, largest volume and balances, and when the high or the low
// changed sets the price range with a small margin, the volume area below
// it, the pane's scale, the clip levels and the grid step.  A redraw of the
// same view thus keeps its scale; ViewHigh 0 asks for a new one.
#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

// File number 1 open (the stock data file, or the monthly file while
// monthly candles are drawn, whose records carry their widths in RecordNo);
// the price pane's ScaleWidth is ViewWidth.  QuoteBufA holds the last bar
// scanned, corrected.
void ScanVisibleRange(ChartHost& window, ChartFile& file1);

// PriceGridStep and AxisFormat for the range PriceTop - PriceBottom.
void ChoosePriceGridStep(ChartWindowState& fields);

}  // namespace ranvik
