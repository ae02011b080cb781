#pragma once
// DrawIndicatorPane: the oscillator checked in the window's menu, drawn in
// the indicator pane or the printed indicator band; the window's gcv.
#include <cstdint>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawIndicatorPane(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
