#pragma once
// The chart window Form3: one stock inside the main window, drawn in its
// panes.  One class over several files by concern:
//   form3.cpp           its controls and what the drawing routines use of it
//   form3_menus.cpp     its menu bar and the shell's menu handlers
//   form3_load.cpp      load, activation, title blink, company window, unload
//   form3_resize.cpp    pane layout, the command-line file, the pane layout menu
//   form3_scroll.cpp    scroll bar, zoom slider, display menu
//   form3_requests.cpp  the main window's load requests
//   form3_panes.cpp     the yearly-candle and price-band panes' clicks
// Its fields are ChartWindowState; the set-up, redraw and drawers (chart/
// drawing) run on it as their ChartHost.
#include <cstdint>
#include <map>
#include <string>

#include "chart/drawing/chart_host.h"
#include "chart/window/chart_window_state.h"
#include "core/child_form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSlider;
class QTimer;

namespace ranvik {

class ScreenSurface;

class Form3 : public ChartWindowBase, public ChartHost {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);
    ~Form3() override;

    ChartWindowState& Fields() override { return fields_; }
    const ChartWindowState& Fields() const { return fields_; }

    // Life cycle.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void Timer1_Timer();
    // Makes the main window show this window: caption, window tabs and
    // ActiveWindowNo; then the box goes back to 0.
    void Activate10_Click();
    void CommCheck_Click();
    // The data maintenance window has deleted RemovedDataFile: a window
    // showing it forgets it and waits for another load.
    void DropRemovedDataFile();
    void mnuEnd_Click();
    void ShowCompanyInfoWindow();

    // Load requests of the main window.
    void FG1Text6_Change() override;
    void SelectListStockFile();
    void ReloadChart();
    void SelectListStockForWeb();
    void UpdateFromWeb();

    // Pane layout.
    void Form_Resize();
    void mnuGamen比_Click(int index);
    void Picture1_DblClick();
    void Picture3_DblClick();

    // The floating yearly-candle pane and the price-band volume pane
    // (buttons 1 left, 2 right, 4 middle; x and y in the pane's scale).
    void Check7_Click();
    void Picture4_MouseUp(int button, int shift, double x, double y);
    void Picture5_MouseUp(int button, int shift, double x, double y);

    // Scrolling and zoom.
    void HScroll1_Change();
    void HScroll1_Scroll();
    void Slider1_Scroll();
    void mnu表示ボタン_Click(int index);

    // Menus.
    void mnuMadoClose_Click();
    void mnuWinItem_Click(int index);
    void mnuTool0_Click(int index);
    void mnuFuncExItem_Click(int index);
    void mnuHelpItem_Click(int index);
    void mnuColorItem_Click(int index);
    void mnu会社Item_Click(int index);
    void mnuChartItemeyc_Click(int index);

    // Background colour index 0 to 6 (colour number index + 1) on the window
    // and its panes.
    void SetBackgroundColour(int index);

    // What the drawing routines use.
    Surface& PricePane() override;
    Surface& IndicatorPane() override;
    Surface& YearPane() override;
    Surface& BandVolumePane() override;
    Surface& DataPanel() override;
    Surface& QuickBar() override;
    int PaneTop(Pane pane) const override;
    int PaneHeight(Pane pane) const override;
    bool PaneVisible(Pane pane) const override;
    void SetPaneTop(Pane pane, int top) override;
    void SetPaneHeight(Pane pane, int height) override;
    void SetPaneVisible(Pane pane, bool visible) override;
    void SetPaneToolTip(Pane pane, const std::string& text) override;
    int FormHeight() const override { return FormHeightTw(); }
    QScrollBar& ScrollBar() override;
    int CheckValue(int box) const override;
    MenuItem Item(const std::string& array, int index) const override { return ChildForm::Item(array, index); }
    QLabel& LabelNo(int number) override;
    bool BlinkRunning() const override;
    void StopBlink() override;
    void StartBlink();
    void SetMainWindowCaption(const std::string& caption) override;
    void SetWindowCaption(const std::string& caption) override;
    std::string MainBoxText(int textNo) const override;
    void SetMainBoxText(int textNo, const std::string& text) override;
    void SetMainBoxEnabled(int textNo, bool enabled) override;
    BoxPlace MainBoxPlace(int textNo) const override;
    void SetMainLabel(int labelNo, const std::string& caption, Color color) override;
    void SetMainLabelEnabled(int labelNo, bool enabled) override;
    void SetWindowTab(int windowNo, const std::string& caption, const std::string& toolTip) override;
    void SetToolbarButtonEnabled(const std::string& key, bool enabled) override;
    void FocusToolbarStrip() override;
    // The parameter panels follow the window once they are built.
    void SyncParamPanel() override {}
    // The other chart kinds (chart/kinds); file number 1 stays open for the
    // caller.
    void DrawStockCompare(ChartFile& file1) override;
    void DrawReverseWatch(ChartFile& file1) override;
    void DrawPointFigure(ChartFile& file1) override;
    void DrawYearCompare(ChartFile& file1) override;
    void DrawThreeLineBreak(ChartFile& file1) override;
    // The year-selection panel of the year-by-year comparison.
    void SetYearPanelVisible(bool visible) override;
    void ClearYearList() override;
    void AddYearToList(const std::string& year) override;
    void SetYearListText(const std::string& text) override;
    std::string YearListText() const override;
    void Combo1_Click();
    void Command1_Click();

    // Controls.
    QLabel* Label1 = nullptr;   // title strip
    QLabel* Label10 = nullptr;  // web price text
    QLabel* Label12 = nullptr;  // title of the chart drawn last (not shown)
    QLabel* Label14 = nullptr;  // price tag of the crosshair, in the price pane
    QLabel* Label16 = nullptr;  // explanation balloon's text
    QLabel* Label20 = nullptr;  // information of the chart kind
    QLabel* Label21 = nullptr;  // date range of the view
    ScreenSurface* Picture1 = nullptr;   // price pane, the volume area below the prices
    ScreenSurface* Picture3 = nullptr;   // indicator pane
    ScreenSurface* Picture4 = nullptr;   // floating yearly-candle pane
    ScreenSurface* Picture5 = nullptr;   // price-band volume pane
    ScreenSurface* Picture8 = nullptr;   // explanation balloon
    ScreenSurface* Picture10 = nullptr;  // download progress bar
    ScreenSurface* Picture11 = nullptr;  // bar read-out panel
    QScrollBar* HScroll1 = nullptr;
    QGroupBox* Frame1 = nullptr;  // zoom-slider panel
    QSlider* Slider1 = nullptr;
    QGroupBox* Frame3 = nullptr;  // year-selection panel
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
    QTimer* Timer1 = nullptr;  // title blink
    HiddenCheckBox CommCheck;
    HiddenCheckBox Activate10;
    // Chart kinds and display options (there is no box 5).
    HiddenCheckBox Check1, Check2, Check3, Check4, Check6, Check7, Check8, Check9, Check10, Check11, Check12;
    HiddenCheckBox* CheckBox(int number);
    const HiddenCheckBox* CheckBox(int number) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void TakeCommandLine();
    void WatchWindowStates();
    // The window's outer size in twips, frame included.
    int FormWidthTw() const;
    int FormHeightTw() const;
    bool Minimized() const;
    // Rows of the data-file and list-table grids that the chart drawn shows.
    void MarkFileRowShown();
    void MarkListRowShown();
    void ShowLabelsOfTheChartShown();
    // The web update found no rows: the title, and the price it read.
    void ShowTitleAndWebPrice();

    QWidget* PaneWidget(Pane pane) const;
    // Opens the data file and draws the yearly candles; nothing without a
    // stock.
    void RedrawYearCandles();
    // A button released on the yearly-candle or price-band pane.
    bool PaneMouseUp(QObject* watched, QEvent* event);

    ChartWindowState fields_;
    std::map<int, QLabel*> labels_;
    // The quick parameter bar's stand-in while no main window holds one.
    ScreenSurface* ownQuickBar_ = nullptr;
    // A resize while minimized is made up for once, at the restore.
    bool resizeOnRestore_ = false;
};

// The background colour index a settings value gives: a number rounded to
// a whole one, 0 for an empty value, a text or anything outside 0 to 6.
int ColourIndexOf(const std::string& value);

// Makes the window management create Form3 for its chart windows.
void InstallChartWindowMaker();

}  // namespace ranvik
