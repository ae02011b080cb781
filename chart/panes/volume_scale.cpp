// Draws nothing until this layer of the chart is built.
#include "chart/panes/volume_scale.h"

namespace ranvik {

void DrawVolumeScale(ChartHost&, double&, int) {}

}  // namespace ranvik
