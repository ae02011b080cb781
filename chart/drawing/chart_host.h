#pragma once
// What the set-up, redraw and drawing routines use of their chart window.
// They are the window's own operations (ShowChart, RedrawChart, the zoom
// steps, the drawers), written apart from it so that they draw through the
// surface and read the window's fields without knowing its widgets.  The
// chart window Form3 is the host; a test may put recording surfaces behind
// its panes.  Later drawers add what they need here.
#include <string>

#include "chart/window/chart_window_state.h"
#include "core/menu_set.h"
#include "platform/surface/surface.h"

class QLabel;
class QScrollBar;

namespace ranvik {

class ChartHost {
public:
    virtual ~ChartHost() = default;

    virtual ChartWindowState& Fields() = 0;
    // Picture1, the price pane with the volume area below the prices, and
    // Picture3, the indicator pane.
    virtual Surface& PricePane() = 0;
    virtual Surface& IndicatorPane() = 0;
    // HScroll1.  A change of its value runs the window's scroll handler at
    // once, which draws only while DataFileName equals ShownFileName: the
    // routines that set the range empty DataFileName meanwhile.
    virtual QScrollBar& ScrollBar() = 0;
    // The chart kind and option boxes Check1 to Check12: 0 or 1.
    virtual int CheckValue(int box) const = 0;
    virtual MenuItem Item(const std::string& array, int index) const = 0;
    // The window's labels by number: 1 title, 10 web price, 12 title of the
    // chart drawn last, 14 price tag, 20 chart information, 21 date range.
    virtual QLabel& LabelNo(int number) = 0;
    // Timer1, the title blink: running while a load is pending.  Stopping it
    // leaves the title in RGB(0,120,255).
    virtual bool BlinkRunning() const = 0;
    virtual void StopBlink() = 0;
    // The main window's toolbar buttons by key, and its keyboard focus
    // target (the toolbar strip, when visible).
    virtual void SetToolbarButtonEnabled(const std::string& key, bool enabled) = 0;
    virtual void FocusToolbarStrip() = 0;
};

}  // namespace ranvik
