// The main window's menu bar and its handlers: view items, window menu, extra functions, help, end.
#include "core/main_window.h"

#include <QFrame>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>

#include "core/child_form.h"
#include "core/program_state.h"
#include "core/shared_menu_items.h"
#include "core/splash.h"
#include "core/window_management.h"
#include "platform/runtime/help_service.h"
#include "platform/ui/flex_grid.h"
#include "core/main_window_internal.h"

namespace ranvik {

using namespace main_window_internal;

void MDIForm1::BuildMenus() {
    // The main window's bar and the bars of the child windows share one
    // place: the active child's bar stands in for the main window's.
    menuStack_ = new QStackedWidget(this);
    mainMenuBar_ = new QMenuBar(menuStack_);
    menuStack_->addWidget(mainMenuBar_);
    setMenuWidget(menuStack_);

    QMenu* file = mainMenuBar_->addMenu("ﾌｧｲﾙ(&F)");
    MenuItemArray* fileItems = menus_.Add(file, this, "mnuFileItem");
    AddBarItems(*fileItems);
    connect(fileItems, &MenuItemArray::Click, this, [this](int i) { mnuFileItem_Click(i); });
    file->addSeparator();

    QMenu* funcEx = file->addMenu("その他機能(&O)");
    funcEx->menuAction()->setObjectName("mnuFuncEx");
    MenuItemArray* funcExItems = menus_.Add(funcEx, this, "mnuFuncExItem");
    AddFuncExItems(*funcExItems);
    for (int i = 0; i <= 8; ++i) {
        // Only the debug item can be chosen here; the others show the marks
        // the chart windows set.
        funcExItems->SetEnabled(i, i == 7);
        funcExItems->SetVisible(i, i != 6 && i != 7);
    }
    connect(funcExItems, &MenuItemArray::Click, this, [this](int i) { mnuFuncExItem_Click(i); });
    file->addSeparator();
    MenuItemArray* gyouEnd = menus_.Add(file, this, "mnuGyouEnd");
    gyouEnd->Add(1, "業績情報窓を閉じる(&K)");
    gyouEnd->SetEnabled(1, false);
    connect(gyouEnd, &MenuItemArray::Click, this, [this](int) { mnuGyouEnd_Click(); });
    file->addSeparator();
    MenuItemArray* end = menus_.Add(file, this, "mnuEnd");
    end->Add(1, "アプリケーション終了(&X)", "Ctrl+X");
    connect(end, &MenuItemArray::Click, this, [this](int) { mnuEnd_Click(); });

    QMenu* tools = mainMenuBar_->addMenu("ツール(&T)");
    MenuItemArray* toolItems = menus_.Add(tools, this, "mnuSelToolItem");
    toolItems->Add(1, "株価データ保守 (&D)", "Ctrl+D");
    toolItems->Add(3, "株価データ収集(&F)", "Ctrl+F");
    toolItems->Add(7, "Tamelo(&M)", "Ctrl+M");
    connect(toolItems, &MenuItemArray::Click, this, [](int i) { RunToolMenu(static_cast<std::int16_t>(i)); });

    QMenu* win = mainMenuBar_->addMenu("ｳｲﾝﾄﾞｳ(&W)");
    MenuItemArray* winItems = menus_.Add(win, this, "mnuWinItem");
    const char* winCaptions[] = {"重ねて表示(&D)", "上下に表示(&H)", "左右に表示(&V)", "アイコン整列",      "-",
                                 "株価データ保守(&J)", "業績情報(&K)", "-",                "ﾁｬｰﾄ表示窓追加(&C)"};
    for (int i = 0; i <= 8; ++i) winItems->Add(i, winCaptions[i], i == 8 ? "Ctrl+C" : "");
    for (int i : {3, 5, 6}) winItems->SetVisible(i, false);
    connect(winItems, &MenuItemArray::Click, this, [this](int i) { mnuWinItem_Click(i); });

    QMenu* company = mainMenuBar_->addMenu("会社情報(&K)");
    company->menuAction()->setObjectName("mnu会社");
    MenuItemArray* companyItems = menus_.Add(company, this, "mnu会社Item");
    companyItems->Add(0, "業績情報(&I)");
    companyItems->Add(1, "業績データ(&D)");
    companyItems->SetVisible(1, false);
    connect(companyItems, &MenuItemArray::Click, this, [this](int i) { mnu会社Item_Click(i); });

    QMenu* help = mainMenuBar_->addMenu("ヘルプ(&H)");
    MenuItemArray* helpItems = menus_.Add(help, this, "mnuHelpItem");
    helpItems->Add(1, "説明(&H)", "Ctrl+H");
    helpItems->Add(2, "プログラム情報(&P)");
    connect(helpItems, &MenuItemArray::Click, this, [this](int i) { mnuHelpItem_Click(i); });
}

void MDIForm1::mnuEnd_Click() { close(); }

void MDIForm1::mnuGyouEnd_Click() {
    if (ChildForm* company = Program().windows.CompanyInfoWindow) {
        if (QMdiSubWindow* frame = company->Frame()) {
            frame->close();
        } else {
            company->close();
        }
    }
}

void MDIForm1::mnu会社Item_Click(int index) {
    auto& windows = Program().windows;
    if (index == 0) {
        if (ChildForm* company = windows.CompanyInfoWindow) {
            company->BringToFront();
            Program().selection.ChartLoadMode = std::string("d");  // a moved string: GCC 12 -O3 warns falsely on a literal
            company->FG1Text6.SetText(LastSelectedGrid == 1 ? "4" : "5");
            return;
        }
        if (!Makers().companyWindow) return;
        SetToolbarButtonEnabled("窓ＬＲ", true);
        SetToolbarButtonEnabled("窓ＵＤ", true);
        ChildForm* company = Makers().companyWindow();
        windows.CompanyInfoWindow = company;
        ShowChild(company);
    } else if (index == 1) {
        // The mark also shows or hides the results grid of an open window.
        const bool show = !Item("mnu会社Item", 1).Checked();
        Item("mnu会社Item", 1).SetChecked(show);
        if (ChildForm* company = windows.CompanyInfoWindow) {
            if (auto* grid = company->findChild<QWidget*>("MSFGrid1")) grid->setVisible(show);
        }
        // Only chart window 1 carries the item; its mark follows this one.
        if (ChartWindowBase* chart1 = windows.ChartWindow1) chart1->Item("mnu会社Item", 1).SetChecked(show);
    }
}

// ---------------------------------------------------------------- view items

void MDIForm1::SetBarVisible(int index, bool visible) {
    switch (index) {
        case 0:
        case 2:
        case 3: {
            QWidget* bar = index == 0 ? static_cast<QWidget*>(Picture3) : index == 2 ? Picture1 : Picture4;
            // The list grid gives the bar its room and takes it back.
            const int change = HeightOf(bar);
            bar->setVisible(visible);
            SetHeight(MSF全Grid2, HeightOf(MSF全Grid2) + (visible ? -change : change));
            break;
        }
        case 1: HideParam->setVisible(visible); break;
        case 4: Picture2->setVisible(visible); break;
        default: break;
    }
}

void MDIForm1::mnuFileItem_Click(int index) {
    // Item 5 (hidden) has no action.
    if (index < 0 || index > 4) return;
    const bool show = !Item("mnuFileItem", index).Checked();
    SetBarVisible(index, show);
    SetFileMenuChecked(static_cast<std::int16_t>(index), show);
}

// ---------------------------------------------------------------- window menu

void MDIForm1::mnuWinItem_Click(int index) {
    if (index == 8) RunWindowMenu(8);
    else BringNeighbourWindowForward(index);
}

void MDIForm1::mnuFuncExItem_Click(int index) {
    const MenuItem item = Item("mnuFuncExItem", index);
    if (!item.Exists()) return;
    const bool check = !item.Checked();
    SetFuncExMenuChecked(static_cast<std::int16_t>(index), check);
    if (index == 7) Program().app.AppTitle = check ? "RanvikチャートsupDebug " : "Ranvikチャートsup ";
}

void MDIForm1::mnuHelpItem_Click(int index) {
    if (index == 1) {
        std::string page = "Manual\\RanvikC5.html";
        if (!Picture11->isHidden()) {
            page = "Manual\\RanvikC8.html";
        } else if (ActiveChild() != nullptr) {
            page = "Manual\\RanvikC6.html";
        }
        Help().ShowTopic(Program().app.HelpFilePath, page);
    } else if (index == 2) {
        ShowSplash();
    }
}

}  // namespace ranvik
