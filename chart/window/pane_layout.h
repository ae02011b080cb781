#pragma once
// Where the chart window's panes go when its size changes, in twips: the
// price pane keeps its left and top and takes the width and height the
// window leaves, the indicator pane and the scroll bar follow below it, the
// price-band volume pane stands right of the price pane and the bar read-out
// panel spans the window.  A window of 2670 twips or lower keeps its pane
// heights; from system version 6 on the panes leave room for the wider
// window frames.
namespace ranvik {

struct PaneLayoutInput {
    int formWidth = 0;   // the window's outer size
    int formHeight = 0;
    int osMajorVersion = 0;
    int pricePaneLeft = 0;
    int pricePaneTop = 0;
    int pricePaneHeight = 0;  // now
    int indicatorPaneHeight = 0;
    int scrollBarHeight = 0;
    bool indicatorPaneShown = true;  // pane layout item 3 checked
    bool candleChart = true;         // Check1 is 1
    bool priceBandShown = false;     // Picture5 visible
    int priceBandWidth = 0;
    bool wholeFileShown = false;   // ChartShown 1 and ViewWidthMax not above ViewWidth
    bool pricePaneAlone = false;   // reverse watch, point and figure, three-line break
};

struct PaneLayout {
    int pricePaneWidth = 0;
    int pricePaneHeight = 0;
    int priceBandLeft = 0;
    int indicatorPaneWidth = 0;
    int indicatorPaneTop = 0;
    int scrollBarTop = 0;
    int scrollBarWidth = 0;
    int readOutLeft = 0;
    int readOutWidth = 0;
    // The price pane's height before the kinds that draw on it alone took
    // the indicator pane's room (SavedPricePaneHeight); only for those kinds.
    bool savesPricePaneHeight = false;
    int savedPricePaneHeight = 0;
    friend bool operator==(const PaneLayout&, const PaneLayout&) = default;
};

PaneLayout LayOutPanes(const PaneLayoutInput& in);

}  // namespace ranvik
