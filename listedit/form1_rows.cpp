// The edit buttons and the row operations: modify, insert, delete, move
// (cut and paste) and reset, the operation state EditMode that ties them
// together, and the buttons' looks.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "listedit/editor_state.h"
#include "listedit/form1.h"
#include "platform/lists/list_table.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/values.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/label_button.h"
#include "platform/ui/menu_items.h"

namespace ranvik::listedit {

namespace {

// A cut row without section and unit (a heading line) carries this mark
// in both.
constexpr int kNoSection = 99;

// A text as its record field holds it: cut to the width or filled with
// blanks.
std::string Fitted(const std::string& text, std::size_t width) { return UnpackField(PackField(text, width)); }

}  // namespace

bool Form1::StockTableShown() const { return stockTableOpen_; }

// ---------------------------------------------------------------- looks

void Form1::NormalButtonLook(LabelButton* button) {
    if (QLabel* back = BackLabelOf(button)) SetBackColor(back, kBackLabelNormal);
    SetBackColor(button, kButtonNormal);
}

void Form1::HoverButtonLook(LabelButton* button) {
    if (QLabel* back = BackLabelOf(button)) SetBackColor(back, kBackLabelHover);
    SetBackColor(button, QBColor(15));
}

void Form1::EditButton_MouseMove(LabelButton* button, int mouseButton) {
    if (mouseButton == 0) HoverButtonLook(button);
}

void Form1::EditButton_MouseDown(LabelButton* button) {
    if (QLabel* back = BackLabelOf(button)) SetBackColor(back, kBackLabelPressed);
    PressedButton = button;
    PressButtonLook();
}

void Form1::EditButton_MouseUp(LabelButton* button) {
    if (QLabel* back = BackLabelOf(button)) SetBackColor(back, kBackLabelHover);
    ReleaseButtonLook();
}

void Form1::PressButtonLook() {
    if (PressedButton == nullptr) return;
    const TwipsRect place = ButtonPlace(PressedButton);
    ButtonTop = place.top;
    ButtonLeft = place.left;
    ButtonWidth = place.width;
    ButtonHeight = static_cast<std::int16_t>(RoundHalfEven(place.height));
    SetButtonPlace(PressedButton, {place.left + 8, place.top + 8, place.width - 15, place.height - 5});
}

void Form1::ReleaseButtonLook() {
    if (PressedButton == nullptr) return;
    SetButtonPlace(PressedButton, {ButtonLeft, ButtonTop, ButtonWidth, static_cast<double>(ButtonHeight)});
}

// ---------------------------------------------------------------- operations

void Form1::修正BTN_Click() {
    if (!StockTableShown()) return;
    if (EditMode != kNoOperation || SelectedRow >= MSFGrid1->Rows() - 1) return;
    if (SelectedRow == 0) {
        EditMode = kModifyCell;
        CloseMenus();
        for (LabelButton* b : {行追加BTN, 行削除BTN, 行移動BTN}) b->setEnabled(false);
        return;
    }
    if (!MSFGrid1->TextMatrix(SelectedRow, SelectedCol).empty()) {
        EditMode = kModifyCell;
        MSFGrid1->SetRow(SelectedRow);
        MSFGrid1->SetCol(SelectedCol);
        CloseMenus();
        for (LabelButton* b : {行追加BTN, 行削除BTN, 行移動BTN}) b->setEnabled(false);
        PlaceEditor(SelectedRow, SelectedCol);
        Text2->show();
        Text2->setText(QString::fromStdString(MSFGrid1->TextMatrix(SelectedRow, SelectedCol)));
        Text2->setFocus();
        return;
    }
    ShowMessage("911, この部分は変更できません。", std::string(kTitleBlank), MessageIcon::Exclamation);
    NormalButtonLook(修正BTN);
}

void Form1::行追加BTN_Click() {
    if (!StockTableShown()) return;
    if (EditMode != kNoOperation && EditMode != kMoveRow) return;
    InsertRow();
}

void Form1::InsertRow() {
    // 1.
    if (SelectedRow == 0) {
        ShowMessage("912, 追加行を指定して下さい。", std::string(kTitleBlank), MessageIcon::Exclamation);
        NormalButtonLook(行追加BTN);
        return;
    }
    // 2.
    SelectedCol = 1;
    MSFGrid1->SetRow(SelectedRow);
    CloseMenus();
    for (LabelButton* b : {修正BTN, 行削除BTN, 行移動BTN}) b->setEnabled(false);
    // 3.  Texts move down; cell colours stay where they are.
    MSFGrid1->SetRows(MSFGrid1->Rows() + 1);
    for (int i = MSFGrid1->Rows() - 1; i >= SelectedRow; --i) CopyRowTexts(i, i - 1);
    for (int col = 1; col < MSFGrid1->Cols(); ++col) MSFGrid1->SetTextMatrix(SelectedRow, col, "");
    // 4.  The first step of a paste ends here.
    if (EditMode == kMoveRow) return;
    // 5.
    for (int col = 1; col < MSFGrid1->Cols(); ++col) MSFGrid1->SetCellBackColorAt(SelectedRow, col, kNewRowBack);
    EditMode = kAddRow;
    PlaceEditor(SelectedRow, 1);
    Text2->show();
    Text2->clear();
    Text2->setFocus();
}

void Form1::行削除BTN_Click() {
    if (!StockTableShown()) return;
    if (EditMode != kNoOperation) return;
    if (SelectedRow == 0) {
        ShowMessage("913, 削除行を指定して下さい。", std::string(kTitleBlank), MessageIcon::Exclamation);
    } else if (SelectedRow < MSFGrid1->Rows() - 1) {
        MSFGrid1->SetRow(SelectedRow);
        const std::string question = "915, 銘柄コード : " + MSFGrid1->TextMatrix(SelectedRow, 1) + " --- 削除OK ?";
        if (ShowMessage(question, std::string(kTitleBlank), MessageIcon::Exclamation, MessageButtons::YesNo) ==
            MessageAnswer::Yes) {
            EditMode = kDeleteRow;
            EndEditOperation();
            ListModified = true;
            mnuFileItem->SetEnabled(1, true);
            RefreshCaption();
        }
    }
    NormalButtonLook(行削除BTN);
}

void Form1::行移動BTN_Click() {
    if (!StockTableShown()) return;
    if (EditMode != kNoOperation) return;
    if (SelectedRow == 0) {
        ShowMessage("913, 移動行を指定して下さい。", std::string(kTitleBlank), MessageIcon::Exclamation);
        NormalButtonLook(行移動BTN);
        return;
    }
    if (SelectedRow >= MSFGrid1->Rows() - 1) return;
    MSFGrid1->SetRow(SelectedRow);
    EditMode = kMoveRow;
    EndEditOperation();
    // The place the row was cut from: closing the window puts it back here.
    SelectedRow = MSFGrid1->Row();
    ListModified = true;
    RefreshCaption();
    CloseMenus();
    for (LabelButton* b : {修正BTN, 行削除BTN, 行追加BTN, リセットBTN}) b->setEnabled(false);
    EditMode = kMoveRow;
}

void Form1::PasteCutRow(int row) {
    // 1.
    SelectedRow = row;
    InsertRow();
    // 2.
    const ListEntry& cut = Editor().EntryBuf;
    MSFGrid1->SetTextMatrix(row, 1, cut.Code);
    // Shown as a loaded name is, without the blanks that pad its field.
    MSFGrid1->SetTextMatrix(row, 2, TrimRight(cut.StockName));
    MSFGrid1->SetTextMatrix(row, 3, cut.Market);
    if (cut.Section != kNoSection) {
        MSFGrid1->SetTextMatrix(row, 4, std::to_string(cut.Section));
        MSFGrid1->SetTextMatrix(row, 5, std::to_string(cut.TradingUnit));
        MSFGrid1->SetTextMatrix(row, 6, cut.UNI);
    }
    // 3.
    行移動BTN->setEnabled(true);
    NormalButtonLook(行移動BTN);
    for (LabelButton* b : {修正BTN, 行削除BTN, 行追加BTN, リセットBTN}) b->setEnabled(true);
    mnuFileItem->SetEnabled(1, true);
    EnableListItems();
    SelectedRow = 0;
    EditMode = kNoOperation;
}

void Form1::KeepCutRow(int row) {
    ListEntry& buf = Editor().EntryBuf;
    buf.Code = Fitted(MSFGrid1->TextMatrix(row, 1), ListEntry::kCodeWidth);
    buf.StockName = Fitted(MSFGrid1->TextMatrix(row, 2), ListEntry::kNameWidth);
    buf.Market = Fitted(MSFGrid1->TextMatrix(row, 3), ListEntry::kMarketWidth);
    if (!MSFGrid1->TextMatrix(row, 4).empty()) {
        // Texts a heading typed as "****" may carry are held at the fields'
        // limits, as a save would hold them.
        buf.Section = SectionFromCell(MSFGrid1->TextMatrix(row, 4));
        buf.TradingUnit = UnitFromCell(MSFGrid1->TextMatrix(row, 5));
        buf.UNI = Fitted(MSFGrid1->TextMatrix(row, 6), ListEntry::kUniWidth);
    } else {
        buf.Section = kNoSection;
        buf.TradingUnit = kNoSection;
    }
}

void Form1::RemoveSelectedRow() {
    MSFGrid1->SetRow(SelectedRow);
    if (EditMode == kMoveRow) KeepCutRow(SelectedRow);
    NormalRowLook(SelectedRow);
    for (int i = SelectedRow + 1; i <= MSFGrid1->Rows() - 1; ++i) CopyRowTexts(i - 1, i);
    MSFGrid1->SetRows(MSFGrid1->Rows() - 1);
    SelectedRow = 0;
}

void Form1::EndEditOperation() {
    // 1.
    switch (EditMode) {
        case kAddRow:
        case kDeleteRow:
        case kMoveRow: RemoveSelectedRow(); break;
        case kModifyCell:
            if (SelectedRow != 0) {
                NormalRowLook(SelectedRow);
                SelectedRow = 0;
            }
            break;
        case kNoOperation:
            if (SelectedRow != 0) {
                NormalCellLook(SelectedRow, SelectedCol);
                SelectedRow = 0;
                SelectedCol = 0;
            }
            break;
        default: break;
    }
    // 2.
    if (ListModified) mnuFileItem->SetEnabled(1, true);
    EnableListItems();
    for (LabelButton* b : {修正BTN, 行追加BTN, 行削除BTN, 行移動BTN}) b->setEnabled(true);
    for (LabelButton* b : {修正BTN, 行追加BTN, リセットBTN}) NormalButtonLook(b);
    Text2->hide();
    SelectedCol = 0;
    EditMode = kNoOperation;
}

void Form1::リセットBTN_Click() {
    if (!StockTableShown()) return;
    EndEditOperation();
}

}  // namespace ranvik::listedit
