#pragma once
// What the set-up, redraw and drawing routines use of their chart window.
// They are the window's own operations (ShowChart, RedrawChart, the zoom
// steps, the drawers), written apart from it so that they draw through the
// surface and read the window's fields without knowing its widgets.  The
// chart window Form3 is the host; a test puts recording surfaces behind its
// panes.  Later drawers add what they need here.
//
// Sizes and positions are twips, as the window lays its controls out.
#include <string>

#include "chart/window/chart_window_state.h"
#include "core/menu_set.h"
#include "platform/surface/surface.h"

class QLabel;
class QScrollBar;

namespace ranvik {

class ChartFile;

// The panes the view set-up places: Picture1, the price pane with the
// volume area below the prices; Picture3, the indicator pane; Picture4, the
// floating yearly-candle pane; Picture5, the price-band volume pane beside
// the prices.
enum class Pane { Price, Indicator, YearCandles, BandVolume };

// The paper of the print job: the printer's paper size code (9 A4, 11 A5,
// 13 B5, 43 Japanese postcard) and orientation (1 portrait, 2 landscape).
struct PaperSetting {
    int paperSize = 9;
    int orientation = 1;
};

class ChartHost {
public:
    virtual ~ChartHost() = default;

    virtual ChartWindowState& Fields() = 0;
    // Picture1 and Picture3.
    virtual Surface& PricePane() = 0;
    virtual Surface& IndicatorPane() = 0;
    // Picture4, which the yearly candles draw on.
    virtual Surface& YearPane() = 0;
    // Picture5, the price-band volume pane.
    virtual Surface& BandVolumePane() = 0;
    // Picture11, the bar read-out panel.
    virtual Surface& DataPanel() = 0;
    // The page of the print job in force, which the drawers that also print
    // draw on while PrintingNow is -1; none outside a print job.
    virtual Surface* PrintPage() { return nullptr; }
    // The paper the print job's page is on, which sizes printed texts.
    virtual PaperSetting PrintPaper() const { return {}; }
    // The main window's quick parameter bar (its Picture3), which the
    // drawers print period units on; in twips, never scaled.
    virtual Surface& QuickBar() = 0;

    virtual int PaneTop(Pane pane) const = 0;
    virtual int PaneHeight(Pane pane) const = 0;
    // The pane's own Visible property, whatever its window shows.
    virtual bool PaneVisible(Pane pane) const = 0;
    virtual void SetPaneTop(Pane pane, int top) = 0;
    virtual void SetPaneHeight(Pane pane, int height) = 0;
    virtual void SetPaneVisible(Pane pane, bool visible) = 0;
    virtual void SetPaneToolTip(Pane pane, const std::string& text) = 0;
    // The window's outer height, frame included.
    virtual int FormHeight() const = 0;

    // HScroll1.  A change of its value runs the window's scroll handler at
    // once, which draws only while DataFileName equals ShownFileName: the
    // routines that set the range empty DataFileName meanwhile.  Its Top and
    // Height are read and set in twips through platform/ui/twips.h.
    virtual QScrollBar& ScrollBar() = 0;
    // The chart kind and option boxes Check1 to Check12: 0 or 1.
    virtual int CheckValue(int box) const = 0;
    virtual MenuItem Item(const std::string& array, int index) const = 0;
    // The window's labels by number: 1 title, 5 and 6 the read-out's high
    // and low captions, 7 its change caption, 10 web price, 12 title of the
    // chart drawn last, 14 price tag, 20 chart information, 21 date range.
    virtual QLabel& LabelNo(int number) = 0;
    // Timer1, the title blink: running while a load is pending.  Stopping it
    // leaves the title in RGB(0,120,255).
    virtual bool BlinkRunning() const = 0;
    virtual void StopBlink() = 0;
    // The file to be shown had no bars (message 302): nothing of the chart
    // drawn before may stay on the window, which now names no stock.
    virtual void ShowNoData() {}

    // The main window: its caption, the tab of chart window `windowNo` (1 to
    // 3), its toolbar buttons by key, and its keyboard focus target (the
    // toolbar strip, when visible).
    virtual void SetMainWindowCaption(const std::string& caption) = 0;
    // The chart window's own caption, which names the period and overlays.
    virtual void SetWindowCaption(const std::string& caption) = 0;
    virtual void SetWindowTab(int windowNo, const std::string& caption, const std::string& toolTip) = 0;
    virtual void SetToolbarButtonEnabled(const std::string& key, bool enabled) = 0;
    virtual void FocusToolbarStrip() = 0;
    // The main window's text boxes by number: Text6 and Text8 of the quick
    // parameter bar, Text73 of the extended panel.  No box: empty, and a
    // text set is dropped.
    virtual std::string MainBoxText(int textNo) const = 0;
    virtual void SetMainBoxText(int textNo, const std::string& text) = 0;
    // Brings the quick parameter bar in line with this window's indicators.
    virtual void SyncParamPanel() = 0;

    // The volume-area indicators' part of the quick parameter bar: whether a
    // box takes input, where it lies on the bar (twips, for the period unit
    // printed beside it), and the caption, colour and state of a caption
    // label (Label6 names the volume indicator).  No box or label: nothing.
    struct BoxPlace {
        double left = 0;
        double top = 0;
        double width = 0;
    };
    virtual void SetMainBoxEnabled(int /*textNo*/, bool /*enabled*/) {}
    virtual BoxPlace MainBoxPlace(int /*textNo*/) const { return {}; }
    virtual void SetMainLabel(int /*labelNo*/, const std::string& /*caption*/, Color /*color*/) {}
    virtual void SetMainLabelEnabled(int /*labelNo*/, bool /*enabled*/) {}
    // The fore colour of a caption label alone, its caption kept.
    virtual void SetMainLabelColor(int /*labelNo*/, Color /*color*/) {}
    // Greys and disables the quick bar's MACD group.
    virtual void DimMacdParams() {}
    // The main window as a whole: disabled while a long computation runs, so
    // that no command reaches the chart window meanwhile.
    virtual void SetMainWindowEnabled(bool /*enabled*/) {}
    // The pointer over the whole screen, by the numbers of
    // platform/ui/pointers.h: 0 the default, 11 the hourglass.
    virtual void SetScreenPointer(int /*pointer*/) {}

    // The drawers of the other chart kinds.  Each draws from the data file
    // open as file number 1 and leaves it open; the restart fields
    // (CompareRestart, YearCompareRestart, PnfBoxSize 0) are set by the
    // caller before the call.
    virtual void DrawStockCompare(ChartFile& file1) = 0;
    virtual void DrawReverseWatch(ChartFile& file1) = 0;
    virtual void DrawPointFigure(ChartFile& file1) = 0;
    virtual void DrawYearCompare(ChartFile& file1) = 0;
    virtual void DrawThreeLineBreak(ChartFile& file1) = 0;

    // The year-selection panel Frame3 and its list Combo1, which the
    // year-by-year comparison shows and fills; picking a year in the list
    // draws that year, the panel's button sets the chart up again.
    virtual void SetYearPanelVisible(bool /*visible*/) {}
    virtual void ClearYearList() {}
    virtual void AddYearToList(const std::string& /*year*/) {}
    virtual void SetYearListText(const std::string& /*text*/) {}
    virtual std::string YearListText() const { return {}; }

    // The indicator pane of the chart in force, on screen or, while the
    // window prints, on the printed indicator band; file number 1 stays open.
    void gcv(ChartFile& file1);
    // The printed indicator band while the window prints: its scale and
    // MacdClipLevel, then gcv with PrintingNow -1.
    void prtgcv(ChartFile& file1);
};

}  // namespace ranvik
