#pragma once
// One record of a stock list table: 68 bytes, little-endian numbers,
// Shift-JIS text fields padded with blanks.  Record 1 of a table is its
// header (RecordNo = the last record number, StockName = the table's version
// text, Section = the check value the chart program tests); records 2 to N
// are stocks and group headings in display order.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ranvik {

// Code of a group heading line.
inline constexpr std::string_view kHeadingCode = "****";

struct ListEntry {
    static constexpr std::size_t kLength = 68;
    static constexpr std::size_t kCodeWidth = 4;
    static constexpr std::size_t kNameWidth = 52;
    static constexpr std::size_t kMarketWidth = 1;
    static constexpr std::size_t kUniWidth = 4;

    // Texts in memory are UTF-8.  Decode keeps the padding blanks, as the
    // grids show the fields as stored; Encode pads, and cuts a longer text
    // to the field's width without splitting a double-byte character.
    std::int16_t RecordNo = 0;
    std::string Code;        // "****" marks a heading line
    std::string StockName;   // name, heading text, or in the header the version
    std::string Market;      // market letter
    std::uint8_t Section = 0;
    std::string UNI;         // administrator column
    std::int16_t TradingUnit = 0;
    std::int16_t Reserved = 0;

    bool IsHeading() const { return Code == kHeadingCode; }

    std::string Encode() const;
    static ListEntry Decode(std::string_view bytes);
    friend bool operator==(const ListEntry&, const ListEntry&) = default;
};

}  // namespace ranvik
