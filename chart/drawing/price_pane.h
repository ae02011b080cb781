#pragma once
// DrawPricePane: the running-average overlays of the candlestick chart on
// the price pane (moving averages, bands, three-day candles, 陰陽足, the
// trading-value average) and the deviation-rate lines of the indicator pane.
// Called once per draw after the candles (the price pane's scale, PriceSpan,
// VolumeAreaHeight and the clip levels those of the draw), and by the print
// routine while PrintingNow is -1: then the same figures go to the window's
// print page, cut to the price band.
//
// File number 1 is open on the data file on entry and on exit; FirstRecord,
// RecordCount and every menu item's check mark are as they were on entry.
// What stays: OverlayPeriods, BandPeriod, DeviationScale, the split
// correction's point in force, and the period boxes written back.
#include <cstdint>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawPricePane(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
