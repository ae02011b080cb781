#pragma once
// DrawRegressionTrend: the regression lines over the bars up to the last
// drawn record, whose x the caller passes; both are given back.
#include <cstdint>
#include <vector>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

// The least-squares line through closes y(1) .. y(n), oldest first, anchored
// at q = (n + 1) / 2 rounded halves to even: its value U at j = 1 and V at
// j = n, and the sample standard deviation s of the closes about their mean
// (divided by n - 1).  Fewer than two closes give all 0.
struct RegressionLine {
    float U = 0;
    float V = 0;
    float s = 0;
};
RegressionLine FitRegression(const std::vector<float>& closes);

void DrawRegressionTrend(ChartHost& window, ChartFile& file1, std::int64_t& lastRecord, double& lastX);

}  // namespace ranvik
