// The correction table: its cell editor, which takes a point's date or
// multiplier, and its save, which writes each point's multiplier into its
// record and point 1 into the header.
#include <QPushButton>

#include "core/quote_record.h"
#include "maintenance/correction_points.h"
#include "maintenance/form2.h"
#include "maintenance/form2_internal.h"
#include "maintenance/record_entries.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/record_file.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/text_box.h"
#include "platform/ui/twips.h"

namespace ranvik {

using namespace form2_internal;

namespace {
constexpr const char* kCorrectionTitle = "ﾁｬｰﾄ補正";
bool IsNumber(const std::string& text) { return EntryNumber(text).has_value(); }
}  // namespace

// ---------------------------------------------------------------- editor

void Form2::FGrid3_Click() {
    const int row = FGrid3->Row();
    const int col = FGrid3->Col();
    if (row < 1 || col < 1) return;
    FGrid3->ShowCell(row, col);
    const int border = PixelsToTwips(FGrid3->frameWidth());
    MoveTwips(Text9, LeftOf(FGrid3) + border + FGrid3->CellLeft(), TopOf(FGrid3) + border + FGrid3->CellTop(),
              FGrid3->CellWidth(), FGrid3->CellHeight());
    Text9->setText(QString::fromStdString(FGrid3->Text()));
    // What is typed replaces the cell's text.
    Text9->selectAll();
    Text9->show();
    Text9->raise();
    Text9->setFocus();
    EditColumn = col;
    EditColumnWidth = FGrid3->ColWidth(col);
}

void Form2::FGrid3_Scroll() {
    // The editor would no longer lie on its cell; what was typed is dropped.
    Text9->hide();
}

void Form2::Text9_KeyPress(int& keyAscii) {
    // Enter is acted on at its release; swallowed here, the box does not
    // beep.
    if (keyAscii == 13) keyAscii = 0;
}

void Form2::Text9_KeyUp(int keyCode, int) {
    EntryText = Trim(Text9->text().toStdString());
    // 2.
    if (keyCode == 13 && EditColumn == 1) {
        CommitTableDate();
        return;
    }
    // 1. Digits typed in the date column get their slashes.
    if (IsTypingAidKey(keyCode)) {
        CaretPos = static_cast<int>(CharCount(EntryText));
        if (EditColumn == 1 && (CaretPos == 2 || CaretPos == 5)) {
            EntryText += "/";
            Text9->setText(QString::fromStdString(EntryText));
            Text9->SetSelStart(CaretPos + 1);
        }
        return;
    }
    if (keyCode != 13) return;
    if (EntryText.empty()) {
        Text9->hide();
        return;
    }
    const std::optional<std::string> shown = TypedMultiplier(EntryText);
    if (!shown) {
        Beep();
        return;
    }
    FGrid3->SetTextMatrix(FGrid3->Row(), 2, *shown);
    チャート補正保存->setEnabled(true);
    Text9->hide();
}

void Form2::CommitTableDate() {
    if (EntryText.empty()) {
        Text9->hide();
        return;
    }
    // Only a real "mm/dd/yy" date that a grid row shows, on a bar after a
    // jump that has a storable multiplier, makes a point.
    if (!IsAcceptedDate(EntryText)) {
        Beep();
        return;
    }
    int gridRow = 0;
    for (int r = 1; r < FGrid1->Rows(); ++r) {
        if (FGrid1->TextMatrix(r, 1) == EntryText) {
            gridRow = r;
            break;
        }
    }
    const std::optional<GridPoint> point = PointOfGridRow(gridRow);
    if (!point) {
        Beep();
        return;
    }
    const int row = FGrid3->Row();
    FGrid3->SetTextMatrix(row, 1, EntryText);
    FGrid3->SetTextMatrix(row, 3, std::to_string(point->record));
    FGrid3->SetTextMatrix(row, 2, point->multiplier);
    Text9->hide();
    チャート補正保存->setEnabled(true);
}

// ---------------------------------------------------------------- save

void Form2::チャート補正保存_Click() {
    // 1.
    if (!Text9->isHidden()) {
        ShowMessage("  データ補正中です   ", kCorrectionTitle, MessageIcon::Information);
        Text9->setFocus();
        return;
    }
    int count = 0;
    try {
        RecordFile file = OpenDataFile();
        // 2. and 3.  A row without a record of the file or without a
        // multiplier that can be stored is left out.
        for (int row = 4; row >= 1; --row) {
            const std::optional<float> number = EntryNumber(FGrid3->TextMatrix(row, 3));
            const std::optional<std::string> stored = StoredMultiplier(FGrid3->TextMatrix(row, 2));
            if (!number || !stored) continue;
            const int record = static_cast<int>(*number);
            if (record < 2 || record > RecordCount || record != *number) continue;
            QuoteRecord r = QuoteRecord::Decode(file.Read(record));
            if (stored->empty()) {
                if (IsNumber(r.CorrectionMultiplier)) ++count;
                r.CorrectionMultiplier.clear();
            } else {
                r.CorrectionMultiplier = *stored;
                ++count;
            }
            file.Write(record, r.Encode());
        }
        // 4. and 5.
        QuoteRecord header = QuoteRecord::Decode(file.Read(1));
        const std::optional<std::string> s = StoredMultiplier(FGrid3->TextMatrix(1, 2));
        const std::string date = FGrid3->TextMatrix(1, 1);
        const bool headerNumeric = IsNumber(header.CorrectionMultiplier);
        // Point 1 goes into the header only with a date of its own: the
        // "mm/dd/yy" of a table without point 1 would name no record.
        if (count > 0 && s && IsAcceptedDate(date)) {
            if (s->empty() && headerNumeric && count == 1) {
                header.CorrectionMultiplier.clear();
                file.Write(1, header.Encode());
            } else if (Trim(header.QuoteDate) != date || Trim(header.CorrectionMultiplier) != *s ||
                       (IsNumber(FGrid3->TextMatrix(1, 3)) && !headerNumeric)) {
                header.CorrectionMultiplier = *s;
                header.QuoteDate = date;
                file.Write(1, header.Encode());
            }
        }
        file.Close();
    } catch (const FileError&) {
        FileFailure();
        return;
    }
    // 6.
    if (count > 0) ShowMessage("  補正データ保存完了   ", kCorrectionTitle, MessageIcon::Information);
    チャート補正保存->setEnabled(false);
}

}  // namespace ranvik
