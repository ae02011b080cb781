#pragma once
// DrawPriceBandVolume: the volume traded at each price band of the view,
// in its own pane beside the prices.
#include <cstdint>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawPriceBandVolume(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
