// Draws nothing until this layer of the chart is built.
#include "chart/panes/price_band_volume.h"

namespace ranvik {

void DrawPriceBandVolume(ChartHost&, ChartFile&) {}

}  // namespace ranvik
