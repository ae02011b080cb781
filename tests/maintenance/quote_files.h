#pragma once
// Stock data files for the tests, record by record: bars, headers, a file's
// bytes as the store writes them, and the records a file holds.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/quote_record.h"
#include "platform/runtime/ansi_text.h"
#include "tests/support/test_support.h"

namespace ranvik::test {

// A bar: date, the four prices, volume and the two balances, and a
// correction multiplier as stored.
inline QuoteRecord Bar(const std::string& date, float open, float close, float high, float low, float volume = 0,
                       float sell = 0, float buy = 0, const std::string& multiplier = "") {
    QuoteRecord r;
    r.QuoteDate = date;
    r.Open = open;
    r.Close = close;
    r.High = high;
    r.Low = low;
    r.Volume = volume;
    r.SellBalance = sell;
    r.BuyBalance = buy;
    // As a record read back holds it: two characters, blank-padded.
    r.CorrectionMultiplier = UnpackField(PackField(multiplier, 2));
    return r;
}

// A header counting `count` records, with the file's extremes.
inline QuoteRecord Header(int count, float high, float low, float volume = 0, float sell = 0, float buy = 0,
                          const std::string& date = "01/04/24", const std::string& multiplier = "") {
    QuoteRecord h = Bar(date, 0, 0, high, low, volume, sell, buy, multiplier);
    h.RecordNo = static_cast<std::int16_t>(count);
    return h;
}

// Header and bars as the store writes them: the header's extremes and count
// from the bars.
inline std::vector<QuoteRecord> FileOf(const std::vector<QuoteRecord>& bars, const std::string& multiplier = "",
                                       const std::string& headerDate = "01/04/24") {
    QuoteRecord h = Header(static_cast<int>(bars.size()) + 1, 0, bars.empty() ? 200000000.0f : 1e30f, 0, 0, 0,
                           headerDate, multiplier);
    for (const auto& b : bars) {
        h.High = std::max(h.High, b.High);
        h.Low = std::min(h.Low, b.Low);
        h.Volume = std::max(h.Volume, b.Volume);
        h.SellBalance = std::max(h.SellBalance, b.SellBalance);
        h.BuyBalance = std::max(h.BuyBalance, b.BuyBalance);
    }
    std::vector<QuoteRecord> records{h};
    records.insert(records.end(), bars.begin(), bars.end());
    return records;
}

inline std::string BytesOf(const std::vector<QuoteRecord>& records) {
    std::string bytes;
    for (const auto& r : records) bytes += r.Encode();
    return bytes;
}

inline std::vector<QuoteRecord> RecordsIn(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    std::vector<QuoteRecord> records;
    for (std::size_t at = 0; at + QuoteRecord::kLength <= bytes.size(); at += QuoteRecord::kLength) {
        records.push_back(QuoteRecord::Decode(std::string_view(bytes).substr(at, QuoteRecord::kLength)));
    }
    return records;
}

// Three bars of 1301 used by most tests, oldest first.
inline std::vector<QuoteRecord> ThreeBars() {
    return {Bar("05/07/24", 100, 110, 120, 90, 1000, 50, 60), Bar("05/08/24", 110, 105, 130, 100, 3000, 70, 40),
            Bar("05/09/24", 105, 108, 112, 95, 2000, 30, 80)};
}

}  // namespace ranvik::test
