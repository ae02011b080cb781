#pragma once
// DrawPricePane: the running-average overlays of the candlestick chart on
// the price pane (moving averages, bands, three-day candles, 陰陽足, the
// trading-value average) and the deviation-rate lines of the indicator pane.
// File number 1 is open on the data file on entry and on exit.
#include <cstdint>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawPricePane(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
