#pragma once
// DrawVolumeScale: the labels of the enlarged volume area, in the volume
// unit (1, or 1000 for large volumes).
#include <cstdint>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawVolumeScale(ChartHost& window, double& maxVolume, int unit);

}  // namespace ranvik
