// Form2's operation states as the window shows them: enabling, the reset, and the main window's requests.
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "core/main_window.h"
#include "core/program_state.h"
#include "maintenance/form2.h"
#include "maintenance/form2_internal.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/text_box.h"

namespace ranvik {

using namespace form2_internal;

// ---------------------------------------------------------------- enabling

void Form2::SetOperationEnabled(const OperationControls& c, bool enableOnly) {
    auto set = [&](bool on, std::initializer_list<QPushButton*> buttons, int item) {
        if (enableOnly && !on) return;
        for (QPushButton* b : buttons) b->setEnabled(on);
        if (item > 0) Item("mnuOperItem", item).SetEnabled(on);
    };
    set(c.display, {表示CMD}, 1);
    set(c.add, {追加CMD}, 2);
    set(c.modify, {修正CMD}, 3);
    set(c.remove, {削除CMD}, 4);
    set(c.newFile, {新ファイルCMD}, 5);
    set(c.fileDelete, {銘柄削除CMD}, 7);
    set(c.range, {範囲指定BTN, 範囲削除BTN}, 0);
    if (enableOnly && c.correction) Item("mnuOperItem", 11).SetEnabled(true);
}

void Form2::EnableOperationMenus() { SetOperationEnabled(EnabledWhenIdle(!DataFilePath.empty()), true); }

void Form2::EnableOperationButtons() {
    SetOperationEnabled(KeptDuring(OperationState, !DataFilePath.empty()), false);
    // The correction panel gives way to the operation; its item keeps the
    // mark, so that the reset shows the panel again.
    const MenuItem correction = Item("mnuOperItem", 11);
    if (correction.Enabled()) {
        correction.SetEnabled(false);
        Frame2->hide();
    }
}

void Form2::ShowHover(QPushButton* button) {
    SetBackColor(button, kButtonHover);
    HoverActive = kTrue;
}

void Form2::SetGridColor(Color color) { FGrid1->SetBackColor(color); }

// ---------------------------------------------------------------- requests

void Form2::FG1Text6_Change() {
    if (FG1Text6.Text().empty()) return;
    SelectListedFile();
    auto& selection = Program().selection;
    if (!selection.ChartLoadMode.empty() && selection.ChartLoadMode[0] == 'd') {
        if (OperationState == kIdle) LoadStockFile(0);
        selection.ChartLoadMode.clear();
    }
    FG1Text6.SetText("");
}

void Form2::SelectListedFile() {
    MDIForm1* main = Program().windows.MainForm;
    if (OperationState != kIdle || main == nullptr) return;
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
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1->setText(QString::fromStdString(DisplayName + Program().selection.CurrentUnitText));
    Label1->adjustSize();
    if (DataFilePath != LoadedFilePath) {
        // Another file than the shown one: it can be loaded or deleted,
        // nothing else; the display button keeps its state.
        SetForeColor(Label1, kCaptionOtherFile);
        銘柄削除CMD->setEnabled(true);
        Item("mnuOperItem", 7).SetEnabled(true);
        for (QPushButton* b : {追加CMD, 削除CMD, 修正CMD, 新ファイルCMD, 範囲削除BTN, 範囲指定BTN}) b->setEnabled(false);
        for (int item : {2, 4, 3, 5}) Item("mnuOperItem", item).SetEnabled(false);
    } else {
        SetForeColor(Label1, kCaptionShown);
        EnableOperationMenus();
    }
}

// ---------------------------------------------------------------- buttons

void Form2::表示CMD_Click() { LoadStockFile(0); }

void Form2::Command1_Click() { LoadStockFile(FGrid1->TopRow()); }

void Form2::mnu逆表示_Click(int index) {
    const MenuItem item = Item("mnu逆表示", index);
    if (!item.Exists()) return;
    item.SetChecked(!item.Checked());
    if (!DataFilePath.empty()) LoadStockFile(0);
}

void Form2::修正CMD_Click() {
    const auto next = StateAfter(OperationState, StateEvent::ModifyButton);
    if (!next) return;
    if (OperationState == kModifyEditing) {
        Text1->setFocus();
        return;
    }
    if (DataFilePath.empty()) return;
    EntryText.clear();
    OperationState = *next;
    EnableOperationButtons();
    SetGridColor(kGridBusyColor);
    FGrid1->setFocus();
}

// ---------------------------------------------------------------- reset

bool Form2::HeaderOnlyFileDeleted() {
    SetGridHeader();
    if (!DeleteFile(DataFilePath)) {
        ShowMessage(NotDeletedMessage(SelectedFileName), kWindowTitle);
        return false;
    }
    SetForeColor(Label1, kCaptionEmptied);
    Label1->setText(QString::fromStdString(DisplayName + " Deleted"));
    Label1->adjustSize();
    if (MDIForm1* main = Program().windows.MainForm) main->FillDataFileList(Program().app.AppDir);
    DataFilePath.clear();
    // Nothing is left to add a row to.
    追加CMD->setEnabled(false);
    Item("mnuOperItem", 2).SetEnabled(false);
    return true;
}

void Form2::リセットCMD_Click() {
    if (!StateAfter(OperationState, StateEvent::Reset)) {
        // Idle: the reset only takes the mark off the marked row.
        if (MarkedRow != 0) {
            FGrid1->SetRow(MarkedRow);
            MarkRow(MarkedRow, QBColor(0));
            MarkedRow = 0;
        }
        return;
    }
    // 1.
    Text1->hide();
    const int top = FGrid1->TopRow();
    // 2.
    switch (OperationState) {
        case kAddChosen:
        case kAddEditing: {
            OperationState = kIdle;
            // A file that holds nothing but its header had its first row
            // abandoned: it goes again.  Only a whole header counting itself
            // alone says so; anything else is shown as it is.
            int count = 0;
            try {
                RecordFile file;
                if (FileExists(DataFilePath)) {
                    file.Open(DataFilePath, QuoteRecord::kLength, FileAccess::ReadOnly);
                    if (const auto header = file.ReadWhole(1)) count = QuoteRecord::Decode(*header).RecordNo;
                }
            } catch (const FileError&) {
                count = 0;
            }
            if (count == 1) {
                if (!HeaderOnlyFileDeleted()) LoadStockFile(top);
            } else {
                LoadStockFile(top);
            }
            SetBackColor(追加CMD, kButtonEnded);
            break;
        }
        case kModifyChosen:
        case kModifyEditing:
            SetBackColor(修正CMD, kButtonEnded);
            SetGridColor(kGridIdleColor);
            break;
        case kDeleteChosen:
        case kDeleteAsking:
            SetBackColor(削除CMD, kButtonEnded);
            SetGridColor(kGridIdleColor);
            break;
        case kNewFileOpen:
            Frame4->hide();
            Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            SetForeColor(Label1, kCaptionShown);
            Label1->setText(QString::fromStdString(DisplayName + Program().selection.CurrentUnitText));
            Label1->adjustSize();
            DataFilePath = OriginalFilePath;
            if (!DataFilePath.empty()) LoadStockFile(top);
            SetBackColor(新ファイルCMD, kButtonEnded);
            break;
        case kRangeChosen:
        case kRangeUnderWay: {
            Text3->clear();
            Text4->clear();
            SetGridColor(kGridIdleColor);
            // Ranges deleted so far went into the work file only: it goes,
            // and the untouched file is shown again.  Nothing but the work
            // file is ever deleted here.
            const std::string workFile = Program().app.AppDir + "Work.KDT";
            if (!OriginalFilePath.empty()) {
                if (DataFilePath == workFile) DeleteFile(DataFilePath);
                DataFilePath = OriginalFilePath;
                OriginalFilePath.clear();
                LoadStockFile(top);
            }
            範囲削除保存BTN->setEnabled(false);
            break;
        }
        default: break;
    }
    // 3.
    if (Item("mnuOperItem", 11).Checked()) {
        Frame2->show();
        Frame2->raise();
    }
    // 4.
    OperationState = kIdle;
    EnableOperationMenus();
}

}  // namespace ranvik
