// Reading a stock data file into the texts, marks and correction points the window shows.
#include "maintenance/stock_file_view.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "maintenance/record_entries.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/record_file.h"
#include "platform/runtime/values.h"

namespace ranvik {

const std::array<const char*, kRecordGridCols> kRecordGridTitles = {
    "   NO.  ", " 月/日/年", " 　　始値", " 　　終値", " 　　高値", " 　　安値", "     出来高",
    "   売残  ", "   買残  ", " rno",     " 　  max",  " 　　min",  " 　　rsv",  "mkt"};

namespace {

constexpr std::size_t kLen = QuoteRecord::kLength;
constexpr std::string_view kUnsetPointDate = "mm/dd/yy";

constexpr std::size_t kUsualRowChars = 96;

// The records of a file a block at a time, so that a long file is never held
// whole: blocks follow the order in which the rows are shown.
class RecordBlocks {
public:
    RecordBlocks(RecordFile& file, int count, bool backward) : file_(file), count_(count), backward_(backward) {}

    QuoteRecord Record(int k) {
        if (k < first_ || k >= first_ + held_) Load(k);
        return QuoteRecord::Decode(std::string_view(bytes_).substr(static_cast<std::size_t>(k - first_) * kLen, kLen));
    }

private:
    static constexpr int kBlock = 1024;

    void Load(int k) {
        first_ = backward_ ? std::max(1, k - kBlock + 1) : k;
        held_ = std::min(kBlock, count_ - first_ + 1);
        bytes_ = file_.ReadBlock(first_, held_);
        // The file was cut while it was read: what it held is not there to show.
        if (bytes_.size() < static_cast<std::size_t>(held_) * kLen) {
            held_ = 0;
            throw FileError("a stock data file ended while it was read");
        }
    }

    RecordFile& file_;
    int count_;
    bool backward_;
    int first_ = 0;
    int held_ = 0;
    std::string bytes_;
};

void AppendDigits(std::string& out, std::int64_t n) {
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, n).ptr;
    out.append(text, static_cast<std::size_t>(end - text));
}

// Adds one record's row: its cells' texts to v.texts and the extremes it holds.
void AddRow(const QuoteRecord& r, int rowNumber, StockFileView& v, bool admin) {
    std::string& out = v.texts;
    ShownRow row;
    row.start = static_cast<std::uint32_t>(out.size());
    int col = 0;
    auto endCell = [&] {
        row.ends[static_cast<std::size_t>(col++)] = static_cast<std::uint16_t>(out.size() - row.start);
    };
    AppendDigits(out, rowNumber);
    endCell();
    out += r.QuoteDate;
    endCell();
    for (float price : {r.Open, r.Close, r.High, r.Low}) {
        AppendPriceText(out, price);
        endCell();
    }
    for (float amount : {r.Volume, r.SellBalance, r.BuyBalance}) {
        AppendAmountText(out, amount);
        endCell();
    }
    if (admin) AppendDigits(out, r.RecordNo);
    endCell();
    endCell();  // max, min and rsv stay empty
    endCell();
    endCell();
    if (admin) out += r.CorrectionMultiplier;
    endCell();
    row.marked[4] = r.High == v.high;
    row.marked[5] = r.Low == v.low;
    // A file without volumes or balances has nothing to mark in them.
    row.marked[6] = v.volume != 0 && r.Volume == v.volume;
    row.marked[7] = v.sellBalance != 0 && r.SellBalance == v.sellBalance;
    row.marked[8] = v.buyBalance != 0 && r.BuyBalance == v.buyBalance;
    v.rows.push_back(row);
}

}  // namespace

std::string_view StockFileView::Cell(std::size_t row, int col) const {
    const ShownRow& shown = rows[row];
    const std::size_t begin = col == 0 ? 0 : shown.ends[static_cast<std::size_t>(col - 1)];
    const std::size_t end = shown.ends[static_cast<std::size_t>(col)];
    return std::string_view(texts).substr(shown.start + begin, end - begin);
}

// A grid of 32,000 bars holds a quarter of a million numbers: the usual ones,
// whole numbers and prices of a few decimals, are written without the
// general formatters, to the same texts.
void AppendPriceText(std::string& out, float value) {
    double scaled = value;
    if (value != 0 && std::isfinite(scaled) && std::fabs(scaled) >= 1e-4 && std::fabs(scaled) < 1e7) {
        // value x 10^f for f up to 6 needs at most 24 + 20 bits: every step
        // is exact.  The first whole one is the decimal value itself, of at
        // most seven digits, which the general form writes as it is.
        for (std::size_t f = 0; f <= 6; ++f, scaled *= 10) {
            if (scaled != std::trunc(scaled)) continue;
            if (std::fabs(scaled) >= 1e7) break;
            // The digits with zeros before them to have one left of the point.
            char digits[32];
            char* const first = digits + f + 1;
            char* const end = std::to_chars(first, digits + sizeof digits,
                                            static_cast<std::int64_t>(std::fabs(scaled))).ptr;
            const std::size_t length = static_cast<std::size_t>(end - first);
            const std::size_t zeros = length <= f ? f + 1 - length : 0;
            const char* const from = first - zeros;
            std::fill(digits + f + 1 - zeros, first, '0');
            const std::size_t whole = length + zeros - f;
            if (value < 0) out += '-';
            out.append(from, whole);
            if (f == 0) return;
            out += '.';
            out.append(from + whole, f);
            return;
        }
    }
    out += NumberText(value);
}

void AppendAmountText(std::string& out, float value) {
    const double v = value;
    if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e15) {
        const auto n = static_cast<std::int64_t>(v);
        if (n < 0) out += '-';
        AppendDigits(out, n < 0 ? -n : n);
        return;
    }
    out += FormatNumber(value, "###0");
}

std::string PriceText(float value) {
    std::string text;
    AppendPriceText(text, value);
    return text;
}

std::string AmountText(float value) {
    std::string text;
    AppendAmountText(text, value);
    return text;
}

StockFileView ReadStockFile(const std::string& path, bool newestFirst, bool admin) {
    StockFileView v;
    v.layout.newestFirst = newestFirst;
    v.layout.admin = admin;
    // Reading never creates the file it looks for.
    if (!FileExists(path)) return v;
    RecordFile file;
    file.Open(path, kLen, FileAccess::ReadOnly);
    const auto headerBytes = file.ReadWhole(1);
    if (!headerBytes) return v;
    v.header = QuoteRecord::Decode(*headerBytes);
    const int n = v.header.RecordNo;
    if (n < 1 || n > file.RecordCount()) {
        v.status = LoadStatus::Damaged;
        return v;
    }
    RecordBlocks blocks(file, n, newestFirst);
    auto record = [&](int k) { return blocks.Record(k); };
    if (n != 1 && !IsStoredDate(record(2).QuoteDate)) {
        v.status = LoadStatus::BadFirstDate;
        return v;
    }
    v.status = LoadStatus::Loaded;
    v.layout.recordCount = n;

    const QuoteRecord& h = v.header;
    const bool rangeRule = h.RangeMax > h.High;
    v.high = rangeRule ? h.RangeMax : h.High;
    v.low = rangeRule ? h.RangeMin : h.Low;
    v.volume = h.Volume;
    v.sellBalance = h.SellBalance;
    v.buyBalance = h.BuyBalance;

    // Point 1 is the header's; without a numeric multiplier the row only
    // shows the form of a date.
    v.correctionSet = IsNumeric(h.CorrectionMultiplier);
    CorrectionPoint& first = v.points[0];
    first.number = std::to_string(1);
    v.pointCount = std::to_string(v.correctionSet ? 1 : 0);
    first.date = v.correctionSet ? h.QuoteDate : std::string(kUnsetPointDate);
    if (v.correctionSet) first.multiplier = MultiplierShown(h.CorrectionMultiplier);

    const int firstRecord = admin ? 1 : 2;
    v.rows.reserve(static_cast<std::size_t>(n - firstRecord + 1));
    // Room for the usual rows' texts; the pages of what is left unused are
    // never touched.
    v.texts.reserve(v.rows.capacity() * kUsualRowChars);
    int p = 1;
    for (int i = 0; i <= n - firstRecord; ++i) {
        const int r = newestFirst ? n - i : firstRecord + i;
        QuoteRecord rec = record(r);
        if (r == 1) {
            if (rangeRule) {
                rec.High = rec.RangeMax;
                rec.Low = rec.RangeMin;
            }
            rec.QuoteDate = "00/00/00";
        }
        AddRow(rec, i + 1, v, admin);
        if (r < 2) continue;
        if (rec.QuoteDate == first.date) {
            first.record = std::to_string(r);
        } else if (IsNumeric(rec.CorrectionMultiplier) && p < kCorrectionRows) {
            // Further points than the table has rows stay in the file,
            // untouched, without a row.
            ++p;
            v.pointCount = std::to_string(p);
            CorrectionPoint& point = v.points[static_cast<std::size_t>(p - 1)];
            point.number = std::to_string(p);
            point.date = rec.QuoteDate;
            point.multiplier = MultiplierShown(rec.CorrectionMultiplier);
            point.record = std::to_string(r);
        }
    }
    return v;
}

}  // namespace ranvik
