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
    const struct {
        int index;
        const char* caption;
    } items[] = {{0, "重ねて表示(&D)"},   {1, "上下に並べて表示(&H)"}, {2, "左右に並べて表示(&V)"},
                 {3, "ｱｲｺﾝを整列(&I)"},   {9, "業績情報(&K)"},         {11, "チャート表示窓を追加(&A)"}};
    for (const auto& item : items) {
        QAction* a = AddItem(win, "mnuWinItem", item.index, item.caption);
        const int i = item.index;
        connect(a, &QAction::triggered, this, [this, i] { mnuWinItem_Click(i); });
    }
    Item("mnuWinItem", 3)->setVisible(false);
    Item("mnuWinItem", 9)->setVisible(false);
}

void Form2::Form_Load() {
    Program().windows.MaintenanceWindow = this;
    if (MDIForm1* main = Program().windows.MainForm) main->Item("mnuWinItem", 5)->setVisible(true);
    // No chart window can be added while all three are open.
    Item("mnuWinItem", 11)->setEnabled(!AllChartSlotsTaken());
    Item("mnuWinItem", 9)->setVisible(Program().windows.CompanyInfoWindow != nullptr);
}

void Form2::Form_Unload() {
    auto& windows = Program().windows;
    if (windows.MainForm != nullptr) windows.MainForm->Item("mnuWinItem", 5)->setVisible(false);
    for (int no = 1; no <= 3; ++no) {
        if (ChartWindowBase* w = windows.ChartWindow(no)) {
            if (QAction* item = w->Item("mnuWinItem", 5)) item->setVisible(false);
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
