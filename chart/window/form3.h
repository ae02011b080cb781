#pragma once
// The chart window Form3: one stock inside the main window, drawn in its
// panes.  One class over several files by concern:
//   form3.cpp           its controls and what the drawing routines use of it
//   form3_menus.cpp     its menu bar and the shell's menu handlers
//   form3_load.cpp      load, activation, title blink, company window, unload
//   form3_resize.cpp    pane layout, the command-line file, the pane layout menu
//   form3_scroll.cpp    scroll bar, zoom slider, display menu
//   form3_requests.cpp  the main window's load requests
//   form3_web_update.cpp  a list stock fetched from the web, the page download
//   form3_kind_boxes.cpp  the chart kind and display option boxes
//   form3_price_mouse.cpp  the price pane's clicks and explanation balloons
//   form3_indicators.cpp  the indicator menu and its group resets
//   form3_panes.cpp     the yearly-candle and price-band panes' mouse
//   form3_indicator_mouse.cpp  the indicator pane's mouse
//   form3_floating_panels.cpp  the panels' close button, dragging panels
//   form3_main_bar.cpp  the main window's caption colours, enabled state and
//                       the screen pointer, as the drawers set them
//   form3_sync.cpp      the main window showing this window: caption, tabs,
//                       toolbar and the quick parameter bar's contents
//   form3_param_panel.cpp  the quick parameter bar's states and unit marks
//   form3_commands.cpp  the commands other windows send through CommCheck
// Its fields are ChartWindowState; the set-up, redraw and drawers (chart/
// drawing) run on it as their ChartHost.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "chart/drawing/chart_host.h"
#include "chart/window/chart_window_state.h"
#include "core/child_form.h"

class QComboBox;
class QEvent;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
class QSlider;
class QTimer;

namespace ranvik {

class ControlDrag;
class InternetTransfer;
class LabelButton;
class PageDownloadWindow;
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
    // form3_sync.cpp: makes the main window show this window (caption,
    // window tabs and ActiveWindowNo, toolbar, quick parameter bar); then the
    // box goes back to 0.
    void Activate10_Click();
    void CommCheck_Click();
    // form3_commands.cpp: one command code carried out.
    void RunChartCommand(int code);
    void TakeFirstQuickValues();
    void TakeOverlayPeriods();
    // The print settings window's view of the window.
    int ChartKindBox() const override { return CheckValue(1); }
    bool LoadPending() const override { return BlinkRunning(); }
    std::string TitleStrip() const override;
    void SetCommCheck(int value) override { CommCheck.SetValue(value); }
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

    // The web update's page download (form3_web_update.cpp).  The window's
    // own transfer control; one page into a file (NetFailed 0 once it came,
    // else message 700 or 701); the states the control reports, shown in the
    // title and as the progress mark while the blink runs; the progress bar
    // Picture10 as its drawing surface.
    InternetTransfer* Inet1 = nullptr;
    void NetRead(const std::string& nAddr, const std::string& sArea);
    void Inet1_StateChanged(int state);
    virtual Surface& ProgressBar();

    // Pane layout.
    void Form_Resize();
    // The data file named on the command line, which the first resize sends
    // here through the event loop.
    void OpenCommandLineFile();
    void mnuGamen比_Click(int index);
    void Picture1_DblClick();
    void Picture3_DblClick();

    // The floating yearly-candle pane and the price-band volume pane
    // (buttons 1 left, 2 right, 4 middle; x and y in the pane's scale).
    void Picture4_MouseUp(int button, int shift, double x, double y);
    void Picture5_MouseUp(int button, int shift, double x, double y);

    // The indicator pane's mouse and the floating panels.  Buttons 1 left,
    // 2 right, 4 middle (held buttons in a move); x and y in the pane's
    // scale, twips inside a panel; a drop's x and y in the receiver's own.
    void Picture3_Click();
    void Picture3_MouseDown(int button, int shift, double x, double y);
    void Picture3_MouseUp(int button, int shift, double x, double y);
    void Picture3_MouseMove(int button, int shift, double x, double y);
    void Picture4_MouseDown(int button, int shift, double x, double y);
    void Picture4_MouseMove(int button, int shift, double x, double y);
    void Picture5_MouseMove(int button, int shift, double x, double y);
    void Image1_MouseMove();
    void Image2_MouseDown();
    void Image2_MouseUp();
    void Image3_MouseMove();
    void Image4_MouseDown();
    void Image4_MouseUp();
    void Frame1_MouseMove();
    void Frame3_MouseMove();
    void Frame1_MouseDown(int button, int shift, double x, double y);
    void Frame3_MouseDown(int button, int shift, double x, double y);
    void Picture1_DragDrop(QWidget* source, double x, double y);
    void Frame1_DragDrop(QWidget* source, double x, double y);
    void Frame3_DragDrop(QWidget* source, double x, double y);
    void Picture4_DragDrop(QWidget* source, double x, double y);
    ControlDrag* PanelDrag() const { return panelDrag_; }
    QLabel* Label15 = nullptr;      // the oscillator's explanation, in the indicator pane
    LabelButton* Image1 = nullptr;  // the zoom-slider panel's close button
    LabelButton* Image2 = nullptr;  // ... highlighted, in front while the mouse is over it
    LabelButton* Image3 = nullptr;  // the year-selection panel's pair, never shown
    LabelButton* Image4 = nullptr;

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
    void mnuSelToolItem_Click(int index);
    void mnuPrt_Click();
    void mnuChartItem_Click(int index);
    void mnuMisc_Click(int index);
    void mnuChart上下_Click();
    // form3_split_menu.cpp: the split correction on or off for this window.
    void mnuHosei_Click();

    // Chart kinds and display options: each box's handler runs whenever its
    // value changes (form3_kind_boxes.cpp).
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check6_Click();
    void Check7_Click();
    void Check8_Click();
    void Check9_Click();
    void Check10_Click();
    void Check11_Click();
    void Check12_Click();
    // A whole menu of the bar by its name ("mnuSetView", "mnuSetView2").
    bool MenuEnabled(const std::string& name) const;
    void SetMenuEnabled(const std::string& name, bool enabled);

    // The indicator menu 指標 (form3_indicators.cpp).  The single items act
    // on their element 1 whatever index they get; index 3 of 陰陽足, 三日平均線
    // and ピボット is the group reset's call, which neither synchronises the
    // parameter bar nor redraws.
    void mnuIdouHeikin_Click(int index);
    void mnu一目_Click(int index);
    void mnu一目雲のみ_Click(int index);
    void mnuボリンジャ_Click(int index);
    void mnuEnvelope_Click(int index);
    void mnuHLband_Click(int index);
    void mnuBBdaikin_Click(int index);
    void mnu陰陽足_Click(int index);
    void mnuPibott_Click(int index);
    void mnu3Days_Click(int index);
    void mnuParabolic_Click(int index);
    void mnuKagiAshi_Click(int index);
    void mnu線形回帰_Click(int index);
    void mnuKairiRitsu_Click(int index);
    void mnu2LineKairiRitsu_Click(int index);
    void mnuPerOscillator_Click(int index);
    void mnuモメンタム_Click(int index);
    void mnuRSI_Click(int index);
    void mnuRCI_Click(int index);
    void mnuストキャス_Click(int index);
    void mnuMACD_Click(int index);
    void mnuVector_Click(int index);
    void mnuOBV_Click(int index);
    void mnuDekidaka_Click(int index);
    void mnuDekiIdou_Click(int index);
    void mnuSinyouBB_Click(int index);
    void mnuVolRate_Click(int index);
    void mnuPSY_Click(int index);
    // The menu 指標 itself, which the panes open as a popup on a right click.
    QMenu* IndicatorMenu() const { return indicatorMenu_; }
    // Run by the window closed last, too.
    void ResetOverlayIndicators();
    void ResetOscillatorIndicators();
    void ResetVolumeIndicators();

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
    // The current printer's page while the window prints.
    Surface* PrintPage() override;
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
    void ShowNoData() override;
    void StartBlink();
    void SetMainWindowCaption(const std::string& caption) override;
    void SetWindowCaption(const std::string& caption) override;
    std::string MainBoxText(int textNo) const override;
    void SetMainBoxText(int textNo, const std::string& text) override;
    void SetMainBoxEnabled(int textNo, bool enabled) override;
    BoxPlace MainBoxPlace(int textNo) const override;
    void SetMainLabel(int labelNo, const std::string& caption, Color color) override;
    void SetMainLabelEnabled(int labelNo, bool enabled) override;
    // form3_main_bar.cpp: the main window as the indicator pane changes it.
    void SetMainLabelColor(int labelNo, Color color) override;
    void SetMainWindowEnabled(bool enabled) override;
    void SetScreenPointer(int pointer) override;
    // form3_param_panel.cpp: the quick bar follows this window's kind and
    // indicators.
    void DimMacdParams() override;
    void SetWindowTab(int windowNo, const std::string& caption, const std::string& toolTip) override;
    void SetToolbarButtonEnabled(const std::string& key, bool enabled) override;
    void FocusToolbarStrip() override;
    void SyncParamPanel() override;
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
    HiddenCheckBox* CheckBox(int number) override;
    const HiddenCheckBox* CheckBox(int number) const;
    HiddenCheckBox* CommandBox() override { return &CommCheck; }

    // The crosshair and the bar read-out.  X and Y in the pane's scale; -2000
    // draws no line in that direction.
    void Picture1_MouseMove(int button, int shift, double x, double y);
    void DelLine();

    // The price pane's buttons and keys (form3_price_mouse.cpp): the 指標
    // popup, the vertical topics switch, the explanation balloon while a
    // button is held, the volume-area switch on a double click.  Buttons 1
    // left, 2 right, 4 middle; x and y in the pane's scale.
    void Picture1_MouseDown(int button, int shift, double x, double y);
    void Picture1_MouseUp(int button, int shift, double x, double y);
    void Picture1_KeyDown(int keyCode, int shift);
    // The topics items: index 1 horizontal, 2 vertical; never both checked.
    void mnuTopicsDisp_Click(int index);
    // What the legend box Picture8 is drawn on.
    virtual Surface& LegendBox();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void BuildChartMenus(QMenuBar* bar, QMenu* view);
    void BuildIndicatorMenu(QMenuBar* bar);
    void ConnectKindBoxes();
    // Steps the kind handlers share.
    void RestoreIndicatorPane();
    void ExcludeOtherKinds(int self, bool newPriceBars = false);
    void TakeIndicatorSpace();
    void GiveIndicatorSpaceBack();
    void SetDisplayButtons(const char* pattern);
    void TestExchangeRate();
    void SignalMainWindow();
    void DrawNewKind();
    void SetToolbarButtonValue(const std::string& key, int value);
    void LeaveComparisonLayout(bool yearly);
    void EnterNewPriceBarMode();
    void LeaveNewPriceBarMode();
    // Indicator menu steps.
    void ClickAverageCandles(const char* item, const char* caption, int index);
    void ClickGrouped(const std::string& item, bool overlay, const std::function<void()>& on,
                      const std::function<void()>& off);
    void ClickIndependent(const std::string& item, int element, const std::function<void()>& on,
                          const std::function<void()>& off);
    void ClickVolumeIndicator(const std::string& item, int element);
    void ClickPeriodOscillator(const std::string& item, const char* caption, bool sync);
    void OverlayTail(bool sync);
    void PrintUnitOnQuickBar(int textNo);
    // The main window's synchronisation: the quick bar filled for the chart
    // kind, a unit mark right of a box in the bar's current fore colour, a
    // kind button pressed with the others of its group released.
    void FillQuickBar();
    void FillQuickBarForCandles();
    void PrintMarkAfter(int textNo, std::string_view text);
    void PressKindButton(const std::string& key);
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
    // The transfer control and what the page download shows of the window.
    void BuildPageDownload();
    PageDownloadWindow* pageDownload_ = nullptr;

    QWidget* PaneWidget(Pane pane) const;
    // Opens the data file and draws the yearly candles; nothing without a
    // stock.
    void RedrawYearCandles();
    // A button released on the yearly-candle or price-band pane.
    bool PaneMouseUp(QObject* watched, QEvent* event);
    // The indicator pane and the floating panels.
    void BuildIndicatorPaneControls();
    void BuildPanelControls();
    bool IndicatorPaneEvent(QObject* watched, QEvent* event);
    bool PanelEvent(QObject* watched, QEvent* event);
    // Puts the dragged control's grabbed point at (x, y) of the price pane's
    // scale.
    void PlaceDropped(QWidget* source, double x, double y);
    // A drop on a panel or the yearly-candle pane at (x, y), twips inside it.
    void DropOnPanel(QWidget* panel, QWidget* source, double x, double y);
    void YearPaneWidthStep(double x);
    void YearPaneHeightStep(double y);
    ControlDrag* panelDrag_ = nullptr;
    // The press of a double click on the indicator pane: its release is no
    // click.
    bool indicatorDblClicked_ = false;
    // The command-line file waits for the event loop.
    bool commandLineQueued_ = false;

    // Mouse moves over the panes, the read-out panel, the labels above the
    // chart and the window's background.
    void InstallMouseMoves();
    // Label20 as wide as its caption, whoever set it, as the chart set-up
    // sizes it: the chart kinds' period captions outgrow the design width.
    void FitInformationLabel();
    void PaneMouseMove(QObject* watched, QEvent* event);
    // True when the point (the window's own pixels) lies on no control.
    bool OverBackground(QPointF at) const;
    void PrintReadout(double x);
    // Mouse buttons, double clicks and keys on the price pane.
    bool PricePaneEvent(QObject* watched, QEvent* event);

    ChartWindowState fields_;
    std::map<int, QLabel*> labels_;
    // The quick parameter bar's stand-in while no main window holds one.
    ScreenSurface* ownQuickBar_ = nullptr;
    bool pointerShown_ = false;  // an override cursor of SetScreenPointer in force
    QMenu* indicatorMenu_ = nullptr;
    // A resize while minimized is made up for once, at the restore.
    bool resizeOnRestore_ = false;
};

// The background colour index a settings value gives: a number rounded to
// a whole one, 0 for an empty value, a text or anything outside 0 to 6.
int ColourIndexOf(const std::string& value);

// Makes the window management create Form3 for its chart windows.
void InstallChartWindowMaker();

}  // namespace ranvik
