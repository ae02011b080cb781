#include "maintenance/form2.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "core/main_window.h"
#include "core/program_state.h"
#include "core/window_management.h"

namespace ranvik {

Form2::Form2(QWidget* parent) : ChildForm(parent) {
    setObjectName("Form2");
    setWindowTitle("株価データ保守");
    QMenu* win = EnsureMenuBar()->addMenu("ｳｲﾝﾄﾞｳ(&W)");
    MenuItemArray* items = AddMenuArray(win, "mnuWinItem");
    items->Add(0, "重ねて表示(&D)");
    items->Add(1, "上下に並べて表示(&H)");
    items->Add(2, "左右に並べて表示(&V)");
    items->Add(3, "ｱｲｺﾝを整列(&I)");
    items->Add(9, "業績情報(&K)");
    items->Add(11, "チャート表示窓を追加(&A)");
    items->SetVisible(3, false);
    items->SetVisible(9, false);
    connect(items, &MenuItemArray::Click, this, [this](int i) { mnuWinItem_Click(i); });
}

void Form2::Form_Load() {
    Program().windows.MaintenanceWindow = this;
    if (MDIForm1* main = Program().windows.MainForm) main->Item("mnuWinItem", 5).SetVisible(true);
    // No chart window can be added while all three are open.
    Item("mnuWinItem", 11).SetEnabled(!AllChartSlotsTaken());
    Item("mnuWinItem", 9).SetVisible(Program().windows.CompanyInfoWindow != nullptr);
}

void Form2::Form_Unload() {
    auto& windows = Program().windows;
    if (windows.MainForm != nullptr) windows.MainForm->Item("mnuWinItem", 5).SetVisible(false);
    for (int no = 1; no <= 3; ++no) {
        if (ChartWindowBase* w = windows.ChartWindow(no)) {
            w->Item("mnuWinItem", 5).SetVisible(false);
        }
    }
    if (windows.MaintenanceWindow == this) windows.MaintenanceWindow = nullptr;
}

void Form2::mnuWinItem_Click(int index) {
    if (index >= 0 && index <= 3) {
        RunWindowMenu(static_cast<std::int16_t>(index));
    } else if (index == 9) {
        if (ChildForm* company = Program().windows.CompanyInfoWindow) company->BringToFront();
    } else if (index == 11) {
        RunWindowMenu(8);
    }
}

void InstallMaintenanceWindowMaker() {
    Makers().maintenanceWindow = [] { return new Form2; };
}

}  // namespace ranvik
