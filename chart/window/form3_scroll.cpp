// The chart window's scroll bar, zoom slider and display menu.
#include "chart/window/form3.h"

#include <QScrollBar>
#include <QSlider>

#include "chart/drawing/chart_setup.h"
#include "chart/drawing/redraw.h"
#include "chart/window/scroll_mapping.h"
#include "core/program_state.h"

namespace ranvik {

// The first shown record follows the value at once and the chart is drawn
// before the handler returns, without letting other events run in between:
// a scroll event arriving meanwhile could close the window under the redraw.
// Each change draws, so the chart shown always matches the last value.
void Form3::HScroll1_Change() {
    auto& f = fields_;
    // The set-up empties DataFileName while it moves the scroll bar itself.
    if (f.DataFileName.empty() || f.DataFileName != f.ShownFileName) return;
    const bool monthlyFromDaily = f.IsDaily == kTrue && Check8.Value() == 1 && Check1.Value() == 1;
    f.FirstRecord =
        FirstRecordForScroll(HScroll1->value(), f.RecordCount, monthlyFromDaily, Item("mnuGamen比", 5).Checked());
    RedrawChart(*this);
    // The main window's cursor keys step through the stock list again.
    FocusToolbarStrip();
}

// Dragging the scroll box changes the value as the box moves, and every
// change already runs HScroll1_Change; the drag event itself adds nothing.
void Form3::HScroll1_Scroll() { HScroll1_Change(); }

void Form3::Slider1_Scroll() {
    auto& f = fields_;
    f.PartialViewWidth = static_cast<std::int16_t>(Slider1->value());
    f.ViewWidth = f.PartialViewWidth;
    if (f.DataFileName.empty()) return;
    f.CompareRestart = kTrue;
    ShowChart(*this);
}

void Form3::mnu表示ボタン_Click(int index) {
    const auto& f = fields_;
    switch (index) {
        case 1:
        case 2:
            // A list stock not fetched yet is fetched first; the update draws it.
            if (f.StockSource == 1 || Program().collection.WebDataFetched != 0) {
                if (index == 1) ShowPartialView(*this);
                else ShowFullView(*this);
            } else {
                UpdateFromWeb();
            }
            return;
        case 3: ZoomIn1(*this); return;
        case 4: ZoomIn2(*this); return;
        case 5: ZoomOut1(*this); return;
        case 6: ZoomOut2(*this); return;
        default: return;
    }
}

}  // namespace ranvik
