// Stock selection and load requests: presses and double clicks in both grids, their highlights, the immediate-display toggle, the daily/weekly options and the keyboard.
#include "core/main_window.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>

#include "core/child_form.h"
#include "core/collection_panel_base.h"
#include "core/program_state.h"
#include "core/stock_selection.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/values.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/keys.h"
#include "platform/ui/pointers.h"
#include "core/main_window_internal.h"

namespace ranvik {

using namespace main_window_internal;

namespace {

// A press less than this far below a grid's top lies on its title row.
constexpr int kTitleDepth = 225;
// The collection panel gives the grid its mode does not use the no-drop
// pointer: such a grid ignores presses and double clicks.
constexpr int kNoDrop = 12;
constexpr const char* kMessage001 = "001, 窓を追加して下さい    ";

// The two palettes of the highlight: toggle off and toggle on.
Color SelectedColour(bool on) { return on ? QBColor(12) : QBColor(9); }
Color ShownColour(bool on) { return on ? RGB(255, 120, 120) : RGB(120, 120, 255); }

bool Disabled(const FlexGrid* grid) { return MousePointerOf(grid) == kNoDrop; }

// A row below the title row that the grid has.  The title row holds the
// column names, which must never be published as a stock or sent as a file.
bool IsDataRow(const FlexGrid& grid, int row) { return row >= grid.FixedRows() && row < grid.Rows(); }

bool ShowsBothScrollBars(const FlexGrid& grid) {
    return grid.horizontalScrollBar()->isVisibleTo(&grid) && grid.verticalScrollBar()->isVisibleTo(&grid);
}

void PublishMarket(const std::string& marketCell) {
    auto& selection = Program().selection;
    selection.CurrentMarket = MarketOfCell(marketCell);
    selection.CurrentSection = SectionOfCell(marketCell);
}

}  // namespace

CollectionPanelBase* MDIForm1::CollectionPanel() const { return qobject_cast<CollectionPanelBase*>(Picture11); }

bool MDIForm1::SendLoadRequest(const std::string& code, const std::string& mode) {
    ChildForm* child = ActiveChild();
    if (child == nullptr) return false;
    Program().selection.ChartLoadMode = mode;
    child->FG1Text6.SetText(code);
    return true;
}

// ---------------------------------------------------------------- presses

void MDIForm1::MSFGrid1_MouseDown(int button, int, double, double y) {
    GridPressY = static_cast<int>(RoundHalfEven(y));
    if (y < kTitleDepth || button == kRightButton) return;
    if (Disabled(MSFGrid1)) {
        FocusToolbarStrip();
        return;
    }
    SelectMyFileRow();
    if (immediateDisplay_) MSFGrid1_DblClick();
}

void MDIForm1::MSF全Grid2_MouseDown(int button, int, double, double y) {
    GridPressY = static_cast<int>(RoundHalfEven(y));
    if (y < kTitleDepth || button == kRightButton) return;
    if (Disabled(MSF全Grid2)) {
        FocusToolbarStrip();
        return;
    }
    SelectListRow();
    if (immediateDisplay_) MSF全Grid2_DblClick();
}

void MDIForm1::SelectMyFileRow() {
    FlexGrid& grid = *MSFGrid1;
    const int r = grid.Row();
    if (!IsDataRow(grid, r)) return;
    ClearMyFileHighlight();
    grid.SetCol(1);
    grid.SetCellBackColor(SelectedColour(immediateDisplay_));
    grid.SetCellForeColor(QBColor(15));

    auto& selection = Program().selection;
    const std::string file = Trim(grid.TextMatrix(r, 4));
    selection.CurrentCode = CodeOfFileName(file);
    selection.CurrentUnitText = UnitTextOf(grid.TextMatrix(r, 3));
    SelectedFileRow = r;
    selection.CurrentName = Trim(grid.TextMatrix(r, 1));
    ActiveGrid = MSFGrid1;
    PublishMarket(grid.TextMatrix(r, 2));
    LastSelectedGrid = 1;

    if (!Picture11->isHidden()) {
        CollectDaily = IsDailyFileName(file) ? kTrue : kFalse;
        CollectCode = selection.CurrentCode;
        // A row without a file name names no file: the folder itself must
        // never become the file the collection writes.
        CollectFilePath = file.empty() ? std::string() : Program().app.AppDir + file;
        if (auto* report = Picture11->findChild<QTextEdit*>("Text9")) report->setPlainText(Q(selection.CurrentName));
    } else if (!SendLoadRequest("4", "s")) {
        return;
    }
    FocusToolbarStrip();
}

void MDIForm1::SelectListRow() {
    FlexGrid& grid = *MSF全Grid2;
    const int r = grid.Row();
    if (!IsDataRow(grid, r)) return;
    HighlightListRow(r);
    const std::string code = grid.TextMatrix(r, 0);
    if (IsHeadingCode(code)) return;

    auto& selection = Program().selection;
    selection.CurrentCode = code;
    selection.CurrentUnitText = UnitTextOf(grid.TextMatrix(r, 3));
    selection.CurrentName = Trim(grid.TextMatrix(r, 1));
    PublishMarket(grid.TextMatrix(r, 2));
    LastSelectedGrid = 2;

    if (!Picture11->isHidden()) {
        CollectCode = selection.CurrentCode;
        if (auto* report = Picture11->findChild<QTextEdit*>("Text9")) report->setPlainText(Q(selection.CurrentName));
    } else if (!SendLoadRequest("5", "s")) {
        return;
    }
    ActiveGrid = MSF全Grid2;
    FocusToolbarStrip();
}

// ---------------------------------------------------------------- double clicks

void MDIForm1::MSFGrid1_DblClick() {
    if (!Disabled(MSFGrid1) && GridPressY >= kTitleDepth && IsDataRow(*MSFGrid1, MSFGrid1->Row())) {
        CollectUrl = CutAtRemark(S(Combo2->currentText()));
        if (!Picture11->isHidden()) {
            if (CollectionPanelBase* panel = CollectionPanel()) panel->CollectFromGrid();
        } else if (!SendLoadRequest("4", "d")) {
            ShowMessage(kMessage001, kProgramName, MessageIcon::Exclamation, MessageButtons::Ok);
            return;
        }
        MarkMyFileRowShown();
    }
    CollectCode.clear();
    FocusToolbarStrip();
}

void MDIForm1::MSF全Grid2_DblClick() {
    FlexGrid& grid = *MSF全Grid2;
    const int r = grid.Row();
    if (!Disabled(&grid) && GridPressY >= kTitleDepth && IsDataRow(grid, r) && !IsHeadingCode(grid.TextMatrix(r, 0))) {
        PublishMarket(grid.TextMatrix(r, 2));
        CollectUrl = CutAtRemark(S(Combo2->currentText()));
        if (!Picture11->isHidden()) {
            if (CollectionPanelBase* panel = CollectionPanel()) panel->CollectFromGrid();
        } else if (!SendLoadRequest("5", "d")) {
            ShowMessage(kMessage001, kProgramName, MessageIcon::Exclamation, MessageButtons::Ok);
            return;
        }
        MarkListRowShown();
    }
    CollectCode.clear();
    // A web update disables the window while it downloads.
    setEnabled(true);
    FocusToolbarStrip();
}

// ---------------------------------------------------------------- highlights

void MDIForm1::HighlightListRow(int row) {
    FlexGrid& grid = *MSF全Grid2;
    if (!IsDataRow(grid, row)) return;
    ClearListHighlight();
    grid.SetRow(row);
    grid.SetCol(0);
    ListRowBackColor = grid.CellBackColor();
    ListRowForeColor = grid.CellForeColor();
    for (int c = 0; c <= 1; ++c) {
        grid.SetCellBackColorAt(row, c, SelectedColour(immediateDisplay_));
        grid.SetCellForeColorAt(row, c, QBColor(15));
    }
    grid.SetCol(1);
    SelectedListRow = row;
}

void MDIForm1::ClearListHighlight() {
    if (SelectedListRow == 0) return;
    FlexGrid& grid = *MSF全Grid2;
    const int r = SelectedListRow;
    grid.SetCellBackColorAt(r, 1, WindowBackColor());
    grid.SetCellForeColorAt(r, 1, grid.TextMatrix(r, 0).empty() ? QBColor(12) : QBColor(0));
    grid.SetCellBackColorAt(r, 0, ListRowBackColor);
    grid.SetCellForeColorAt(r, 0, ListRowForeColor);
    SelectedListRow = 0;
}

void MDIForm1::ClearMyFileHighlight() {
    if (SelectedFileRow == 0) return;
    MSFGrid1->SetCellBackColorAt(SelectedFileRow, 1, WindowBackColor());
    MSFGrid1->SetCellForeColorAt(SelectedFileRow, 1, QBColor(0));
    SelectedFileRow = 0;
}

// The highlighted row is painted by its number rather than through the
// current cell: a refill of the grid moves the current cell to the title row.
void MDIForm1::MarkMyFileRowShown() {
    if (SelectedFileRow == 0) return;
    MSFGrid1->SetCellBackColorAt(SelectedFileRow, 1, ShownColour(immediateDisplay_));
}

void MDIForm1::MarkListRowShown() {
    if (SelectedListRow == 0) return;
    for (int c = 0; c <= 1; ++c) MSF全Grid2->SetCellBackColorAt(SelectedListRow, c, ShownColour(immediateDisplay_));
    MSF全Grid2->SetCol(1);
}

// ---------------------------------------------------------------- immediate-display toggle

void MDIForm1::ShowPressedLook(QWidget* image) {
    // One pressed look serves the layout switch and the toggle: it covers
    // the image pressed, 15 twips lower.  The image itself stays under it,
    // keeping the mouse until the button is released.
    if (auto* label = qobject_cast<QLabel*>(image)) Picture8->setText(label->text());
    MoveTwips(Picture8, LeftOf(image), TopOf(image) + 15, WidthOf(image), HeightOf(image));
    Picture8->show();
    Picture8->raise();
}

void MDIForm1::ShowToggleImage() {
    const bool rowShown = ListLayout != kFileGridAlone;
    Picture5->setVisible(rowShown && !immediateDisplay_);
    Picture6->setVisible(rowShown && immediateDisplay_);
}

void MDIForm1::SwitchImmediateDisplay(bool on) {
    immediateDisplay_ = on;
    // A row still selected takes the selected colour of the new palette,
    // anything else the shown colour.
    auto recolour = [on](Color now) { return now == SelectedColour(!on) ? SelectedColour(on) : ShownColour(on); };
    if (SelectedFileRow != 0) {
        MSFGrid1->SetCellBackColorAt(SelectedFileRow, 1, recolour(MSFGrid1->CellBackColorAt(SelectedFileRow, 1)));
    }
    if (SelectedListRow != 0) {
        FlexGrid& grid = *MSF全Grid2;
        const Color colour = recolour(grid.CellBackColorAt(SelectedListRow, 1));
        grid.SetCellBackColorAt(SelectedListRow, 1, colour);
        grid.SetCellBackColorAt(SelectedListRow, 0, colour);
        grid.SetCol(0);
    }
    Picture8->hide();
    ShowToggleImage();
    FocusToolbarStrip();
}

void MDIForm1::Picture5_MouseDown() { ShowPressedLook(Picture5); }

void MDIForm1::Picture6_MouseDown() { ShowPressedLook(Picture6); }

void MDIForm1::Picture5_MouseUp() { SwitchImmediateDisplay(true); }

void MDIForm1::Picture6_MouseUp() { SwitchImmediateDisplay(false); }

// ---------------------------------------------------------------- daily / weekly

void MDIForm1::Option1_Click() {
    Program().collection.WebDataFetched = 0;
    SetForeColor(Option1, QBColor(12));
    SetForeColor(Option2, QBColor(0));
    FocusToolbarStrip();
}

void MDIForm1::Option2_Click() {
    Program().collection.WebDataFetched = 0;
    SetForeColor(Option2, QBColor(12));
    SetForeColor(Option1, QBColor(0));
    FocusToolbarStrip();
}

// ---------------------------------------------------------------- keyboard

void MDIForm1::MoveCurrentRow(int by) {
    FlexGrid& grid = *ActiveGrid;
    const int row = grid.Row();
    if (by > 0) {
        if (row >= grid.Rows() - 1) return;
        grid.SetRow(row + 1);
        const int margin = ShowsBothScrollBars(grid) ? 480 : 240;
        if (HeightOf(&grid) <= grid.RowPos(grid.Row()) + margin) grid.SetTopRow(grid.TopRow() + 1);
    } else {
        if (row <= 1) return;
        grid.SetRow(row - 1);
        if (grid.TopRow() == grid.Row() + 1) grid.SetTopRow(grid.Row());
    }
    if (&grid == MSF全Grid2) {
        SelectListRow();
        if (immediateDisplay_) MSF全Grid2_DblClick();
    } else {
        SelectMyFileRow();
        if (immediateDisplay_) MSFGrid1_DblClick();
    }
}

void MDIForm1::Picture1_KeyDown(int keyCode, int shift) {
    switch (keyCode) {
        case 40:
            GridPressY = 255;
            MoveCurrentRow(+1);
            return;
        case 38:
            MoveCurrentRow(-1);
            return;
        case 13:
            if (ActiveGrid == MSF全Grid2) {
                MSF全Grid2_DblClick();
            } else {
                MSFGrid1_DblClick();
            }
            return;
        default: break;
    }
    // The data maintenance window and the company results window name
    // themselves in the caption while they are the active child: the chart
    // keys are not theirs.
    const QString caption = windowTitle();
    if (caption.contains("株価データ保守") || caption.contains("業績情報")) return;
    switch (keyCode) {
        case 37:
        case 39: {
            // Only a chart window has the scroll bar; without one the keys
            // have nothing to move.
            ChildForm* child = ActiveChild();
            QScrollBar* bar = child != nullptr ? child->findChild<QScrollBar*>("HScroll1") : nullptr;
            if (bar == nullptr) return;
            const int s = bar->singleStep();
            const int v = bar->value();
            if (keyCode == 37) {
                if (v > 3 * s) {
                    bar->setValue(v - s);
                } else if (v >= 2 * s) {
                    bar->setValue(14);
                }
            } else {
                const int m = bar->maximum();
                if (v < m - s) {
                    bar->setValue(v + s);
                } else if (v < m) {
                    bar->setValue(m);
                }
            }
            return;
        }
        case 88:
            if (!Picture11->isHidden()) {
                if (CollectionPanelBase* panel = CollectionPanel()) panel->終了_MouseUp(1, 1);
            }
            return;
        case 77:
            if (shift == 0 && !Picture2->isHidden()) Picture7_MouseUp();
            return;
        case 78:
            if (shift == 0 && !Picture2->isHidden()) {
                if (immediateDisplay_) {
                    Picture6_MouseDown();
                    Picture6_MouseUp();
                } else {
                    Picture5_MouseDown();
                    Picture5_MouseUp();
                }
            }
            return;
        default: return;
    }
}

}  // namespace ranvik
