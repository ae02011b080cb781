// Draws nothing until this layer of the chart is built.
#include "chart/drawing/ichimoku.h"

namespace ranvik {

void DrawIchimoku(ChartHost&, ChartFile&) {}

}  // namespace ranvik
