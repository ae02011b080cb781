#pragma once
// The printed candlestick page's price area: the printer's scale taken from
// the price pane's, so that x and y mean on paper what they mean on the
// screen, with a margin of a tenth of the width on either side and room
// above and below the prices.  The drawers that also print put the vertical
// scale back from SavedScaleHeight and SavedScaleTop after each change.
#include "chart/window/chart_window_state.h"
#include "platform/surface/surface.h"

namespace ranvik {

void SetPrinterPriceScale(ChartWindowState& fields, const Surface& pricePane, Surface& printer);

}  // namespace ranvik
