// The daily history page reader.
#include "collect/daily_history.h"

#include <cstdint>
#include <unordered_set>
#include <utility>

#include "collect/exchange_calendar.h"
#include "collect/quote_number.h"
#include "collect/row_store.h"
#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/message_service.h"

namespace ranvik {

namespace {

constexpr const char* kTitle = "Ranvikチャート";
constexpr const char* kPartlyRead = "060, 一部のデータが正しく収集できませんでした\r\nしばらくして、再度実行して下さい";

// A data file keeps two-digit years, 60 to 99 as 19yy and the others as
// 20yy: a row outside those hundred years would be stored as another one.
bool Storable(const Date& d) { return IsValidDate(d) && d.year >= 1960 && d.year <= 2059; }

// The table's line and the position of its word, 始値 first.
std::optional<std::pair<std::size_t, std::size_t>> TableStart(const PageText& page) {
    for (const std::string_view marker : {"始値", "日付"}) {
        if (const auto lineNo = page.FindLine(marker)) return std::make_pair(*lineNo, page.Line(*lineNo).find(marker));
    }
    return std::nullopt;
}

// The field of column `index`, normalised; false when the row lacks it.
bool TakeField(std::vector<std::string>& columns, std::size_t index, std::string& field) {
    if (index >= columns.size()) return false;
    field = std::move(columns[index]);
    return NormalizeQuoteNumber(field);
}

}  // namespace

void ForEachDailyRow(const PageText& page, bool readVolume, const std::function<bool(const DailyPageRow&)>& take) {
    const auto start = TableStart(page);
    if (!start) return;
    OneLineTable table(page.Line(start->first), start->second);
    DailyPageRow r;
    while (auto row = table.NextRow()) {
        // Each row as a fresh one would be: what a row lacks stays empty.
        r.kind = DailyPageRow::Kind::Prices;
        r.date = {row->date.year, row->date.month, row->date.day};
        r.open.clear();
        r.high.clear();
        r.low.clear();
        r.close.clear();
        r.volume.assign(1, '0');  // "0" unless read
        if (!Storable(r.date)) {
            r.kind = DailyPageRow::Kind::NoCalendarDay;
        } else {
            std::vector<std::string>& columns = row->columns;
            const bool complete = TakeField(columns, 0, r.open) && TakeField(columns, 1, r.high) &&
                                  TakeField(columns, 2, r.low) && TakeField(columns, 3, r.close) &&
                                  (!readVolume || TakeField(columns, 4, r.volume));
            if (!complete) r.kind = DailyPageRow::Kind::LacksField;
        }
        if (!take(r)) return;
    }
}

std::vector<DailyPageRow> ReadDailyRows(const PageText& page, bool readVolume) {
    std::vector<DailyPageRow> rows;
    ForEachDailyRow(page, readVolume, [&rows](const DailyPageRow& row) {
        rows.push_back(row);
        return true;
    });
    return rows;
}

std::optional<PageText> LoadFirstHistoryPage(const std::vector<std::string>& files, int mode, bool rate) {
    std::optional<PageText> page = PageText::Load(files.front());
    if (page && mode >= 2 && !rate) {
        auto& net = Program().collection;
        PagePrice price = ReadPagePrice(*page);
        net.PagePriceText = std::move(price.price);
        net.PagePriceNote = std::move(price.note);
    }
    return page;
}

void ImportDailyHistory(const std::string& dataFile, const std::string& code, const std::string& /*targetDate*/,
                        int mode) {
    auto& net = Program().collection;
    StartPriceReport();
    const bool rate = IsRateCode(code);
    if (!rate) net.PagePriceText.clear();
    net.PagePriceNote.clear();

    const std::vector<std::string> files = HistoryPageFiles();
    std::optional<PageText> page = LoadFirstHistoryPage(files, mode, rate);

    const Date latest = LatestTradingDay(Now(), code);
    const bool readVolume = CodeNumber(code) > 50;
    std::unordered_set<std::int64_t> datesSeen;
    bool undated = false;
    int written = 0;
    RunStop stop = RunStop::None;
    try {
        // Opening creates a missing file, and one without its header would
        // take the rows as garbage.
        if (!FileExists(dataFile)) throw FileError("no stock data file " + dataFile);
        RecordFile file(dataFile, QuoteRecord::kLength);
        QuoteRowStore rows(file);
        for (std::size_t k = 0; k < files.size() && stop == RunStop::None; ++k) {
            if (k > 0) page = PageText::Load(files[k]);
            if (!page) break;  // an unreadable page ends the sequence
            ForEachDailyRow(*page, readVolume, [&](const DailyPageRow& row) {
                if (row.kind == DailyPageRow::Kind::NoCalendarDay) {
                    undated = true;
                    return true;
                }
                const std::int64_t day = DayNumber(row.date);
                if (!datesSeen.insert(day).second) {
                    undated = true;
                    return true;
                }
                if (row.kind == DailyPageRow::Kind::LacksField || day > DayNumber(latest)) return true;
                const RowOutcome outcome =
                    rows.Store(row.open, row.close, row.high, row.low, FormatMmDdYy(row.date), row.volume);
                if (outcome == RowOutcome::FileFull) {
                    stop = RunStop::FileFull;
                    return false;
                }
                if (Program().store.RecordWritten == kTrue) ++written;
                return true;
            });
        }
    } catch (const FileError&) {
        stop = RunStop::FileFailed;
    }

    ClosePriceReport(PriceReader::DailyHistory, written, mode, stop);
    if (undated) ShowMessage(kPartlyRead, kTitle, MessageIcon::Information, MessageButtons::Ok);
}

}  // namespace ranvik
