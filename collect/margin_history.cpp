// The margin history page reader.
#include "collect/margin_history.h"

#include <optional>
#include <vector>

#include "collect/exchange_calendar.h"
#include "collect/page_text.h"
#include "collect/quote_number.h"
#include "collect/row_store.h"
#include "core/program_state.h"
#include "platform/runtime/folder.h"

namespace ranvik {

namespace {

// A balance column read as a number; nullopt when the page gives none.
std::optional<float> Balance(std::vector<std::string>& columns, std::size_t index) {
    if (index >= columns.size()) return std::nullopt;
    std::string& text = columns[index];
    if (!NormalizeQuoteNumber(text)) return std::nullopt;
    return QuoteValue(text);
}

// The page files in download order, ending at the first empty name: the
// downloads fill them in groups of 1, 4 or 8, and a group cut short leaves
// nothing after its gap worth reading.
std::vector<std::string> MarginPageFiles() {
    std::vector<std::string> files;
    for (const std::string& name : HistoryPageFiles()) {
        if (name.empty()) break;
        files.push_back(name);
    }
    return files;
}

}  // namespace

std::string MarginDateText(const Date& pageDate) {
    const std::string friday = FormatMmDdYy(FridayOfWeek(pageDate));
    // The exchanges stayed shut from 2019/4/27 to 5/6: a row of that week
    // belongs to the last week that traded, as the stored files have it.
    return friday == "05/03/19" ? "04/26/19" : friday;
}

void ImportMarginHistory(const std::string& dataFile, const std::string& code, std::string& referenceTime,
                         int /*mode*/) {
    if (referenceTime.size() >= 10) {
        const std::string day = referenceTime.substr(0, 10);
        if (day >= "2019/04/28" && day <= "2019/05/06") referenceTime.replace(0, 10, "2019/04/27");
    }

    const Date latest = LatestTradingDay(Now(), code);
    int written = 0;
    RunStop stop = RunStop::None;
    if (Program().collection.QuoteSiteKind1 != kFalse) {
        try {
            // Opening creates a missing file, and a margin page never adds bars.
            if (!FileExists(dataFile)) throw FileError("no stock data file " + dataFile);
            RecordFile file(dataFile, QuoteRecord::kLength);
            MarginBalanceStore balances(file);
            for (const std::string& name : MarginPageFiles()) {
                const std::optional<PageText> page = PageText::Load(name);
                if (!page) break;
                const auto lineNo = page->FindLine("買残増減");
                if (!lineNo) continue;
                const std::string_view line = page->Line(*lineNo);
                OneLineTable table(line, line.find("買残増減"));
                while (auto row = table.NextRow()) {
                    const Date date{row->date.year, row->date.month, row->date.day};
                    if (!IsValidDate(date) || date.year < 1960 || DayNumber(date) > DayNumber(latest)) continue;
                    const auto sell = Balance(row->columns, 0);
                    const auto buy = Balance(row->columns, 1);
                    if (!sell || !buy) continue;
                    if (balances.Store(MarginDateText(date), *sell, *buy)) ++written;
                }
            }
        } catch (const FileError&) {
            stop = RunStop::FileFailed;
        }
    }
    CloseMarginReport(written, stop);
}

}  // namespace ranvik
