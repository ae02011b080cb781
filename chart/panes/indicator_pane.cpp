// Draws nothing until this layer of the chart is built.
#include "chart/panes/indicator_pane.h"

namespace ranvik {

void DrawIndicatorPane(ChartHost&, ChartFile&) {}

void ChartHost::gcv(ChartFile& file1) { DrawIndicatorPane(*this, file1); }

}  // namespace ranvik
