#include "maintenance/form2.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "core/main_window.h"
#include "core/program_state.h"
#include "core/window_management.h"
#include "platform/runtime/ansi_text.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/twips.h"

namespace ranvik {

Form2::Form2(QWidget* parent) : ChildForm(parent) {
    setObjectName("Form2");
    setWindowTitle("株価データ保守");
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    MoveTwips(Label1, 120, 60, 6000, 285);
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

void Form2::FG1Text6_Change() {
    if (FG1Text6.Text().empty()) return;
    SelectListedFile();
    auto& selection = Program().selection;
    if (selection.ChartLoadMode == "d") {
        if (OperationState == 0) LoadStockFile(0);
        selection.ChartLoadMode.clear();
    }
    FG1Text6.SetText("");
}

void Form2::SelectListedFile() {
    MDIForm1* main = Program().windows.MainForm;
    if (OperationState != 0 || main == nullptr) return;
    const FlexGrid& grid = *main->MSFGrid1;
    const int row = grid.Row();
    SelectedFileName = Trim(grid.TextMatrix(row, 4));
    if (SelectedFileName.empty()) SelectedFileName = Trim(grid.TextMatrix(row, 1));
    // The grid's title row and its rows without a file name name no file:
    // the folder itself must never be taken for one.
    if (row < grid.FixedRows()) SelectedFileName.clear();
    DataFilePath = SelectedFileName.empty() ? std::string() : Program().app.AppDir + SelectedFileName;
    DisplayName = Trim(grid.TextMatrix(row, 1));
    if (ToUpper(DisplayName).find(".KDT") != std::string::npos) {
        DisplayName = LeftChars(DisplayName, CharCount(DisplayName) >= 4 ? CharCount(DisplayName) - 4 : 0);
    }
    Label1->setText(QString::fromStdString(DisplayName + Program().selection.CurrentUnitText));
    // Grey while the chosen file is not the one shown.
    SetForeColor(Label1, DataFilePath == LoadedFilePath ? QBColor(9) : RGB(200, 200, 200));
}

void Form2::LoadStockFile(int) {
    if (DataFilePath.empty()) return;
    LoadedFilePath = DataFilePath;
    SetForeColor(Label1, QBColor(9));
}

void InstallMaintenanceWindowMaker() {
    Makers().maintenanceWindow = [] { return new Form2; };
}

}  // namespace ranvik
