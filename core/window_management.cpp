#include "core/window_management.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QTextEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <cstdio>

#include "core/child_form.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "core/stock_list.h"
#include "platform/runtime/dates.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/process.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/pointers.h"

namespace ranvik {

namespace {

void SetItemEnabled(ChildForm* form, const char* array, int index, bool enabled) {
    if (form != nullptr) form->Item(array, index).SetEnabled(enabled);
}

// Visible, not minimized frames of the area, in creation order.
QList<QMdiSubWindow*> ArrangedFrames(QMdiArea* area) {
    QList<QMdiSubWindow*> frames;
    for (QMdiSubWindow* f : area->subWindowList(QMdiArea::CreationOrder)) {
        if (f->isVisible() && !f->isMinimized()) frames.push_back(f);
    }
    return frames;
}

void Tile(QMdiArea* area, bool stacked) {
    const QList<QMdiSubWindow*> frames = ArrangedFrames(area);
    if (frames.isEmpty()) return;
    const QRect r = area->viewport()->rect();
    const int n = static_cast<int>(frames.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* f = frames[i];
        if (f->isMaximized()) f->showNormal();
        if (stacked) {
            const int top = r.height() * i / n;
            f->setGeometry(0, top, r.width(), r.height() * (i + 1) / n - top);
        } else {
            const int left = r.width() * i / n;
            f->setGeometry(left, 0, r.width() * (i + 1) / n - left, r.height());
        }
    }
}

void ArrangeIcons(QMdiArea* area) {
    const QRect r = area->viewport()->rect();
    int left = 0;
    for (QMdiSubWindow* f : area->subWindowList(QMdiArea::CreationOrder)) {
        if (!f->isMinimized()) continue;
        f->move(left, r.height() - f->height());
        left += f->width();
    }
}

}  // namespace

bool AllChartSlotsTaken() {
    auto& w = Program().windows;
    return w.ChartWindow1 != nullptr && w.ChartWindow2 != nullptr && w.ChartWindow3 != nullptr;
}

void RunWindowMenu(std::int16_t index) {
    auto& windows = Program().windows;
    MDIForm1* main = windows.MainForm;
    if (main == nullptr) return;
    QMdiArea* area = main->MdiArea();
    switch (index) {
        case 0: area->cascadeSubWindows(); return;
        case 1: Tile(area, true); return;
        case 2: Tile(area, false); return;
        case 3: ArrangeIcons(area); return;
        case 8: break;
        default: return;
    }

    windows.NewWindowNo = 0;
    for (std::int16_t no = 1; no <= 3; ++no) {
        if (windows.ChartWindow(no) != nullptr) continue;
        if (!Makers().chartWindow) break;
        windows.NewWindowNo = no;
        ChartWindowBase* window = Makers().chartWindow();
        windows.ChartWindow(no) = window;
        main->ShowChild(window);
        break;
    }
    if (!AllChartSlotsTaken()) return;

    // No slot left: every way of adding a window is switched off until one
    // closes.
    for (int no = 1; no <= 3; ++no) SetItemEnabled(windows.ChartWindow(no), "mnuWinItem", 8, false);
    if (main->Item("mnuWinItem", 5).Visible()) SetItemEnabled(windows.MaintenanceWindow, "mnuWinItem", 11, false);
    main->SetToolbarButtonEnabled("窓", false);
    main->Item("mnuWinItem", 8).SetEnabled(false);
}

void OpenChartWindow() {
    auto& windows = Program().windows;
    if (windows.MainForm == nullptr) return;
    if (windows.ChartWindow1 == nullptr && windows.ChartWindow2 == nullptr && windows.ChartWindow3 == nullptr) {
        windows.MainForm->SetToolbarButtonsEnabled(2, 25, true);
    }
    RunWindowMenu(8);
}

void SetFileMenuChecked(std::int16_t index, bool checked) {
    auto& windows = Program().windows;
    if (windows.MainForm != nullptr) {
        windows.MainForm->Item("mnuFileItem", index).SetChecked(checked);
    }
    for (int no = 1; no <= 3; ++no) {
        if (ChartWindowBase* w = windows.ChartWindow(no)) {
            w->Item("mnuTool0", index).SetChecked(checked);
        }
    }
}

void SetFuncExMenuChecked(std::int16_t index, bool checked) {
    auto& windows = Program().windows;
    for (int no = 1; no <= 3; ++no) {
        if (ChartWindowBase* w = windows.ChartWindow(no)) {
            w->Item("mnuFuncExItem", index).SetChecked(checked);
        }
    }
    if (windows.MainForm != nullptr) {
        windows.MainForm->Item("mnuFuncExItem", index).SetChecked(checked);
    }
    // The readers cannot see the menus: they learn of the debug item here.
    if (index == 7) Program().app.DebugPages = checked ? kTrue : kFalse;
}

void BringNeighbourWindowForward(int index) {
    auto& windows = Program().windows;
    if (index == 5 && windows.MaintenanceWindow != nullptr) windows.MaintenanceWindow->BringToFront();
    if (index == 6 && windows.CompanyInfoWindow != nullptr) windows.CompanyInfoWindow->BringToFront();
}

void SetWeekdayName() {
    static const char* const kNames[] = {"日", "月", "火", "水", "木", "金"};
    const int day = Weekday(Today());
    Program().app.WeekdayText = day >= 1 && day <= 6 ? kNames[day - 1] : "土";
}

namespace {

void OpenMaintenanceWindow(MDIForm1& main) {
    auto& windows = Program().windows;
    // The window menu's entry tells whether the window is open.
    if (main.Item("mnuWinItem", 5).Visible() && windows.MaintenanceWindow != nullptr) {
        windows.MaintenanceWindow->BringToFront();
    } else if (Makers().maintenanceWindow) {
        main.ShowChild(Makers().maintenanceWindow());
    }
}

void ToggleCollectionPanel(MDIForm1& main) {
    QWidget* panel = main.Picture11;
    if (panel == nullptr) return;
    if (!panel->isHidden()) {
        // Both grids take clicks again.
        SetMousePointer(main.MSFGrid1, 0);
        SetMousePointer(main.MSF全Grid2, 0);
        panel->hide();
        return;
    }
    if (auto* report = panel->findChild<QTextEdit*>("Text9")) report->clear();
    SetWeekdayName();
    if (auto* title = panel->findChild<QLabel*>("Label14")) {
        const Date today = Today();
        char date[16];
        std::snprintf(date, sizeof date, "%04d/%02d/%02d", today.year, today.month, today.day);
        std::string caption = " 株価デ－タ収集  ";
        caption.append(date).append(" (").append(Program().app.WeekdayText).append(")");
        title->setText(QString::fromStdString(caption));
    }
    // The grid the chosen operation does not collect from ignores clicks.
    auto* update = panel->findChild<QRadioButton*>("Option3");
    auto* newStock = panel->findChild<QRadioButton*>("Option4");
    if (update != nullptr && update->isChecked()) {
        SetMousePointer(main.MSF全Grid2, 12);
    } else if (newStock != nullptr && newStock->isChecked()) {
        SetMousePointer(main.MSFGrid1, 12);
    }
    panel->show();
    main.Picture1->setFocus();
}

// The list editor runs once: a second choice raises the one running, and
// only an editor that has ended is started again.
void RunListEditor() {
    auto& app = Program().app;
    if (app.ListEditorTaskId != 0 && BringTaskToFront(app.ListEditorTaskId)) return;
    app.ListEditorTaskId = StartProgram(JoinPath(app.AppDir, "Tamelo.exe"));
    if (app.ListEditorTaskId == 0) {
        ShowMessage("055, Tameloプログラムが見つかりません", std::string(kMainWindowTitle), MessageIcon::Exclamation);
    }
}

}  // namespace

void RunToolMenu(std::int16_t index) {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    if (index == 1) OpenMaintenanceWindow(*main);
    else if (index == 3) ToggleCollectionPanel(*main);
    else if (index == 7) RunListEditor();
}

}  // namespace ranvik
