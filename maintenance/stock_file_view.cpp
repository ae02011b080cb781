// Reading a stock data file into the texts, marks and correction points the window shows.
#include "maintenance/stock_file_view.h"

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

// The cells of one record's row and the extremes it holds.
ShownRow RowOf(const QuoteRecord& r, int rowNumber, const StockFileView& v, bool admin) {
    ShownRow row;
    auto& c = row.cells;
    c[0] = std::to_string(rowNumber);
    c[1] = r.QuoteDate;
    c[2] = PriceText(r.Open);
    c[3] = PriceText(r.Close);
    c[4] = PriceText(r.High);
    c[5] = PriceText(r.Low);
    c[6] = AmountText(r.Volume);
    c[7] = AmountText(r.SellBalance);
    c[8] = AmountText(r.BuyBalance);
    if (admin) {
        c[9] = std::to_string(r.RecordNo);
        c[13] = r.CorrectionMultiplier;
    }
    row.marked[4] = r.High == v.high;
    row.marked[5] = r.Low == v.low;
    // A file without volumes or balances has nothing to mark in them.
    row.marked[6] = v.volume != 0 && r.Volume == v.volume;
    row.marked[7] = v.sellBalance != 0 && r.SellBalance == v.sellBalance;
    row.marked[8] = v.buyBalance != 0 && r.BuyBalance == v.buyBalance;
    return row;
}

std::string Digits(std::int64_t n) {
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, n).ptr;
    return std::string(text, end);
}

}  // namespace

// A grid of 32,000 bars holds a quarter of a million numbers: the usual ones,
// whole numbers and prices of a few decimals, are written without the
// general formatters, to the same texts.
std::string PriceText(float value) {
    double scaled = value;
    if (value != 0 && std::isfinite(scaled) && std::fabs(scaled) >= 1e-4 && std::fabs(scaled) < 1e7) {
        // value x 10^f for f up to 6 needs at most 24 + 20 bits: every step
        // is exact.  The first whole one is the decimal value itself, of at
        // most seven digits, which the general form writes as it is.
        for (std::size_t f = 0; f <= 6; ++f, scaled *= 10) {
            if (scaled != std::trunc(scaled)) continue;
            if (std::fabs(scaled) >= 1e7) break;
            std::string digits = Digits(static_cast<std::int64_t>(std::fabs(scaled)));
            std::string text = value < 0 ? "-" : "";
            if (f == 0) return text + digits;
            if (digits.size() <= f) digits.insert(0, f + 1 - digits.size(), '0');
            text.append(digits, 0, digits.size() - f);
            text += '.';
            text.append(digits, digits.size() - f, f);
            return text;
        }
    }
    return NumberText(value);
}

std::string AmountText(float value) {
    const double v = value;
    if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e15) {
        const auto n = static_cast<std::int64_t>(v);
        return n < 0 ? "-" + Digits(-n) : Digits(n);
    }
    return FormatNumber(value, "###0");
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
    const std::string bytes = file.ReadBlock(1, n);
    file.Close();
    auto record = [&](int k) { return QuoteRecord::Decode(std::string_view(bytes).substr((k - 1) * kLen, kLen)); };
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
        v.rows.push_back(RowOf(rec, i + 1, v, admin));
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
