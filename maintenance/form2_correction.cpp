// The correction table's save: each point's multiplier into its record,
// point 1 into the header.
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

namespace ranvik {

using namespace form2_internal;

namespace {
constexpr const char* kCorrectionTitle = "ﾁｬｰﾄ補正";
bool IsNumber(const std::string& text) { return EntryNumber(text).has_value(); }
}  // namespace

void Form2::チャート補正保存_Click() {
    // 1.
    if (Text9->isVisible()) {
        ShowMessage("  データ補正中です   ", kCorrectionTitle);
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
        if (count > 0 && s) {
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
