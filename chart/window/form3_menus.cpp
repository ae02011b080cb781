// The chart window's menu bar and the handlers of its shell items: bars, extra functions, windows, company, help, colours.
#include "chart/window/form3.h"

#include <QMenu>
#include <QMenuBar>
#include <QMdiSubWindow>

#include "core/main_window.h"
#include "core/program_state.h"
#include "core/shared_menu_items.h"
#include "core/splash.h"
#include "core/window_management.h"
#include "platform/runtime/help_service.h"

namespace ranvik {

namespace {

MDIForm1* Main() { return Program().windows.MainForm; }

}  // namespace

void Form3::BuildMenus() {
    QMenuBar* bar = EnsureMenuBar();
    QMenu* view = bar->addMenu("表示(&F)");
    MenuItemArray* display = AddMenuArray(view, "mnu表示ボタン");
    display->Add(1, "部分表示(&P)", "F7");
    display->Add(2, "全表示(&D)", "F8");
    display->Add(3, "徐々に拡大表示1(&J)");
    display->Add(4, "徐々に拡大表示2(&K)", "Shift+F5");
    display->Add(5, "徐々に縮小表示1(&S)");
    display->Add(6, "徐々に縮小表示2(&U)", "Shift+F6");
    connect(display, &MenuItemArray::Click, this, [this](int i) { mnu表示ボタン_Click(i); });
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
    // Enabled by the chart set-up for exchange-rate series; its handler
    // comes with the chart window's menus.
    MenuItemArray* invert = AddMenuArray(view, "mnuChart上下");
    invert->Add(1, "為替チャートの上下を逆転(&Z)", "Ctrl+Z");
    invert->SetEnabled(1, false);
    view->addSeparator();

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

    // チャート: so far the split correction, which the chart set-up enables
    // and checks; the chart kinds and the item's handler come with the
    // chart window's menus.
    QMenu* chart = bar->addMenu("チャート(&C)");
    chart->menuAction()->setObjectName("mnuChart");
    MenuItemArray* correction = AddMenuArray(chart, "mnuHosei");
    correction->Add(1, "チャート補正有効(&Y)", "Ctrl+F9");
    correction->SetEnabled(1, false);

    // 指標: so far the volume moving average, whose mark the window keeps in
    // the settings file, and Ichimoku, whose mark widens the view; the other
    // indicator items and their handlers come with the indicator menus.
    QMenu* indicators = bar->addMenu("指標(&A)");
    indicators->menuAction()->setObjectName("mnuSetView");
    MenuItemArray* ichimoku = AddMenuArray(indicators, "mnu一目");
    ichimoku->Add(1, "一目均衡表(&H)", "Ctrl+H");
    MenuItemArray* volumeAverage = AddMenuArray(indicators, "mnuDekiIdou");
    volumeAverage->Add(1, "出来高移動平均(&D)");
    volumeAverage->SetChecked(1, true);

    QMenu* win = bar->addMenu("ｳｲﾝﾄﾞｳ(&W)");
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

void Form3::mnuColorItem_Click(int index) {
    // The colour goes through the command channel once it is built
    // (command 199); until then it is applied here.
    SetBackgroundColour(index);
}

void Form3::mnu会社Item_Click(int index) {
    // Item 1 (the results grid) comes with the company results window.
    if (index == 0) ShowCompanyInfoWindow();
}

void Form3::mnuChartItemeyc_Click(int) {
    // The year-by-year comparison comes with the chart kinds.
}

}  // namespace ranvik
