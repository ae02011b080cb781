// The record grid's clicks and presses by operation state, the row mark, and the cell editor's place.
#include <QMenu>
#include <QPushButton>

#include "core/program_state.h"
#include "maintenance/correction_points.h"
#include "maintenance/form2.h"
#include "maintenance/form2_internal.h"
#include "maintenance/record_entries.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/keys.h"
#include "platform/ui/popup_menu_service.h"
#include "platform/ui/text_box.h"
#include "platform/ui/twips.h"

namespace ranvik {

using namespace form2_internal;

void Form2::MarkRow(int row, Color color) {
    for (int c = 1; c < FGrid1->Cols(); ++c) FGrid1->SetCellForeColorAt(row, c, color);
}

void Form2::PlaceEditor(int left, int top, int width, int height) {
    MoveTwips(Text1, left, top, width, height);
    Text1->raise();
}

void Form2::PlaceEditorOverCurrentCell() {
    // The cell comes into view first, so that the editor lies on it; that
    // scroll is the window's own and leaves the operation as it is.
    placingEditor_ = true;
    FGrid1->ShowCell(FGrid1->Row(), FGrid1->Col());
    placingEditor_ = false;
    const int border = PixelsToTwips(FGrid1->frameWidth());
    PlaceEditor(LeftOf(FGrid1) + border + FGrid1->CellLeft(), TopOf(FGrid1) + border + FGrid1->CellTop(),
                FGrid1->CellWidth(), FGrid1->CellHeight());
}

void Form2::FGrid1_Click() {
    const int r = FGrid1->Row();
    // 1.
    if (r < 1) return;
    // 2.
    if (OperationState == kIdle && !DataFilePath.empty() && r != MarkedRow) {
        if (MarkedRow != 0) MarkRow(MarkedRow, QBColor(0));
        MarkRow(r, kMarkedRowText);
        MarkedRow = r;
    }
    // 3.
    if (IsAddState(OperationState)) {
        // Only the new row, and only the column being entered, can take the
        // editor.
        const int newRow = NewRowIndex(ShownLayout());
        if (r != newRow) {
            FGrid1->SetRow(newRow);
            FGrid1->SetCol(EditColumn);
            if (Text1->isVisible()) Text1->setFocus();
            return;
        }
        FGrid1->SetCol(EditColumn);
        EditColumnWidth = FGrid1->ColWidth(EditColumn);
        PlaceEditorOverCurrentCell();
        Text1->show();
        Text1->setFocus();
        OperationState = *StateAfter(OperationState, StateEvent::NewRowClick);
        return;
    }
    if (IsModifyState(OperationState)) {
        // A row below the last record shows none, and the header row's date
        // belongs to no bar: nothing there can change.
        const int record = RecordOfGridRow(r);
        if (record == 0 || (record == 1 && FGrid1->Col() == 1)) {
            Beep();
            Text1->hide();
            OperationState = kModifyChosen;
            return;
        }
        PlaceEditorOverCurrentCell();
        Text1->setText(QString::fromStdString(FGrid1->Text()));
        // What is typed replaces the cell's text.
        Text1->selectAll();
        Text1->show();
        Text1->setFocus();
        EditColumn = FGrid1->Col();
        EditColumnWidth = FGrid1->ColWidth(EditColumn);
        OperationState = *StateAfter(OperationState, StateEvent::CellClick);
        return;
    }
    // While the correction panel's item has its mark, a click picks a
    // correction point, even when an operation has hidden the panel.
    if (Item("mnuOperItem", 11).Checked()) {
        PickCorrectionPoint(r);
        return;
    }
    if (IsDeleteState(OperationState)) {
        const int record = RecordOfGridRow(r);
        if (Program().app.AdminMode == kTrue) {
            RecordIndex = RowNumberOf(FGrid1->TextMatrix(r, 0));
            if (record == 1) return;
        }
        if (record < 2) {
            Beep();
            return;
        }
        FGrid1->SetCol(1);
        placingEditor_ = true;
        FGrid1->ShowCell(r, 1);
        placingEditor_ = false;
        const int border = PixelsToTwips(FGrid1->frameWidth());
        PlaceEditor(LeftOf(FGrid1) + border + FGrid1->CellLeft(), TopOf(FGrid1) + border + FGrid1->CellTop(),
                    WidthOf(FGrid1) - kDeleteQuestionMargin, FGrid1->CellHeight());
        Text1->setText(kDeleteQuestion);
        Text1->show();
        Text1->setFocus();
        OperationState = *StateAfter(OperationState, StateEvent::CellClick);
    }
}

void Form2::FGrid1_MouseDown(int button, int, double x, double y) {
    if (button == kRightButton) {
        const int border = FGrid1->frameWidth();
        ShowPopupMenu(mnuOper, FGrid1->mapToGlobal(QPoint(TwipsToPixels(x) + border, TwipsToPixels(y) + border)));
        return;
    }
    if (const auto next = StateAfter(OperationState, StateEvent::RangePress)) {
        // The first bound goes into Text3, every further one into Text4.
        const QString number = QString::fromStdString(FGrid1->TextMatrix(FGrid1->Row(), 0));
        (Text3->text().isEmpty() ? Text3 : Text4)->setText(number);
        OperationState = *next;
    }
}

void Form2::FGrid1_Scroll() {
    if (placingEditor_) return;
    Text1->hide();
    if (const auto next = StateAfter(OperationState, StateEvent::Scroll)) OperationState = *next;
}

std::optional<Form2::GridPoint> Form2::PointOfGridRow(int r) const {
    if (r < 1 || r >= FGrid1->Rows()) return std::nullopt;
    // The older neighbour: above in the oldest-first order, below when the
    // newest comes first.
    const int older = shownNewestFirst_ ? r + 1 : r - 1;
    const int record = RecordOfGridRow(r);
    const int olderRecord = older >= 1 && older < FGrid1->Rows() ? RecordOfGridRow(older) : 0;
    if (record < 2 || olderRecord < 2) return std::nullopt;
    const std::optional<float> prev = EntryNumber(FGrid1->TextMatrix(older, 2));
    const std::optional<float> cur = EntryNumber(FGrid1->TextMatrix(r, 2));
    if (!prev || !cur) return std::nullopt;
    std::optional<std::string> multiplier = JumpMultiplier(*prev, *cur);
    if (!multiplier) return std::nullopt;
    return GridPoint{record, *multiplier};
}

void Form2::PickCorrectionPoint(int r) {
    if (IsAddState(OperationState) || IsModifyState(OperationState)) return;
    const std::optional<float> listed = EntryNumber(FGrid3->TextMatrix(0, 0));
    const int k = listed ? static_cast<int>(*listed) : 0;
    const std::optional<GridPoint> point = PointOfGridRow(r);
    // A point needs a bar after a jump, a multiplier that can be stored and
    // a row of the table to go in.
    if (!point || k < 0 || k + 1 > 4) {
        Beep();
        return;
    }
    const int row = k + 1;
    FGrid3->SetTextMatrix(row, 1, FGrid1->TextMatrix(r, 1));
    FGrid3->SetTextMatrix(row, 0, std::to_string(row));
    FGrid3->SetTextMatrix(row, 3, std::to_string(point->record));
    FGrid3->SetTextMatrix(row, 2, point->multiplier);
    チャート補正保存->setEnabled(true);
}

}  // namespace ranvik
