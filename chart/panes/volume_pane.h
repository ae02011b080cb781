#pragma once
// DrawVolumePane: the volume-area indicators below the prices.
#include <cstdint>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawVolumePane(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
