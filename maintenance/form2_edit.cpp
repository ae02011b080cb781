// The cell editor's keys and the record changes they commit: adding, modifying, moving and deleting rows.
#include <QPushButton>

#include "core/program_state.h"
#include "maintenance/form2.h"
#include "maintenance/form2_internal.h"
#include "maintenance/record_entries.h"
#include "maintenance/record_store.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/dates.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/text_box.h"

namespace ranvik {

using namespace form2_internal;

namespace {

bool Admin() { return Program().app.AdminMode == kTrue; }

int HeaderCountOf(RecordFile& file) {
    const auto bytes = file.ReadWhole(1);
    if (!bytes) throw FileError("the stock data file " + file.Path() + " has no header");
    return QuoteRecord::Decode(*bytes).RecordNo;
}

}  // namespace

// ---------------------------------------------------------------- keys

void Form2::Text1_KeyPress(int& keyAscii) {
    // Enter is acted on at its release; swallowed here, the box does not
    // beep.
    if (keyAscii == 13) keyAscii = 0;
}

void Form2::Text1_KeyUp(int keyCode, int) {
    EntryText = Trim(Text1->text().toStdString());
    const bool editing = OperationState == kAddEditing || OperationState == kModifyEditing;
    // 1.
    if (keyCode == 13 && EditColumn == 1 && OperationState != kDeleteAsking) {
        if (!IsAcceptedDate(EntryText)) {
            Beep();
            return;
        }
        if (editing) ChangeRowDate();
        return;
    }
    // 2. Digits typed in the date column get their slashes.
    if (IsTypingAidKey(keyCode)) {
        if (!editing) return;
        CaretPos = static_cast<int>(CharCount(EntryText));
        if (EditColumn == 1 && (CaretPos == 2 || CaretPos == 5)) {
            EntryText += "/";
            Text1->setText(QString::fromStdString(EntryText));
            Text1->SetSelStart(CaretPos + 1);
        }
        return;
    }
    // 3.
    if (keyCode == 13) {
        switch (OperationState) {
            case kAddEditing:
                if (!EntryText.empty()) {
                    FGrid1->SetText(EntryText);
                    StoreEnteredRow();
                }
                break;
            case kDeleteAsking:
                削除CMD_Click();
                SetBackColor(削除CMD, kButtonEnded);
                break;
            case kModifyEditing: CommitCell(); break;
            default: break;
        }
        return;
    }
    // 4.
    if (!IsQuietKey(keyCode)) Beep();
}

// ---------------------------------------------------------------- adding

void Form2::OpenEditorOnNewRowColumn(int column) {
    FGrid1->SetRow(NewRowIndex(ShownLayout()));
    FGrid1->SetCol(column);
    EditColumn = FGrid1->Col();
    EditColumnWidth = FGrid1->ColWidth(EditColumn);
    PlaceEditorOverCurrentCell();
}

void Form2::追加CMD_Click() {
    const auto next = StateAfter(OperationState, StateEvent::AddButton);
    if (OperationState == kAddEditing) {
        Text1->setFocus();
        return;
    }
    // The new row follows the rows of the file the grid shows.
    if (DataFilePath.empty() || DataFilePath != LoadedFilePath) return;
    OperationState = kAddChosen;
    EntryText.clear();
    NewRowDate = "        ";
    NewRowValues.fill(0);
    const int newRow = NewRowIndex(ShownLayout());
    FGrid1->SetRows(newRow + 1);
    FGrid1->SetRow(newRow);
    FGrid1->SetCol(1);
    for (int c = 1; c <= 8; ++c) FGrid1->SetCellBackColorAt(newRow, c, kNewRowCell);
    OpenEditorOnNewRowColumn(1);
    Text1->setText(QString::fromStdString(FormatMmDdYy(Today())));
    // What is typed replaces the proposed text.
    Text1->selectAll();
    Text1->show();
    Text1->setFocus();
    OperationState = *next;
    EnableOperationButtons();
}

void Form2::StoreEnteredRow() {
    // 1.
    const std::optional<float> number = EntryNumber(EntryText);
    const float value = number.value_or(0);
    // 2. A refused value keeps the editor on its column, without a beep.
    int next = EditColumn;
    bool complete = false;
    switch (EditColumn) {
        case 1:
            NewRowDate = UnpackField(PackField(EntryText, 8));
            next = 2;
            break;
        case 2:
        case 3:
        case 4:
        case 5:
            NewRowValues[static_cast<std::size_t>(EditColumn - 2)] = value;
            if (value != 0) next = EditColumn + 1;
            break;
        case 6:
        case 7:
            NewRowValues[static_cast<std::size_t>(EditColumn - 2)] = value;
            if (number) next = EditColumn + 1;
            break;
        case 8:
            if (number) {
                NewRowValues[6] = value;
                complete = true;
            }
            break;
        default: break;
    }
    // 3.
    if (!complete) {
        OpenEditorOnNewRowColumn(next);
        Text1->setText(" ");
        Text1->selectAll();
        Text1->setFocus();
        EntryText.clear();
        return;
    }
    // 4.
    Text1->hide();
    try {
        RecordFile file = OpenDataFile();
        StoreNewRecord(file, NewRecord{NewRowDate, NewRowValues});
    } catch (const FileError&) {
        FileFailure();
        return;
    }
    const int top = FGrid1->TopRow();
    OperationState = *StateAfter(OperationState, StateEvent::RowStored);
    SetGridColor(kGridIdleColor);
    SetGridHeader();
    SetBackColor(追加CMD, kButtonEnded);
    LoadStockFile(top);
}

// ---------------------------------------------------------------- modifying

void Form2::CommitCell() {
    const int column = FGrid1->Col();
    // 2. An empty entry commits nothing, except that it clears a multiplier.
    if (column != 13 && EntryText.empty()) return;
    // 1.
    const int record = RecordOfGridRow(FGrid1->Row());
    const std::optional<float> number = EntryNumber(EntryText);
    // A value column takes only a number: the cell must never show a text
    // while the file holds something else.
    if (record == 0 || (column >= 2 && column <= 8 && !number)) {
        Beep();
        return;
    }
    FGrid1->SetText(EntryText);
    try {
        // Opened first only to find a file that is gone (opening for
        // writing would make one).
        OpenDataFile().Close();
        const HeaderExtremes extremes{HeaderHigh, HeaderLow, HeaderVolume, HeaderSellBalance, HeaderBuyBalance};
        CommitCellEntry(DataFilePath, record, column, EntryText, number.value_or(0), extremes, Admin());
    } catch (const FileError&) {
        FileFailure();
        return;
    }
    // 3. Open and Close hold no extreme: the grid stays as it is.  The
    // modify goes on through the idle state.
    Text1->hide();
    OperationState = kIdle;
    if (EditColumn != 2 && EditColumn != 3) LoadStockFile(FGrid1->TopRow());
    SetGridColor(kGridIdleColor);
    修正CMD_Click();
}

void Form2::ChangeRowDate() {
    // 1. Only the year is compared: a later day of this year is a date.
    if (YearOfEntry(EntryText) > Today().year) {
        Beep();
        return;
    }
    const bool adding = OperationState == kAddEditing;
    // The header row's date is no bar's, and a row below the last record
    // has no record to move.
    const int record = adding ? 0 : RecordOfGridRow(FGrid1->Row());
    if (!adding && record < 2) {
        Beep();
        return;
    }
    // 2.
    FGrid1->SetText(EntryText);
    FGrid1->setFocus();
    // 3.
    if (adding) {
        StoreEnteredRow();
        return;
    }
    // 4.
    RecordIndex = record;
    try {
        RecordFile file = OpenDataFile();
        FileRestorePoint restore(file);
        try {
            MoveRecordToDate(file, RecordIndex, EntryText);
        } catch (const FileError&) {
            restore.Restore();
            throw;
        }
    } catch (const FileError&) {
        FileFailure();
        return;
    }
    // 5. The window stays idle.
    const int top = FGrid1->TopRow();
    OperationState = *StateAfter(OperationState, StateEvent::DateCommitted);
    Text1->hide();
    SetGridColor(kGridIdleColor);
    追加CMD->setEnabled(true);
    削除CMD->setEnabled(true);
    Item("mnuOperItem", 2).SetEnabled(true);
    Item("mnuOperItem", 4).SetEnabled(true);
    LoadStockFile(top);
}

// ---------------------------------------------------------------- deleting

void Form2::削除CMD_Click() {
    const auto next = StateAfter(OperationState, StateEvent::DeleteButton);
    if (!next) return;
    if (OperationState == kIdle) {
        EntryText.clear();
        OperationState = *next;
        SetGridColor(kGridBusyColor);
        EnableOperationButtons();
        return;
    }
    // 1.
    const int record = RecordOfGridRow(FGrid1->Row());
    if (record < 2) {
        Beep();
        return;
    }
    RecordIndex = record;
    int left = 0;
    try {
        RecordFile file = OpenDataFile();
        FileRestorePoint restore(file);
        try {
            deldata(file, RecordIndex);
            chgdata(file);
            left = HeaderCountOf(file);
            Program().store.QuoteBufA = QuoteRecord::Decode(file.Read(1));
        } catch (const FileError&) {
            restore.Restore();
            throw;
        }
    } catch (const FileError&) {
        FileFailure();
        return;
    }
    const int top = FGrid1->TopRow();
    OperationState = kIdle;
    // 2., 3. The last record took the file with it.
    if (left > 1) {
        LoadStockFile(top);
    } else if (HeaderOnlyFileDeleted()) {
        削除CMD->setEnabled(false);
    } else {
        LoadStockFile(top);
    }
    // 4. Ready for the next row.
    Text1->hide();
    SetBackColor(削除CMD, kButtonEnded);
    SetGridColor(kGridIdleColor);
    削除CMD_Click();
}

void Form2::deldata(RecordFile& file, int wrno) { DeleteRecord(file, wrno); }

void Form2::chgdata(RecordFile& file) { RecomputeHeader(file); }

}  // namespace ranvik
