#include "chart/window/pane_layout.h"

namespace ranvik {

PaneLayout LayOutPanes(const PaneLayoutInput& in) {
    const bool wideFrames = in.osMajorVersion >= 6;
    PaneLayout out;
    // 1, 2.
    out.pricePaneWidth = in.formWidth - in.pricePaneLeft - 150;
    if (in.priceBandShown) out.pricePaneWidth -= in.priceBandWidth;
    if (wideFrames) out.pricePaneWidth -= 120;
    out.priceBandLeft = in.pricePaneLeft + out.pricePaneWidth;
    // 3.  The indicator pane takes its room below the price pane when it is
    // shown, and for every kind but the candlestick chart.
    const bool indicatorBelow = in.indicatorPaneShown || !in.candleChart;
    out.pricePaneHeight = in.pricePaneHeight;
    if (in.formHeight > 2670) {
        if (indicatorBelow) {
            const int h = in.formHeight - 700 - in.pricePaneTop - in.indicatorPaneHeight;
            if (h > 160) out.pricePaneHeight = h;
        } else {
            out.pricePaneHeight = in.formHeight - 700 - in.pricePaneTop;
        }
        if (wideFrames && out.pricePaneHeight > 150) out.pricePaneHeight -= 150;
        // Nothing to scroll: the hidden scroll bar's room goes to the prices.
        if (in.wholeFileShown) out.pricePaneHeight += in.scrollBarHeight;
    }
    // 4 to 7.
    out.indicatorPaneWidth = out.pricePaneWidth;
    out.indicatorPaneTop = in.pricePaneTop + out.pricePaneHeight + 10;
    out.scrollBarTop = indicatorBelow ? out.indicatorPaneTop + in.indicatorPaneHeight + 30
                                      : in.pricePaneTop + out.pricePaneHeight + 30;
    out.readOutLeft = 30;
    out.readOutWidth = in.formWidth - 30 - 150;
    out.scrollBarWidth = out.pricePaneWidth + 50;
    // 8.
    if (in.pricePaneAlone) {
        out.savesPricePaneHeight = true;
        out.savedPricePaneHeight = out.pricePaneHeight;
        out.pricePaneHeight += in.indicatorPaneHeight;
    }
    return out;
}

}  // namespace ranvik
