// The yearly candle pane, drawing nothing until it is built.
#include "chart/drawing/year_candles.h"

namespace ranvik {

void DrawYearCandles(ChartHost&, ChartFile&) {}

}  // namespace ranvik
