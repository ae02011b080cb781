// The row store and the texts of the import report.
#include "collect/row_store.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "collect/quote_number.h"
#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/dates.h"

namespace ranvik {

namespace {

struct PriceClosing {
    std::string_view noData;
    bool closesWebUpdate;  // "以上を更新しました" also after a web update
};

constexpr PriceClosing ClosingOf(PriceReader reader) {
    switch (reader) {
    case PriceReader::DailyHistory: return {update_log::kDailyNoData, false};
    case PriceReader::WeeklyHistory: return {update_log::kWeeklyNoData, true};
    case PriceReader::PriceTable: return {update_log::kTableNoData, true};
    }
    return {update_log::kTableNoData, true};
}

constexpr int kWebUpdateMode = 4;
constexpr std::size_t kDateOffset = 28;  // of QuoteDate in a record
constexpr std::size_t kFieldWidth = 11;

// The stored record of the date, looked for from the newest record back as
// the merge itself does, so a page of recent rows costs a read or two each.
std::optional<QuoteRecord> StoredRecordOf(RecordFile& file, const std::string& date) {
    constexpr std::size_t kLen = QuoteRecord::kLength;
    const DateKey key = DateKeyOf(date);
    std::int64_t high = QuoteRecord::Decode(file.Read(1)).RecordNo;
    std::int64_t block = 1;
    while (high >= 2) {
        const std::int64_t low = std::max<std::int64_t>(2, high - block + 1);
        const std::string bytes = file.ReadBlock(low, high - low + 1);
        for (std::int64_t p = high; p >= low; --p) {
            const std::string_view record =
                std::string_view(bytes).substr(static_cast<std::size_t>(p - low) * kLen, kLen);
            const std::string_view field = record.substr(kDateOffset, 8);
            if (DateKeyOf(field) > key) continue;
            if (field != date) return std::nullopt;
            return QuoteRecord::Decode(record);
        }
        high = low - 1;
        block = std::min<std::int64_t>(block * 4, 4096);
    }
    return std::nullopt;
}

// "mm/dd/yy" naming a day of the calendar, as the store reads its years.
bool IsStorableDate(const std::string& date) { return ParseMmDdYy(date).has_value(); }

void AppendField(std::string& line, const std::string& text) {
    line += text;
    const std::size_t length = CharCount(text);
    line.append(length < kFieldWidth ? kFieldWidth - length : length == kFieldWidth ? 0 : 1, ' ');
}

std::string RowLine(const std::string& date, const std::string& open, const std::string& high,
                    const std::string& low, const std::string& close, const std::string& volume, bool replaced) {
    std::string line = date + "  ";
    AppendField(line, open);
    AppendField(line, high);
    AppendField(line, low);
    AppendField(line, close);
    line += volume;
    if (replaced) line += "    replace";
    line += "\r\n";
    return line;
}

void AppendStop(std::string& log, RunStop stop) {
    if (stop == RunStop::None) return;
    if (!log.empty() && log.back() != '\n') log += "\r\n";
    log += stop == RunStop::FileFull ? update_log::kFileFull : update_log::kFileFailed;
}

}  // namespace

void StartPriceReport() { Program().collection.UpdateLog = std::string(update_log::kPriceHeader); }

void ClosePriceReport(PriceReader reader, int rowsWritten, int mode, RunStop stop) {
    std::string& log = Program().collection.UpdateLog;
    const PriceClosing closing = ClosingOf(reader);
    if (rowsWritten == 0) log = std::string(closing.noData);
    else if (mode != kWebUpdateMode || closing.closesWebUpdate) log += update_log::kUpdated;
    AppendStop(log, stop);
}

void CloseMarginReport(int recordsMerged, RunStop stop) {
    std::string& log = Program().collection.UpdateLog;
    if (recordsMerged == 0) log += update_log::kMarginNoData;
    else log += std::to_string(recordsMerged) + std::string(update_log::kMarginCount);
    AppendStop(log, stop);
}

MarginBalanceStore::MarginBalanceStore(RecordFile& file) : file_(file) {
    header_ = file_.Read(1);
    const std::int64_t n = GetInteger(header_, 0);
    if (n < 2) return;
    records_ = file_.ReadBlock(2, n - 1);
    for (std::int64_t k = 2; k <= n; ++k) {
        const std::size_t at = static_cast<std::size_t>(k - 2) * QuoteRecord::kLength;
        // The newest record of a date wins, as the merge finds it.
        recordOf_[records_.substr(at + kDateOffset, 8)] = k;
    }
}

bool MarginBalanceStore::Store(const std::string& date, float sell, float buy) {
    constexpr std::size_t kLen = QuoteRecord::kLength;
    constexpr std::size_t kBuyOffset = 40;
    constexpr std::size_t kSellOffset = 44;
    StoreState& store = Program().store;
    store.RecordWritten = kFalse;
    if (!IsStorableDate(date)) return false;
    const auto found = recordOf_.find(date);
    if (found == recordOf_.end()) return false;
    const std::size_t at = static_cast<std::size_t>(found->second - 2) * kLen;
    std::string record = records_.substr(at, kLen);
    if (GetSingle(record, kSellOffset) == sell && GetSingle(record, kBuyOffset) == buy) return false;

    // Only the balances' bytes change: the prices, the correction multiplier
    // and whatever else the record holds stay exactly as stored.
    PutSingle(record, kSellOffset, sell);
    PutSingle(record, kBuyOffset, buy);
    std::string header = header_;
    if (GetSingle(header, kSellOffset) < sell) PutSingle(header, kSellOffset, sell);
    if (GetSingle(header, kBuyOffset) < buy) PutSingle(header, kBuyOffset, buy);
    file_.Write(found->second, record);
    records_.replace(at, kLen, record);
    if (header != header_) {
        file_.Write(1, header);
        header_ = std::move(header);
    }
    store.QuoteBufB = QuoteRecord::Decode(record);
    store.RecordWritten = kTrue;
    return true;
}

namespace {

struct RowValues {
    float open = 0, close = 0, high = 0, low = 0, volume = 0;
};

std::optional<RowValues> ValuesOf(const std::string& open, const std::string& close, const std::string& high,
                                  const std::string& low, const std::string& date, const std::string& volume) {
    const auto openValue = QuoteValue(open);
    const auto closeValue = QuoteValue(close);
    const auto highValue = QuoteValue(high);
    const auto lowValue = QuoteValue(low);
    const auto volumeValue = QuoteValue(volume);
    if (!openValue || !closeValue || !highValue || !lowValue || !volumeValue || !IsStorableDate(date))
        return std::nullopt;
    return RowValues{*openValue, *closeValue, *highValue, *lowValue, *volumeValue};
}

// QuoteBufB as the merge expects it.
void FillBar(const RowValues& v, const std::string& date, const std::optional<QuoteRecord>& stored) {
    QuoteRecord& bar = Program().store.QuoteBufB;
    bar.RecordNo = 0;
    bar.CorrectionMultiplier = "  ";
    bar.RangeMax = 0;
    bar.RangeMin = 0;
    bar.Open = v.open;
    bar.Close = v.close;
    bar.High = v.high;
    bar.Low = v.low;
    bar.QuoteDate = date;
    bar.Volume = v.volume;
    bar.BuyBalance = stored ? stored->BuyBalance : 0;
    bar.SellBalance = stored ? stored->SellBalance : 0;
}

// Merges QuoteBufB and logs the row the merge wrote.
RowOutcome MergeRow(RecordFile& file, const std::string& open, const std::string& close, const std::string& high,
                    const std::string& low, const std::string& date, const std::string& volume) {
    MergeOutcome outcome;
    try {
        outcome = MergeQuoteRecord(file);
    } catch (const RecordLimitError&) {
        Program().store.RecordWritten = kFalse;
        return RowOutcome::FileFull;
    }
    if (outcome == MergeOutcome::Identical) return RowOutcome::Unchanged;

    const bool replaced = outcome == MergeOutcome::Replaced;
    Program().collection.UpdateLog += RowLine(date, open, high, low, close, volume, replaced);
    return replaced ? RowOutcome::Replaced : RowOutcome::Inserted;
}

// The merge's own test for a bar it need not write: the prices and volume,
// and the balances when the new bar carries any.
bool SameBar(const QuoteRecord& stored, const QuoteRecord& next) {
    const bool prices = stored.Open == next.Open && stored.Close == next.Close && stored.High == next.High &&
                        stored.Low == next.Low && stored.Volume == next.Volume;
    if (next.BuyBalance == 0) return prices;
    return prices && stored.BuyBalance == next.BuyBalance && stored.SellBalance == next.SellBalance;
}

// The one date on which the merge moves records even for a bar it does not
// write (a day without trading that some files hold): always left to it.
constexpr DateKey kMovedHoliday{119, 8, 13};

// Newest records a row store keeps: far more than a collection's pages reach
// back, and a read of about 100 KB after each write.
constexpr std::int64_t kKeptRecords = 2048;

}  // namespace

RowOutcome StoreQuoteRow(RecordFile& file, const std::string& open, const std::string& close,
                         const std::string& high, const std::string& low, const std::string& date,
                         const std::string& volume) {
    Program().store.RecordWritten = kFalse;
    const std::optional<RowValues> values = ValuesOf(open, close, high, low, date, volume);
    if (!values) return RowOutcome::Refused;
    FillBar(*values, date, StoredRecordOf(file, date));
    return MergeRow(file, open, close, high, low, date, volume);
}

bool QuoteRowStore::Load() {
    if (loaded_) return true;
    const std::optional<std::string> header = file_.ReadWhole(1);
    if (!header) return false;
    const std::int64_t n = GetInteger(*header, 0);
    if (n < 1 || file_.RecordCount() < n) return false;
    header_ = *header;
    count_ = n;
    first_ = std::max<std::int64_t>(2, n - kKeptRecords + 1);
    newest_ = n >= 2 ? file_.ReadBlock(first_, n - first_ + 1) : std::string();
    loaded_ = true;
    return true;
}

RowOutcome QuoteRowStore::Store(const std::string& open, const std::string& close, const std::string& high,
                                const std::string& low, const std::string& date, const std::string& volume) {
    constexpr std::size_t kLen = QuoteRecord::kLength;
    StoreState& store = Program().store;
    store.RecordWritten = kFalse;
    const std::optional<RowValues> values = ValuesOf(open, close, high, low, date, volume);
    if (!values) return RowOutcome::Refused;

    // The record the merge would stop at, looked for as it looks: from the
    // newest record back to the first dated on or before the row's day.
    const DateKey key = DateKeyOf(date);
    bool known = false;
    std::optional<QuoteRecord> stored;
    if (key != kMovedHoliday && Load()) {
        for (std::int64_t p = count_; p >= first_; --p) {
            const std::string_view record =
                std::string_view(newest_).substr(static_cast<std::size_t>(p - first_) * kLen, kLen);
            const std::string_view field = record.substr(kDateOffset, 8);
            if (DateKeyOf(field) > key) continue;
            known = true;
            if (field == date) stored = QuoteRecord::Decode(record);
            break;
        }
        // Past the first record without a stop: the merge inserts.
        if (!known && first_ == 2) known = true;
    }
    if (!known) {
        FillBar(*values, date, StoredRecordOf(file_, date));
    } else {
        FillBar(*values, date, stored);
        if (stored && SameBar(*stored, store.QuoteBufB)) {
            // What the merge leaves for a bar it need not write.
            QuoteRecord header = QuoteRecord::Decode(header_);
            if (header.RangeMax > header.High) {
                header.High = header.RangeMax;
                header.Low = header.RangeMin;
            }
            store.QuoteBufA = std::move(header);
            store.QuoteBufB = *stored;
            return RowOutcome::Unchanged;
        }
    }
    loaded_ = false;
    return MergeRow(file_, open, close, high, low, date, volume);
}

}  // namespace ranvik
