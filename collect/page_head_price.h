#pragma once
// The current price in the head of a quote page, for series whose history
// pages carry none: the first price-like text after the first "<span class=".
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

// Scans the lines of a page: from the first "<span class=" on its line, the
// texts between a ">" and the next "<" in turn; a text of two characters or
// more that is a number not exactly four characters long (four are taken for
// a year), or "---" right before "</", is the price.  Empty when none is
// found on that line or no line holds the marker.
std::string PageHeadPrice(const std::vector<std::string>& lines);
// The same on a page file; empty when it cannot be read.
std::string PageHeadPriceOf(const std::string& path);

}  // namespace ranvik
