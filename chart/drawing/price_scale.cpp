#include "chart/drawing/price_scale.h"

namespace ranvik {

ScaleCorners PricePaneScale(const ChartWindowState& f) {
    if (f.InvertedChart == -1) return {0, f.PriceBottom, f.ViewWidth, f.PriceTop + f.VolumeAreaHeight};
    return {0, f.PriceTop, f.ViewWidth, f.PriceBottom - f.VolumeAreaHeight};
}

void ApplyPaneScales(const ChartWindowState& fields, Surface& pricePane, Surface& indicatorPane) {
    const ScaleCorners s = PricePaneScale(fields);
    pricePane.Scale(s.x1, s.y1, s.x2, s.y2);
    indicatorPane.SetScaleLeft(0);
    indicatorPane.SetScaleWidth(fields.ViewWidth);
}

}  // namespace ranvik
