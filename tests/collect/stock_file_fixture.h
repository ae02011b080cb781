#pragma once
// Stock data files for the collection tests: reading a record back, bytes
// written as hex, and a file filled up to a given record count.
#include <sstream>
#include <string>
#include <vector>

#include "core/quote_record.h"
#include "platform/runtime/dates.h"
#include "tests/support/test_support.h"

namespace ranvik::test {

inline QuoteRecord ReadRecord(const std::string& path, int k) {
    const std::string bytes = ReadBytes(path);
    const std::size_t at = static_cast<std::size_t>(k - 1) * QuoteRecord::kLength;
    return QuoteRecord::Decode(std::string_view(bytes).substr(at, QuoteRecord::kLength));
}

// The bytes of hex pairs such as {"02 00", "20 20"}.
inline std::string Bytes(const std::vector<std::string>& groups) {
    std::string out;
    for (const std::string& group : groups) {
        std::istringstream in(group);
        std::string pair;
        while (in >> pair) out += static_cast<char>(std::stoi(pair, nullptr, 16));
    }
    return out;
}

// A stock data file whose header counts `records` records: one bar a day
// from 1960-01-01 (32767 records reach 2049-09-15), built in memory and
// written at once.
inline void WriteFullStockFile(const std::string& path, int records) {
    QuoteRecord header;
    header.RecordNo = static_cast<std::int16_t>(records);
    header.High = 100;
    header.Low = 100;
    header.Volume = 1000;
    header.QuoteDate = "01/01/60";
    std::string bytes = header.Encode();
    bytes.reserve(static_cast<std::size_t>(records) * QuoteRecord::kLength);
    Date d{1960, 1, 1};
    for (int k = 2; k <= records; ++k, d = AddDays(d, 1)) {
        QuoteRecord bar;
        bar.QuoteDate = FormatMmDdYy(d);
        bar.Open = bar.Close = bar.High = bar.Low = 100;
        bar.Volume = 1000;
        bytes += bar.Encode();
    }
    WriteBytes(path, bytes);
}

}  // namespace ranvik::test
