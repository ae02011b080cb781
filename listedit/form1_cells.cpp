// The grid under the mouse and the cell editor Text2: the hover look,
// presses by operation, the market and section popups, scrolling while a
// cell is edited, and the checks that take or refuse a typed value.
#include <QLineEdit>
#include <QMenu>

#include "listedit/cell_checks.h"
#include "listedit/editor_state.h"
#include "listedit/form1.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/values.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/popup_menu_service.h"
#include "platform/ui/twips.h"

namespace ranvik::listedit {

// Every row, the header included, counts as 240 twips for the pointer.
namespace {
constexpr int kRowTwips = 240;
}  // namespace

void Form1::MSFGrid1_MouseMove(int, int, double x, double y) {
    int r = MSFGrid1->TopRow() + static_cast<int>(Fix(y / kRowTwips)) - 1;
    if (r > MSFGrid1->Rows() - 1) r = MSFGrid1->Rows() - 1;
    int c = -1;
    double rest = x;
    for (int col = 0; col < MSFGrid1->Cols(); ++col) {
        rest -= MSFGrid1->ColWidth(col);
        if (rest < 0) {
            c = col;
            break;
        }
    }
    if (c < 0) return;
    if (r == HoverRow && c == HoverCol) return;
    // Only the selected cell keeps its colour under the pointer.
    if (HoverRow != 0 && MSFGrid1->CellBackColorAt(HoverRow, HoverCol) != kSelectedBack)
        MSFGrid1->SetCellBackColorAt(HoverRow, HoverCol, InactiveBorderColor());
    if (r >= 1 && MSFGrid1->CellBackColorAt(r, c) != kSelectedBack) MSFGrid1->SetCellBackColorAt(r, c, kHoverBack);
    HoverRow = r;
    HoverCol = c;
}

void Form1::MSFGrid1_MouseDown(int button, int, double x, double y) {
    if (button == 2) {
        auto within = [&](int col) { return MSFGrid1->ColPos(col) <= x && x <= MSFGrid1->ColPos(col) + MSFGrid1->ColWidth(col); };
        if (within(3)) ShowPopupMenu(mnuSijyou);
        else if (within(4)) ShowPopupMenu(mnuBu);
        return;
    }
    if (button != 1 || y < kRowTwips) return;
    const int r = MSFGrid1->Row();
    const int c = MSFGrid1->Col();
    switch (EditMode) {
        case kNoOperation:
            if (SelectedRow != 0) NormalCellLook(SelectedRow, SelectedCol);
            SelectedRow = r;
            SelectedCol = c;
            MSFGrid1->SetCellBackColorAt(r, c, kSelectedBack);
            break;
        case kModifyCell:
            if ((c == 1 && MSFGrid1->TextMatrix(r, 1).empty()) || r >= MSFGrid1->Rows() - 1) return;
            if (SelectedRow != 0) NormalCellLook(SelectedRow, SelectedCol);
            PlaceEditor(r, c);
            MSFGrid1->SetCellBackColorAt(r, c, QBColor(9));
            SelectedRow = r;
            SelectedCol = c;
            Text2->setText(QString::fromStdString(MSFGrid1->TextMatrix(r, c)));
            Text2->selectAll();
            Text2->show();
            Text2->setFocus();
            break;
        case kAddRow: {
            const int s = SelectedRow;
            if (r == s || r == s + 1) return;
            // The new row moves to stand directly above the pressed entry.
            const int t = r > s ? r - 1 : r;
            NormalRowLook(s);
            if (s < t) {
                for (int i = s; i <= t; ++i) CopyRowTexts(i, i + 1);
            } else {
                for (int i = s; i >= t; --i) CopyRowTexts(i, i - 1);
            }
            for (int col = 1; col < MSFGrid1->Cols(); ++col) {
                MSFGrid1->SetTextMatrix(t, col, "");
                MSFGrid1->SetCellBackColorAt(t, col, kNewRowBack);
            }
            PlaceEditor(t, 1);
            Text2->show();
            SelectedCol = 1;
            SelectedRow = t;
            Text2->setFocus();
            break;
        }
        case kMoveRow: PasteCutRow(r); break;
        default: break;
    }
}

void Form1::mnuSijyouItem_Click(int index) {
    if (SelectedCol == 3 && !Text2->isHidden() && index >= 0 && index < 12)
        Text2->setText(QString::fromStdString(Editor().MarketLetters[static_cast<std::size_t>(index)]));
}

void Form1::mnuBuItem_Click(int index) {
    if (SelectedCol == 4 && !Text2->isHidden()) Text2->setText(QString::number(index));
}

void Form1::MSFGrid1_Scroll() {
    if (EditMode != kAddRow && EditMode != kModifyCell) return;
    const int top = MSFGrid1->TopRow();
    const int offset = (SelectedRow - top) * kRowTwips;
    Text2->setVisible(SelectedRow >= top && offset <= HeightOf(MSFGrid1) - 480);
    SetLeft(Text2, EditorLeft);
    SetTop(Text2, TopOf(MSFGrid1) + 280 + offset);
}

int Form1::Text2_KeyPress(int keyAscii) { return keyAscii == 13 ? 0 : keyAscii; }

void Form1::Text2_KeyDown(int keyCode, int) {
    if (keyCode == 13) {
        const std::string text = Text2->text().toStdString();
        const std::string code = MSFGrid1->TextMatrix(SelectedRow, 1);
        MSFGrid1->SetRow(SelectedRow);
        MSFGrid1->SetCol(SelectedCol);
        if (EditMode == kAddRow) {
            if (CellValueTaken(kAddRow, SelectedCol, text, code)) {
                MSFGrid1->SetTextMatrix(SelectedRow, SelectedCol, text);
                MSFGrid1->SetCellForeColorAt(SelectedRow, SelectedCol, QBColor(12));
                Text2->clear();
                const int lastCol = Editor().AdminMode != kFalse ? 6 : 5;
                if (SelectedCol >= lastCol) {
                    EndOfAdd();
                    return;
                }
                ++SelectedCol;
                PlaceEditor(SelectedRow, SelectedCol);
            } else {
                Beep();
            }
        } else if (EditMode == kModifyCell) {
            if (!CellValueTaken(kModifyCell, SelectedCol, text, code)) {
                Beep();
                return;
            }
            if (text != MSFGrid1->TextMatrix(SelectedRow, SelectedCol)) {
                MSFGrid1->SetTextMatrix(SelectedRow, SelectedCol, text);
                ListModified = true;
            }
            NormalCellLook(SelectedRow, SelectedCol);
            Text2->hide();
            SelectedRow = 0;
        }
    }
    RefreshCaption();
}

void Form1::EndOfAdd() {
    NormalRowLook(SelectedRow);
    EditMode = kNoOperation;
    ListModified = true;
    // No row is left selected: the next operation acts on the row the user
    // picks, not on one chosen silently.
    EndEditOperation();
    RefreshCaption();
}

void Form1::RefreshCaption() {
    if (ListModified) SetCaption(BaseCaption + " - " + ListTitle);
}

// ---------------------------------------------------------------- shared steps

void Form1::NormalCellLook(int row, int col) {
    MSFGrid1->SetCellForeColorAt(row, col, QBColor(0));
    MSFGrid1->SetCellBackColorAt(row, col, InactiveBorderColor());
}

void Form1::NormalRowLook(int row) {
    for (int col = 1; col < MSFGrid1->Cols(); ++col) NormalCellLook(row, col);
}

void Form1::PlaceEditor(int row, int col) {
    MSFGrid1->SetRow(row);
    MSFGrid1->SetCol(col);
    MoveTwips(Text2, LeftOf(MSFGrid1) + MSFGrid1->CellLeft(), TopOf(MSFGrid1) + MSFGrid1->CellTop(),
              MSFGrid1->CellWidth(), MSFGrid1->CellHeight());
    EditorLeft = LeftOf(Text2);
}

void Form1::CopyRowTexts(int to, int from) {
    for (int col = 1; col <= 6; ++col) MSFGrid1->SetTextMatrix(to, col, MSFGrid1->TextMatrix(from, col));
}

}  // namespace ranvik::listedit
