#pragma once
// Stock data files written whole, as the store leaves them: record 1 the
// header with the last record number, the highest high, the lowest low and
// the largest volume; records 2 to N one bar each.  Bar r (record r) is made
// from its record number, so a test works out any bar it expects to see.
#include <string>

#include "core/quote_record.h"
#include "tests/support/test_support.h"

namespace ranvik::test {

inline QuoteRecord TestBar(int record) {
    QuoteRecord bar;
    bar.RecordNo = 0;
    const int day = record - 2;
    char date[16];
    std::snprintf(date, sizeof date, "%02d/%02d/%02d", day / 28 % 12 + 1, day % 28 + 1, (day / 336 + 1) % 100);
    bar.QuoteDate = date;
    bar.Low = static_cast<float>(500 + record % 1000);
    bar.High = bar.Low + 20;
    bar.Open = bar.Low + 5;
    bar.Close = bar.Low + 15;
    bar.Volume = static_cast<float>(1000 + record);
    return bar;
}

// A file of `bars` bars (records 2 to bars + 1).
inline std::string DataFileBytes(int bars) {
    QuoteRecord header;
    header.RecordNo = static_cast<std::int16_t>(bars + 1);
    std::string body;
    body.reserve(static_cast<std::size_t>(bars) * QuoteRecord::kLength);
    for (int r = 2; r <= bars + 1; ++r) {
        const QuoteRecord bar = TestBar(r);
        header.High = std::max(header.High, bar.High);
        header.Low = r == 2 ? bar.Low : std::min(header.Low, bar.Low);
        header.Volume = std::max(header.Volume, bar.Volume);
        body += bar.Encode();
    }
    return header.Encode() + body;
}

inline void WriteDataFile(const std::string& path, int bars) { WriteBytes(path, DataFileBytes(bars)); }

}  // namespace ranvik::test
