#pragma once
// The record of the stock data files: 52 bytes, little-endian numbers,
// Shift-JIS text fields padded with blanks.  Record 1 of a file is its
// header, records 2 to N hold one bar each.
#include <cstdint>
#include <string>
#include <string_view>

namespace ranvik {

struct QuoteRecord {
    static constexpr std::size_t kLength = 52;

    std::int16_t RecordNo = 0;
    std::string CorrectionMultiplier = "  ";  // 2 bytes
    float RangeMax = 0;
    float RangeMin = 0;
    float Open = 0;
    float Close = 0;
    float High = 0;
    float Low = 0;
    std::string QuoteDate = "        ";       // 8 bytes, "mm/dd/yy"
    float Volume = 0;
    float BuyBalance = 0;
    float SellBalance = 0;
    float Reserved = 0;

    std::string Encode() const;
    static QuoteRecord Decode(std::string_view bytes);
    // The 8 bytes QuoteDate takes in the record: blank-padded, or cut on a
    // character boundary.
    std::string DateField() const;
    friend bool operator==(const QuoteRecord&, const QuoteRecord&) = default;

    // The text fields' bytes as Decode found them.  A text field still
    // holding what its bytes decode to is encoded as those bytes again: bytes
    // that are not CP932 (damage, or another program's writing) would
    // otherwise come back as "?" from a write that never touched the field.
    // Where a record came from is no part of its value, so this never counts
    // when records are compared.
    struct ReadBytes {
        std::string multiplier;
        std::string date;
        friend bool operator==(const ReadBytes&, const ReadBytes&) { return true; }
    } readBytes;
};

}  // namespace ranvik
