// Form7's controls at their design places, its load and its unload.
#include "company/form7.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTimer>

#include "company/form7_design.h"
#include "core/list_pane.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/values.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/chart_control.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/twips.h"

namespace ranvik {

using namespace form7_design;

namespace {

QGroupBox* NewFrame(QWidget* parent, const char* name, const char* caption, int width, int height) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setObjectName(name);
    MoveTwips(frame, kFrame1Left, 0, width, height);
    return frame;
}

ChartControl* NewChart(QWidget* parent, int no, ChartKind kind, int rows, const char* title) {
    auto* chart = new ChartControl(parent);
    chart->setObjectName(QString("MSChart%1").arg(no));
    chart->SetKind(kind);
    chart->SetRowCount(rows);
    chart->SetColumnCount(5);
    chart->SetTitle(title);
    return chart;
}

// The design's labels of the rows that the readers leave alone.
void SetDesignRowLabels(ChartControl* chart, std::initializer_list<const char*> labels, int firstRow) {
    int row = firstRow;
    for (const char* label : labels) {
        chart->SetRow(row++);
        chart->SetRowLabel(label);
    }
    chart->SetRow(1);
}

}  // namespace

Form7::Form7(QWidget* parent) : ChildForm(parent) {
    setObjectName("Form7");
    setWindowTitle("会社の業績");
    resize(TwipsToPixels(13110), TwipsToPixels(9000));
    BuildControls();
}

Form7::~Form7() = default;

void Form7::BuildControls() {
    // The progress text of a download is printed on the window itself, so
    // the surface lies behind every control.
    Surface = new ScreenSurface(this);
    Surface->setObjectName("Form7Surface");
    Surface->setGeometry(rect());
    Surface->lower();

    Label17 = new QLabel(this);
    Label17->setObjectName("Label17");
    MoveTwips(Label17, kTitleLeft, kTitleTop, 3000, kTitleHeight);
    Label18 = new QLabel(this);
    Label18->setObjectName("Label18");
    MoveTwips(Label18, kTitleLeft + 3100, kTitleTop, 5000, kTitleHeight);

    Timer3 = new QTimer(this);
    Timer3->setInterval(500);
    connect(Timer3, &QTimer::timeout, this, [this] { Timer3_Timer(); });

    Frame1 = NewFrame(this, "Frame1", "投 資 指 標", kFrame1Width, kFrame1Height);
    Frame2 = NewFrame(this, "Frame2", "中 間 投 資 指 標", kFrame2Width, kFrame2Height);
    Frame3 = NewFrame(this, "Frame3", "参考投資指標", kFrame3Width, kFrame3Height);
    BuildPanelLabels();

    // Money in bars, period by period; the equity ratio as a line across
    // the periods; the margins as one bar per period, named in the legend.
    MSChart[1] = NewChart(this, 1, ChartKind::Bars, 4, "損益計算書 ");
    SetDesignRowLabels(MSChart[1], {"営業利益", "経常利益", "当期利益"}, 2);
    MSChart[2] = NewChart(this, 2, ChartKind::Lines, 1, "自己資本比率 (％)");
    SetDesignRowLabels(MSChart[2], {"自己資本比率"}, 1);
    MSChart[3] = NewChart(this, 3, ChartKind::Bars, 2, "貸借対照表 ");
    SetDesignRowLabels(MSChart[3], {"総資産", "純資産"}, 1);
    MSChart[4] = NewChart(this, 4, ChartKind::Bars, 4, "中間損益計算書 ");
    SetDesignRowLabels(MSChart[4], {"営業利益", "経常利益", "当期利益"}, 2);
    MSChart[5] = NewChart(this, 5, ChartKind::Bars, 1, "営業利益率 (％)");
    MoveTwips(MSChart[1], kChartLeft, kChartTop, kChart1Width, kChartHeight);
    MoveTwips(MSChart[3], kChartLeft + kChart1Width, kChartTop, kChart3Width, kChartHeight);
    MoveTwips(MSChart[5], kChartLeft + kChart1Width + kChart3Width, kChartTop, kChart5Width, kChartHeight);
    MoveTwips(MSChart[2], kChartLeft, kChartTop + kChartHeight, kChart2Width, kLowerChartHeight);
    MoveTwips(MSChart[4], kChartLeft + kChart2Width, kChartTop + kChartHeight, kChart4Width, kLowerChartHeight);

    MSFGrid1 = new FlexGrid(this);
    MSFGrid1->setObjectName("MSFGrid1");
    MSFGrid1->SetCols(6);
    MSFGrid1->SetRows(11);
    MoveTwips(MSFGrid1, kChartLeft + kChart2Width + kChart4Width, kChartTop + kChartHeight, kGridWidth, kGridHeight);

    // Nothing is shown until the readers have read a company.
    HideDisplay();
}

bool Form7::Maximized() const {
    const QMdiSubWindow* frame = Frame();
    return frame != nullptr ? frame->isMaximized() : isMaximized();
}

bool Form7::Minimized() const {
    const QMdiSubWindow* frame = Frame();
    return frame != nullptr ? frame->isMinimized() : isMinimized();
}

std::string Form7::StockTitle(const std::string& name) const {
    std::string title = fields_.MarketLabel;
    title.append(name);
    title.append(fields_.RequestUnitText);
    return title;
}

void Form7::HideDisplay() {
    for (int no = 1; no <= 5; ++no) MSChart[no]->hide();
    for (QGroupBox* frame : {Frame1, Frame2, Frame3}) frame->hide();
    MSFGrid1->hide();
}

void Form7::SwitchMenuItems(bool load) {
    auto& windows = Program().windows;
    MDIForm1* main = windows.MainForm;
    if (main != nullptr) main->Item("mnuGyouEnd", 1).SetEnabled(load);
    if (!load) {
        Program().selection.CurrentName.clear();
        fields_.SelectedName.clear();
        Timer3->stop();
    }
    if (main != nullptr) {
        for (int i = 0; i <= 3; ++i) main->Item("mnuWinItem", i).SetEnabled(load);
        main->Item("mnuWinItem", 6).SetVisible(load);
    }
    for (int no = 1; no <= 3; ++no) {
        if (ChartWindowBase* w = windows.ChartWindow(no)) w->Item("mnuWinItem", 6).SetVisible(load);
    }
    if (main != nullptr && main->Item("mnuWinItem", 5).Visible() && windows.MaintenanceWindow != nullptr) {
        windows.MaintenanceWindow->Item("mnuWinItem", 9).SetVisible(load);
    }
    // The results-data items: shown at load in administrator mode only
    // (load step 7), hidden at unload whatever the mode.
    if (!load) {
        if (main != nullptr) main->Item("mnu会社Item", 1).SetVisible(false);
        if (windows.ChartWindow1 != nullptr) windows.ChartWindow1->Item("mnu会社Item", 1).SetVisible(false);
    }
}

void Form7::Form_Load() {
    auto& f = fields_;
    auto& selection = Program().selection;
    auto& download = Program().download;
    const auto& app = Program().app;
    Program().windows.CompanyInfoWindow = this;
    MDIForm1* main = Program().windows.MainForm;
    // 1.
    SwitchMenuItems(true);
    f.LoadPending = kTrue;
    // 2.
    download.PageFile1 = app.AppDir + "株HTML.htm";
    download.PageFile2 = app.AppDir + "株HTML2.htm";
    download.PageFile3 = app.AppDir + "株HTML3.htm";
    // 3. A name shorter than its prefix becomes empty.
    if (Val(selection.CurrentCode) >= 1000) {
        f.RequestCode = selection.CurrentCode;
        f.RequestUnitText = selection.CurrentUnitText;
        f.MarketLabel.clear();
        std::string& name = selection.CurrentName;
        if (name.starts_with("<")) {
            f.MarketLabel = LeftChars(name, 4);
            name = MidChars(name, 5);
        } else if (name.starts_with("(")) {
            if (main != nullptr) GetMarketLabel(*main->MSFGrid1);
            f.MarketLabel = selection.MarketLabelText;
            name = MidChars(name, 4);
        } else {
            if (main != nullptr) GetMarketLabel(*main->MSF全Grid2);
            f.MarketLabel = selection.MarketLabelText;
        }
        f.SelectedName = name;
    }
    // 4.
    Label17->clear();
    Label18->clear();
    SetOpensMaximized(true);
    awaitingMaximize_ = true;
    // 5.
    f.ChartBaseSizes = {kChartHeight, kChart1Width, kChartHeight, kChart3Width,
                        kChartHeight, kChart4Width, kChartHeight, kChart5Width};
    // 6.
    MSFGrid1->SetColWidth(0, 1300);
    for (int c = 1; c <= 5; ++c) MSFGrid1->SetColWidth(c, 1100);
    // 7.
    if (app.AdminMode == kTrue) {
        if (main != nullptr) main->Item("mnu会社Item", 1).SetVisible(true);
        if (ChartWindowBase* chart1 = Program().windows.ChartWindow1) chart1->Item("mnu会社Item", 1).SetVisible(true);
    }
}

void Form7::Form_Unload() {
    auto& windows = Program().windows;
    SwitchMenuItems(false);
    if (windows.CompanyInfoWindow == this) windows.CompanyInfoWindow = nullptr;
    MDIForm1* main = windows.MainForm;
    if (main != nullptr && windows.ChartWindow1 == nullptr && windows.ChartWindow2 == nullptr &&
        windows.ChartWindow3 == nullptr) {
        main->SetToolbarButtonEnabled("窓ＬＲ", false);
        main->SetToolbarButtonEnabled("窓ＵＤ", false);
    }
}

void InstallCompanyWindowMaker() {
    Makers().companyWindow = [] { return new Form7; };
}

}  // namespace ranvik
