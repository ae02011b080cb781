// The printer's price-area scale taken from the price pane's.
#include "chart/drawing/print_scale.h"

#include <gtest/gtest.h>

#include "platform/surface/recording_surface.h"

namespace ranvik {
namespace {

TEST(PrintScale, PrinterScaleFollowsThePricePane) {
    struct Case {
        double top;
        double bottom;  // the pane's bottom, volume area included
    };
    for (const Case c : {Case{1200, 800}, Case{800, 1200}}) {  // upright, inverted
        RecordingSurface price(9000, 4000);
        RecordingSurface printer(16000, 11000);
        ASSERT_TRUE(price.Scale(0, c.top, 903, c.bottom));
        ChartWindowState f;
        SetPrinterPriceScale(f, price, printer);
        const double h = c.bottom - c.top;
        EXPECT_DOUBLE_EQ(printer.ScaleLeft(), -90.3);
        EXPECT_DOUBLE_EQ(printer.ScaleWidth(), 1.2 * 903);
        EXPECT_DOUBLE_EQ(printer.ScaleTop(), c.top - 0.33 * h / 2);
        EXPECT_DOUBLE_EQ(printer.ScaleHeight(), 0.33 * h / 2 * 2.37 + 1.1 * h);
        EXPECT_EQ(f.SavedScaleHeight, printer.ScaleHeight());
        EXPECT_EQ(f.SavedScaleTop, static_cast<float>(printer.ScaleTop()));
    }
}

}  // namespace
}  // namespace ranvik
