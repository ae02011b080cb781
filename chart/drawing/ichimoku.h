#pragma once
// DrawIchimoku: the cloud pass (IchimokuCloudPass -1) or the line pass (0)
// of the Ichimoku overlay on the price pane or the printed page.
#include <cstdint>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawIchimoku(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
