// The chart window's menu bar and the handlers of its shell items: bars, extra functions, windows, company, help, colours.
#include "chart/window/form3.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMdiSubWindow>

#include "chart/drawing/redraw.h"
#include "chart/window/saved_page_browser.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "core/shared_menu_items.h"
#include "core/splash.h"
#include "core/window_management.h"
#include "platform/runtime/help_service.h"
#include "print/form6.h"

namespace ranvik {

namespace {

MDIForm1* Main() { return Program().windows.MainForm; }

}  // namespace

void Form3::BuildMenus() {
    QMenuBar* bar = EnsureMenuBar();
    QMenu* view = bar->addMenu("表示(&F)");
    view->menuAction()->setObjectName("mnu表示");
    MenuItemArray* display = AddMenuArray(view, "mnu表示ボタン");
    display->Add(1, "部分表示(&P)", "F7");
    display->Add(2, "全表示(&D)", "F8");
    display->Add(3, "徐々に拡大表示1(&J)");
    display->Add(4, "徐々に拡大表示2(&K)", "Shift+F5");
    display->Add(5, "徐々に縮小表示1(&S)");
    display->Add(6, "徐々に縮小表示2(&U)", "Shift+F6");
    connect(display, &MenuItemArray::Click, this, [this](int i) { mnu表示ボタン_Click(i); });
    view->addSeparator();

    QMenu* colours = view->addMenu("背景色(&B)");
    colours->menuAction()->setObjectName("mnuColor");
    MenuItemArray* colourItems = AddMenuArray(colours, "mnuColorItem");
    const char* colourCaptions[] = {"ハニーデューメロン(&M)", "黒(&B)",         "ラベンダー(&L)", "白(&W)",
                                    "淡トルコ石(&T)",         "薄黄(&Y)",       "小麦(&K)"};
    for (int i = 0; i <= 6; ++i) colourItems->Add(i, colourCaptions[i]);
    colourItems->SetChecked(0, true);
    connect(colourItems, &MenuItemArray::Click, this, [this](int i) { mnuColorItem_Click(i); });
    view->addSeparator();

    MenuItemArray* topics = AddMenuArray(view, "mnuTopicsDisp");
    topics->Add(1, "ﾄﾋﾟｯｸｽを<横>表示(&H)", "Ctrl+F11");
    topics->Add(2, "ﾄﾋﾟｯｸｽを<縦>表示(&V)", "Ctrl+F12");
    connect(topics, &MenuItemArray::Click, this, [this](int i) { mnuTopicsDisp_Click(i); });
    view->addSeparator();

    MenuItemArray* layout = AddMenuArray(view, "mnuGamen比");
    layout->Add(1, "指標画面拡大(&R)");
    layout->Add(2, "出来高画面拡大(&Y)");
    layout->Add(3, "指標画面表示(&I)");
    layout->Add(4, "チャート表示域論理幅(&W)", "Alt+Backspace");
    layout->Add(5, "データカットチャート表示(&E)");
    layout->SetChecked(3, true);
    connect(layout, &MenuItemArray::Click, this, [this](int i) { mnuGamen比_Click(i); });
    view->addSeparator();
    // Enabled for exchange-rate series; its handler comes with the chart
    // window's menus.
    MenuItemArray* invert = AddMenuArray(view, "mnuChart上下");
    invert->Add(1, "為替チャートの上下を逆転(&Z)", "Ctrl+Z");
    invert->SetEnabled(1, false);
    connect(invert, &MenuItemArray::Click, this, [this](int) { mnuChart上下_Click(); });
    view->addSeparator();

    MenuItemArray* tools = AddMenuArray(view, "mnuTool0");
    AddBarItems(*tools);
    connect(tools, &MenuItemArray::Click, this, [this](int i) { mnuTool0_Click(i); });
    view->addSeparator();

    QMenu* funcEx = view->addMenu("その他機能(&O)");
    funcEx->menuAction()->setObjectName("mnuFuncEx");
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

    BuildChartMenus(bar, view);
}

void Form3::BuildChartMenus(QMenuBar* bar, QMenu*) {
    // チャート: the kind items set the kind boxes; their handler comes with
    // the chart window's menus.  Item 5 is the year-by-year submenu.
    QMenu* chart = bar->addMenu("チャート(&C)");
    chart->menuAction()->setObjectName("mnuChart");
    MenuItemArray* kinds = AddMenuArray(chart, "mnuChartItem");
    kinds->Add(1, "ﾛｰｿｸ(&C)", "F1");
    kinds->Add(2, "銘柄比較(&H)", "F2");
    kinds->Add(3, "逆ｳｵｯﾁ(&G)", "F3");
    kinds->Add(4, "ﾎﾟｲﾝﾄ＆ﾌｨｷﾞｭｱ(&P)", "F4");
    QMenu* yearly = chart->addMenu("年毎比較(&N)");
    yearly->menuAction()->setObjectName("mnuChartItem5");
    MenuItemArray* variants = AddMenuArray(yearly, "mnuChartItemeyc");
    variants->Add(1, "年毎比較1(&N)", "F5");
    variants->Add(2, "年毎比較2(&M)", "F12");
    connect(variants, &MenuItemArray::Click, this, [this](int i) { mnuChartItemeyc_Click(i); });
    kinds->Add(6, "新値三本足(非時系列)(&S)", "F6");
    kinds->Add(7, "新値三本足(時系列)(&T)", "F11");
    kinds->SetChecked(1, true);
    connect(kinds, &MenuItemArray::Click, this, [this](int i) { mnuChartItem_Click(i); });
    chart->addSeparator();
    MenuItemArray* correction = AddMenuArray(chart, "mnuHosei");
    correction->Add(1, "チャート補正有効(&Y)", "Ctrl+F9");
    correction->SetEnabled(1, false);
    connect(correction, &MenuItemArray::Click, this, [this](int) { mnuHosei_Click(); });
    MenuItemArray* dataCorrection = AddMenuArray(chart, "mnuDataHosei");
    dataCorrection->Add(1, "データ補正有効(&D)");
    dataCorrection->SetEnabled(1, false);
    dataCorrection->SetVisible(1, false);

    BuildIndicatorMenu(bar);

    // 指標２: the option toggles; their handler comes with the chart
    // window's menus.
    QMenu* options = bar->addMenu("指標２(&B)");
    options->menuAction()->setObjectName("mnuSetView2");
    MenuItemArray* misc = AddMenuArray(options, "mnuMisc");
    misc->Add(0, "十字線(&L)");
    misc->Add(1, "データ表示(&S)");
    misc->Add(2, "年ローソク足表示(&Y)");
    misc->Add(3, "月ローソク変換(&M)");
    misc->Add(4, "価格帯別出来高(&W)");
    connect(misc, &MenuItemArray::Click, this, [this](int i) { mnuMisc_Click(i); });

    QMenu* toolMenu = bar->addMenu("ツール(&T)");
    toolMenu->menuAction()->setObjectName("mnuSelTool");
    MenuItemArray* toolItems = AddMenuArray(toolMenu, "mnuSelToolItem");
    toolItems->Add(1, "株価データ保守 (&D)", "Ctrl+D");
    toolItems->Add(3, "株価データ収集(&F)", "Ctrl+F");
    toolItems->Add(7, "Tamelo(&M)");
    connect(toolItems, &MenuItemArray::Click, this, [this](int i) { mnuSelToolItem_Click(i); });
    MenuItemArray* print = AddMenuArray(toolMenu, "mnuPrt");
    print->Add(1, "ﾁｬｰﾄ印刷(&P)", "Ctrl+P");
    connect(print, &MenuItemArray::Click, this, [this](int) { mnuPrt_Click(); });

    QMenu* win = bar->addMenu("ｳｲﾝﾄﾞｳ(&W)");
    win->menuAction()->setObjectName("mnuWin");
    MenuItemArray* winItems = AddMenuArray(win, "mnuWinItem");
    const char* winCaptions[] = {"重ねて表示(&D)", "上下に並べて表示(&H)", "左右に並べて表示(&V)",
                                 "ｱｲｺﾝを整列(&I)", "-",                    "株価データ保守(&J)",
                                 "業績情報(&K)",   "-",                    "ﾁｬｰﾄ表示窓を追加(&C)"};
    for (int i = 0; i <= 8; ++i) winItems->Add(i, winCaptions[i]);
    for (int i : {3, 5, 6}) winItems->SetVisible(i, false);
    connect(winItems, &MenuItemArray::Click, this, [this](int i) { mnuWinItem_Click(i); });

    QMenu* company = bar->addMenu("会社情報(&K)");
    company->menuAction()->setObjectName("mnu会社");
    MenuItemArray* companyItems = AddMenuArray(company, "mnu会社Item");
    companyItems->Add(0, "業績情報(&I)");
    companyItems->Add(1, "業績データ(&D)");
    companyItems->Add(2, "ネットページ(&P)");
    companyItems->SetVisible(1, false);
    companyItems->SetVisible(2, false);
    connect(companyItems, &MenuItemArray::Click, this, [this](int i) { mnu会社Item_Click(i); });

    QMenu* help = bar->addMenu("ヘルプ(&H)");
    help->menuAction()->setObjectName("mnuHelp");
    MenuItemArray* helpItems = AddMenuArray(help, "mnuHelpItem");
    helpItems->Add(0, "説明(&H)");
    helpItems->Add(1, "ﾌﾟﾛｸﾞﾗﾑ情報(&P)");
    connect(helpItems, &MenuItemArray::Click, this, [this](int i) { mnuHelpItem_Click(i); });
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

void Form3::mnuSelToolItem_Click(int index) {
    // The tools are the main window's; the same indexes run the same tool.
    RunToolMenu(static_cast<std::int16_t>(index));
}

void Form3::mnuPrt_Click() {
    // Modeless: the settings window prints whichever chart window is active.
    Form6::ShowPrintSettings();
}

void Form3::mnuTool0_Click(int index) {
    // The bars belong to the main window; its view item does the work and
    // sets the marks everywhere.
    MDIForm1* main = Main();
    if (main == nullptr) return;
    main->mnuFileItem_Click(index);
    // With the list pane gone and no chart drawn here yet, the keys go to
    // the toolbar strip.
    if (index == 4 && main->Picture2->isHidden() && main->Picture1->isVisible() && fields_.ChartShown == 0) {
        main->Picture1->setFocus();
    }
}

void Form3::mnuFuncExItem_Click(int index) {
    const MenuItem item = Item("mnuFuncExItem", index);
    if (!item.Exists()) return;
    const bool check = !item.Checked();
    SetFuncExMenuChecked(static_cast<std::int16_t>(index), check);
    if (index == 7) {
        auto& app = Program().app;
        app.AppTitle = check ? "RanvikチャートsupDebug " : "Ranvikチャートsup ";
        std::string caption = app.AppTitle;
        SetMainWindowCaption(caption.append(fields_.StockTitle));
        // The saved pages are chosen in the main window while the debug
        // mode reads them.
        if (MDIForm1* main = Main()) SavedPageBrowser::Of(*main).SetVisible(check);
    }
    // The date range, the fixed volume scale and the figure chart's lines
    // show at once; the other items act at their next use.
    if (index == 0 || index == 1 || index == 2 || index == 8) RedrawChart(*this);
}

void Form3::mnuChart上下_Click() {
    const bool inverted = !Item("mnuChart上下", 1).Checked();
    Item("mnuChart上下", 1).SetChecked(inverted);
    fields_.InvertedChart = inverted ? kTrue : 0;
    fields_.ViewHigh = 0;  // the upside-down chart takes a new price range
    RedrawChart(*this);
    if (Check7.Value() == 1) RedrawYearCandles();
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

void Form3::mnuColorItem_Click(int index) {
    // The colour command moves the check mark, colours the window and its
    // panes and redraws; a printing window ignores it.
    auto& commands = Program().commands;
    commands.BackColorIndex = static_cast<std::int16_t>(index);
    commands.ChartCommand = 199;
    CommCheck.SetValue(1);
}

void Form3::mnu会社Item_Click(int index) {
    if (index == 0) {
        ShowCompanyInfoWindow();
    } else if (index == 1) {
        const bool show = !Item("mnu会社Item", 1).Checked();
        Item("mnu会社Item", 1).SetChecked(show);
        if (ChildForm* company = Program().windows.CompanyInfoWindow) {
            if (auto* grid = company->findChild<QWidget*>("MSFGrid1")) grid->setVisible(show);
        }
        if (MDIForm1* main = Main()) main->Item("mnu会社Item", 1).SetChecked(show);
    }
}

namespace {

// A kind or option item, the box it sets and the toolbar button that shows it.
struct BoxItem {
    int index;
    int box;
    const char* key;
};
constexpr BoxItem kKindItems[] = {{1, 1, "ローソク"}, {2, 2, "比較"},           {3, 3, "逆ウオッチ"},
                                  {4, 4, "Ｐ＆Ｆ"},   {6, 11, "新値足非時系列"}, {7, 12, "新値足時系列"}};
constexpr BoxItem kOptionItems[] = {{1, 6, "データ"}, {2, 7, "年"}, {3, 8, "月"}};

}  // namespace

void Form3::mnuChartItem_Click(int index) {
    // The box's own handler switches the kind; a kind already on stays as it is.
    for (const BoxItem& k : kKindItems) {
        if (k.index != index) continue;
        HiddenCheckBox* box = CheckBox(k.box);
        if (box == nullptr || box->Value() != 0) return;
        SetToolbarButtonValue(k.key, 1);
        box->SetValue(1);
        return;
    }
}

void Form3::mnuChartItemeyc_Click(int index) {
    if (index != 1 && index != 2) return;
    // Off first, so that the variant already shown starts again from its
    // first state.
    Check10.SetValue(0);
    Item("mnuChartItemeyc", index).SetChecked(true);
    if (!Item("mnuChartItemeyc", 2).Checked()) Frame3->hide();
    fields_.YearCompareRestart = kTrue;
    SetToolbarButtonValue("年毎比較", 1);
    Check10.SetValue(1);
}

void Form3::mnuMisc_Click(int index) {
    if (index == 0) {
        // The check mark is the crosshair's switch.
        const bool on = !Item("mnuMisc", 0).Checked();
        Item("mnuMisc", 0).SetChecked(on);
        SetToolbarButtonValue("十字", on ? 1 : 0);
        return;
    }
    if (index == 4) {
        const bool on = Check9.Value() != 1;
        Check9.SetValue(on ? 1 : 0);
        SetToolbarButtonValue("出来高", on ? 1 : 0);
        return;
    }
    for (const BoxItem& o : kOptionItems) {
        if (o.index != index) continue;
        HiddenCheckBox* box = CheckBox(o.box);
        const bool on = box->Value() == 0;
        SetToolbarButtonValue(o.key, on ? 1 : 0);
        box->SetValue(on ? 1 : 0);
        return;
    }
}

}  // namespace ranvik
