#pragma once
// Stock list entries for tests of both programs' list code.
#include <cstdint>
#include <string>

#include "platform/lists/list_entry.h"

namespace ranvik::test {

inline ListEntry Stock(const std::string& code, const std::string& name, const std::string& market = "t",
                       std::uint8_t section = 1, std::int16_t unit = 100) {
    ListEntry e;
    e.Code = code;
    e.StockName = name;
    e.Market = market;
    e.Section = section;
    e.TradingUnit = unit;
    return e;
}

inline ListEntry Heading(const std::string& text) {
    ListEntry e;
    e.Code = std::string(kHeadingCode);
    e.StockName = text;
    return e;
}

}  // namespace ranvik::test
