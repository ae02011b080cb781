#pragma once
// The reverse watch chart: over the shown range, the moving average of the
// volume (across) against the moving average of the close (up) over the same
// period, joined in date order from "b" to "e".
#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawReverseWatch(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
