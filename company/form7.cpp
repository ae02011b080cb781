#include "company/form7.h"

#include <QAction>

#include "core/list_pane.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/ui/flex_grid.h"

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

void Form7::FG1Text6_Change() {
    const std::string code = FG1Text6.Text();
    if (code.empty()) return;
    if (MDIForm1* main = Program().windows.MainForm; main != nullptr && (code == "4" || code == "5")) {
        GetMarketLabel(code == "4" ? *main->MSFGrid1 : *main->MSF全Grid2);
        MarketLabel = Program().selection.MarketLabelText;
    }
    RefreshCompanyCaption();
    FG1Text6.SetText("");
}

void Form7::RefreshCompanyCaption() {
    auto& selection = Program().selection;
    if (selection.ChartLoadMode == "d") selection.ChartLoadMode.clear();
}

void InstallCompanyWindowMaker() {
    Makers().companyWindow = [] { return new Form7; };
}

}  // namespace ranvik
