#pragma once
// DrawCandleChart: the candlestick chart of the window's fields.  Until the
// candlestick drawer proper is built this stands in for it: it clears both
// panes, forgets the crosshair, chooses the price range of the shown bars
// when it changed, and draws one line from the low to the high of each shown
// bar, record FirstRecord + k at x = 7k.
#include "chart/drawing/chart_host.h"
#include "platform/runtime/record_file.h"

namespace ranvik {

// The caller has opened DataFileName as file number 1 and closes it.
void DrawCandleChart(ChartHost& window, RecordFile& file1);

// Bars of the view from FirstRecord on: as many as start below ViewWidth
// (7 units apart), at most up to RecordCount; 0 when none.
int ShownBarCount(const ChartWindowState& fields);

}  // namespace ranvik
