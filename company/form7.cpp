#include "company/form7.h"

#include <QAction>

#include "core/main_window.h"
#include "core/program_state.h"

namespace ranvik {

namespace {

void Announce(bool open) {
    auto& windows = Program().windows;
    MDIForm1* main = windows.MainForm;
    if (main != nullptr) {
        main->Item("mnuGyouEnd", 1).SetEnabled(open);
        for (int i = 0; i <= 3; ++i) main->Item("mnuWinItem", i).SetEnabled(open);
        main->Item("mnuWinItem", 6).SetVisible(open);
    }
    for (int no = 1; no <= 3; ++no) {
        if (ChartWindowBase* w = windows.ChartWindow(no)) {
            w->Item("mnuWinItem", 6).SetVisible(open);
        }
    }
    if (Program().app.AdminMode == kTrue) {
        if (main != nullptr) main->Item("mnu会社Item", 1).SetVisible(open);
        if (windows.ChartWindow1 != nullptr) {
            windows.ChartWindow1->Item("mnu会社Item", 1).SetVisible(open);
        }
    }
}

}  // namespace

Form7::Form7(QWidget* parent) : ChildForm(parent) {
    setObjectName("Form7");
    setWindowTitle("業績情報");
}

void Form7::Form_Load() {
    Program().windows.CompanyInfoWindow = this;
    Announce(true);
}

void Form7::Form_Unload() {
    Announce(false);
    Program().selection.CurrentName.clear();
    if (Program().windows.CompanyInfoWindow == this) Program().windows.CompanyInfoWindow = nullptr;
}

void InstallCompanyWindowMaker() {
    Makers().companyWindow = [] { return new Form7; };
}

}  // namespace ranvik
