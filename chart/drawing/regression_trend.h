#pragma once
// DrawRegressionTrend: the regression lines over the bars up to the last
// drawn record, whose x the caller passes; both are given back.
#include <cstdint>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawRegressionTrend(ChartHost& window, ChartFile& file1, std::int64_t& lastRecord, double& lastX);

}  // namespace ranvik
