#pragma once
// The coordinate system of the price pane: x from 0 at its left edge to
// ViewWidth at its right edge; y from PriceTop at the top to PriceBottom
// less the volume area at the bottom, so that the volume area lies below the
// prices, or on an inverted chart from PriceBottom at the top to PriceTop
// plus the volume area at the bottom.
#include "chart/window/chart_window_state.h"
#include "platform/surface/surface.h"

namespace ranvik {

struct ScaleCorners {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    friend bool operator==(const ScaleCorners&, const ScaleCorners&) = default;
};

ScaleCorners PricePaneScale(const ChartWindowState& fields);

// Gives the price pane its scale and the indicator pane the same width.  A
// range of no height (a price range not chosen yet) leaves the price pane's
// scale as it was.
void ApplyPaneScales(const ChartWindowState& fields, Surface& pricePane, Surface& indicatorPane);

}  // namespace ranvik
