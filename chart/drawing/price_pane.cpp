// Draws nothing until this layer of the chart is built.
#include "chart/drawing/price_pane.h"

namespace ranvik {

void DrawPricePane(ChartHost&, ChartFile&) {}

}  // namespace ranvik
