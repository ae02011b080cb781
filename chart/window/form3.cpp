#include "chart/window/form3.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include "core/main_window.h"
#include "core/program_state.h"
#include "core/shared_menu_items.h"
#include "core/settings_file.h"
#include "core/splash.h"
#include "core/startup_checks.h"
#include "core/window_management.h"
#include "core/data_store.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/help_service.h"
#include "platform/runtime/process.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

const Color kActiveTab = RGB(255, 85, 80);
const Color kOpenTab = RGB(150, 55, 50);
const Color kHoneydew = RGB(240, 255, 240);
constexpr int kIndicatorPaneHeight = 1310;

MDIForm1* Main() { return Program().windows.MainForm; }

// Background colours 1 to 7 by index 0 to 6.
const Color kBackgrounds[7] = {RGB(240, 255, 240), RGB(50, 50, 50),    RGB(230, 230, 250), RGB(255, 255, 255),
                               RGB(175, 238, 238), RGB(255, 255, 224), RGB(245, 222, 179)};

}  // namespace

int ColourIndexOf(const std::string& value) {
    if (value.empty() || !IsNumeric(value)) return 0;
    const double index = RoundHalfEven(Val(value));
    return index < 0 || index > 6 ? 0 : static_cast<int>(index);
}

void Form3::SetBackgroundColour(int index) {
    // The chosen colour is the program's: the next window and the settings
    // file take it from BackColorIndex.
    Program().commands.BackColorIndex = static_cast<std::int16_t>(index);
    BackColorNo = static_cast<std::int16_t>(index + 1);
    SetBackColor(Picture1, kBackgrounds[index]);
    SetBackColor(Picture3, kBackgrounds[index]);
}

Form3::Form3(QWidget* parent) : ChartWindowBase(parent) {
    setObjectName("Form3");
    setMinimumSize(TwipsToPixels(3000), TwipsToPixels(2400));
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    SetForeColor(Label1, RGB(0, 120, 255));
    Picture1 = new QFrame(this);
    Picture1->setObjectName("Picture1");
    Picture1->setFrameShape(QFrame::Box);
    SetBackColor(Picture1, kHoneydew);
    Picture3 = new QFrame(this);
    Picture3->setObjectName("Picture3");
    Picture3->setFrameShape(QFrame::Box);
    SetBackColor(Picture3, kHoneydew);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    BuildMenus();
}

void Form3::BuildMenus() {
    QMenuBar* bar = EnsureMenuBar();
    QMenu* view = bar->addMenu("表示(&F)");
    MenuItemArray* tools = AddMenuArray(view, "mnuTool0");
    AddBarItems(*tools);
    connect(tools, &MenuItemArray::Click, this, [this](int i) { mnuTool0_Click(i); });
    view->addSeparator();

    QMenu* funcEx = view->addMenu("その他機能(&O)");
    MenuItemArray* funcExItems = AddMenuArray(funcEx, "mnuFuncExItem");
    AddFuncExItems(*funcExItems);
    for (int i = 0; i <= 8; ++i) funcExItems->SetVisible(i, i != 0 && i != 6 && i != 7);
    connect(funcExItems, &MenuItemArray::Click, this, [this](int i) { mnuFuncExItem_Click(i); });
    view->addSeparator();
    MenuItemArray* close = AddMenuArray(view, "mnuMadoClose");
    close->Add(1, "チャート表示窓を閉じる(&C)");
    connect(close, &MenuItemArray::Click, this, [this](int) { mnuMadoClose_Click(); });
    view->addSeparator();
    MenuItemArray* end = AddMenuArray(view, "mnuEnd");
    end->Add(1, "アプリケーション終了(&X)", "Ctrl+X");
    connect(end, &MenuItemArray::Click, this, [this](int) { mnuEnd_Click(); });

    QMenu* win = bar->addMenu("ｳｲﾝﾄﾞｳ(&W)");
    MenuItemArray* winItems = AddMenuArray(win, "mnuWinItem");
    const char* winCaptions[] = {"重ねて表示(&D)", "上下に並べて表示(&H)", "左右に並べて表示(&V)",
                                 "ｱｲｺﾝを整列(&I)", "-",                    "株価データ保守(&J)",
                                 "業績情報(&K)",   "-",                    "ﾁｬｰﾄ表示窓を追加(&C)"};
    for (int i = 0; i <= 8; ++i) winItems->Add(i, winCaptions[i]);
    for (int i : {3, 5, 6}) winItems->SetVisible(i, false);
    connect(winItems, &MenuItemArray::Click, this, [this](int i) { mnuWinItem_Click(i); });

    QMenu* help = bar->addMenu("ヘルプ(&H)");
    MenuItemArray* helpItems = AddMenuArray(help, "mnuHelpItem");
    helpItems->Add(0, "説明(&H)");
    helpItems->Add(1, "ﾌﾟﾛｸﾞﾗﾑ情報(&P)");
    connect(helpItems, &MenuItemArray::Click, this, [this](int i) { mnuHelpItem_Click(i); });
}

void Form3::resizeEvent(QResizeEvent* event) {
    ChartWindowBase::resizeEvent(event);
    const int width = WidthOf(this);
    const int height = HeightOf(this);
    MoveTwips(Label1, 60, 10, width - 120, 255);
    const int paneTop = TopOf(Label1) + HeightOf(Label1);
    const int scrollHeight = 255;
    const int indicatorTop = std::max(paneTop + 300, height - scrollHeight - kIndicatorPaneHeight - 30);
    MoveTwips(Picture1, 30, paneTop, width - 60, indicatorTop - paneTop - 15);
    MoveTwips(Picture3, 30, indicatorTop, width - 60, kIndicatorPaneHeight);
    MoveTwips(HScroll1, 30, indicatorTop + kIndicatorPaneHeight + 15, width - 60, scrollHeight);
}

void Form3::Form_Load() {
    auto& windows = Program().windows;
    // 1.
    ChartShown = 0;
    PeriodUnit.clear();
    ClipLevelH = 100;
    ClipLevelL = 0;
    BackColorNo = 1;
    BandVolumeScale = 8;
    WindowNo = windows.NewWindowNo;
    VolumeAreaRatio = 7;
    // 2. Its tab shows it as the active window.
    if (MDIForm1* main = Main()) {
        if (QLabel* tab = main->WindowTab(WindowNo)) {
            SetBackColor(tab, kActiveTab);
            windows.ActiveWindowNo = WindowNo;
        }
    }
    // 3.
    StockSource = 1;
    PrintingNow = 0;
    // 4. Marks kept in the settings file, and the background colour.
    const auto& app = Program().app;
    int colour = 0;
    if (FileExistsIn(std::string(kSettingsFileName), app.AppDir) == 1) {
        ReadIniValue("mnuColorItem=");
        colour = ColourIndexOf(Program().settings.IniValue);
        const char* keys[] = {"FixAMT=", "PrinterDate=", "mnuChartExplain=", "CrossKabuka="};
        for (int i = 0; i < 4; ++i) {
            ReadIniValue(keys[i]);
            Item("mnuFuncExItem", 2 + i).SetChecked(Program().settings.IniValue == "1");
        }
    }
    SetBackgroundColour(colour);
    // 5.
    if (app.AdminMode == kTrue) Item("mnuFuncExItem", 7).SetVisible(true);
    // 8.
    Label1->clear();
    DataFileName.clear();
    WebTempFileName.clear();
    CorrectedSourceName.clear();
    // 10, 11. Only window 1 takes a data file named on the command line;
    // the path comes in double quotes.
    CommandLineFile.clear();
    const std::string commandLine = CommandLine();
    if (!commandLine.empty() && windows.NewWindowNo == 1 && commandLine.size() >= 2) {
        const std::string path = commandLine.substr(1, commandLine.size() - 2);
        const auto slash = path.find_last_of("\\/");
        StockTitle = slash == std::string::npos ? path : path.substr(slash + 1);
        CommandLineFile = path;
    }
    // 14. Mirrors of the main window's menus.
    if (MDIForm1* main = Main()) {
        if (main->Item("mnuFuncExItem", 6).Checked()) Item("mnuFuncExItem", 6).SetChecked(true);
        if (main->Item("mnuWinItem", 5).Visible()) Item("mnuWinItem", 5).SetVisible(true);
        if (main->Item("mnuWinItem", 6).Visible()) Item("mnuWinItem", 6).SetVisible(true);
    }
    // 15.
    SetOpensMaximized(true);
}

void Form3::Form_Activate() {
    MDIForm1* main = Main();
    if (main == nullptr) return;
    for (int i = 0; i <= 4; ++i) Item("mnuTool0", i).SetChecked(main->Item("mnuFileItem", i).Checked());
    Activate10_Click();
}

void Form3::Activate10_Click() {
    MDIForm1* main = Main();
    if (main == nullptr) return;
    auto& windows = Program().windows;
    main->setWindowTitle(QString::fromStdString(Program().app.AppTitle + StockTitle));
    for (int no = 1; no <= 3; ++no) {
        if (windows.ChartWindow(no) == nullptr) continue;
        SetBackColor(main->WindowTab(no), no == WindowNo ? kActiveTab : kOpenTab);
    }
    windows.ActiveWindowNo = WindowNo;
}

void Form3::Form_Unload() {
    auto& windows = Program().windows;
    const auto& app = Program().app;
    // 2. This window's temporary files; one that cannot go is left.
    for (std::string* name : {&MonthlyFileName, &WebTempFileName, &CorrectedFileName}) {
        if (!name->empty()) DeleteFile(JoinPath(app.AppDir, *name));
        name->clear();
    }
    CorrectedSourceName.clear();
    // 3. The slot and its tab are free again.
    MDIForm1* main = Main();
    if (WindowNo >= 1 && WindowNo <= 3) {
        if (main != nullptr) {
            QLabel* tab = main->WindowTab(WindowNo);
            tab->clear();
            tab->setToolTip("");
            SetBackColor(tab, QBColor(11));
        }
        if (windows.ChartWindow(WindowNo) == this) windows.ChartWindow(WindowNo) = nullptr;
    }
    // 4. (the volume-average item comes with the indicator menus)
    if (main != nullptr) {
        // 5.
        main->setWindowTitle(QString::fromStdString(app.AppTitle));
        // 6. A window can be added again.
        main->SetToolbarButtonEnabled("窓", true);
        main->Item("mnuWinItem", 8).SetEnabled(true);
        for (int no = 1; no <= 3; ++no) {
            if (ChartWindowBase* other = windows.ChartWindow(no)) other->Item("mnuWinItem", 8).SetEnabled(true);
        }
        if (main->Item("mnuWinItem", 5).Visible() && windows.MaintenanceWindow != nullptr) {
            windows.MaintenanceWindow->Item("mnuWinItem", 11).SetEnabled(true);
        }
        // 7. The last chart window leaves the chart buttons nothing to act on.
        if (windows.ChartWindow1 == nullptr && windows.ChartWindow2 == nullptr && windows.ChartWindow3 == nullptr) {
            if (!Item("mnuWinItem", 6).Visible()) {
                main->SetToolbarButtonEnabled("窓ＬＲ", false);
                main->SetToolbarButtonEnabled("窓ＵＤ", false);
            }
            main->SetToolbarButtonsEnabled(5, 25, false);
            for (int label : {6, 10}) SetForeColor(main->QuickLabels[label], RGB(150, 150, 150));
            for (int box : {2, 6}) main->QuickBoxes[box]->setEnabled(false);
            main->Picture3->update();
        }
    }
    // 8.
    DataFileName.clear();
}

void Form3::mnuEnd_Click() {
    if (MDIForm1* main = Main()) main->close();
}

void Form3::mnuMadoClose_Click() {
    if (Frame() != nullptr) {
        Frame()->close();
    } else {
        close();
    }
}

void Form3::mnuWinItem_Click(int index) {
    if (index == 5 || index == 6) BringNeighbourWindowForward(index);
    else RunWindowMenu(static_cast<std::int16_t>(index));
}

void Form3::mnuTool0_Click(int index) {
    // The bars belong to the main window; its view item does the work and
    // sets the marks everywhere.
    if (MDIForm1* main = Main()) main->mnuFileItem_Click(index);
}

void Form3::mnuFuncExItem_Click(int index) {
    const MenuItem item = Item("mnuFuncExItem", index);
    if (item.Exists()) SetFuncExMenuChecked(static_cast<std::int16_t>(index), !item.Checked());
}

void Form3::mnuHelpItem_Click(int index) {
    if (index == 0) {
        MDIForm1* main = Main();
        const bool collecting = main != nullptr && !main->Picture11->isHidden();
        Help().ShowTopic(Program().app.HelpFilePath, collecting ? "Manual\\RanvikC8.html" : "Manual\\RanvikC5.html");
    } else if (index == 1) {
        ShowSplash();
    }
}

void InstallChartWindowMaker() {
    Makers().chartWindow = [] { return new Form3; };
}

}  // namespace ranvik
