// The printer's scale of the printed price area.
#include "chart/drawing/print_scale.h"

namespace ranvik {

void SetPrinterPriceScale(ChartWindowState& f, const Surface& price, Surface& printer) {
    printer.SetScaleLeft(price.ScaleLeft() - 0.1 * price.ScaleWidth());
    printer.SetScaleWidth(1.2 * price.ScaleWidth());
    printer.SetScaleTop(price.ScaleTop() - 0.33 * price.ScaleHeight() / 2);
    printer.SetScaleHeight(0.33 * price.ScaleHeight() / 2 * 2.37 + 1.1 * price.ScaleHeight());
    f.SavedScaleHeight = printer.ScaleHeight();
    f.SavedScaleTop = static_cast<float>(printer.ScaleTop());
}

}  // namespace ranvik
