// Draws nothing until this layer of the chart is built.
#include "chart/panes/volume_pane.h"

namespace ranvik {

void DrawVolumePane(ChartHost&, ChartFile&) {}

}  // namespace ranvik
