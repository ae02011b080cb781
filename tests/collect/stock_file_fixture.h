#pragma once
// Stock data files for the collection tests: reading a record back and bytes
// written as hex.
#include <sstream>
#include <string>
#include <vector>

#include "core/quote_record.h"
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

}  // namespace ranvik::test
