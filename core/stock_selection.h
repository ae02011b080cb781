#pragma once
// The selection a grid row publishes, read from its cells apart from any
// grid: the code of a data file name, market and section of a market cell,
// the trading-unit text, which list rows carry no stock, and the address-bar
// text cut before a remark.  The main window's grid handlers and the
// receivers of its load requests read rows through these.
#include <string>
#include <string_view>

namespace ranvik {

// The code of a data file name cell ("1301d.KDT" gives "1301"): the cell
// trimmed, cut to its first four characters.  An empty cell gives "".
std::string CodeOfFileName(std::string_view fileCell);

// A market cell holds the market letter, a blank and the section digit
// ("t 1"): CurrentMarket is "." and its first character, CurrentSection its
// last character.  An empty cell gives "." and "".
std::string MarketOfCell(std::string_view marketCell);
std::string SectionOfCell(std::string_view marketCell);

// "(" & unit & "株)" when the unit cell reads as a number above 0, else "":
// a stock without a trading unit shows no unit in the titles.
std::string UnitTextOf(std::string_view unitCell);

// A list row without a stock: a blank row or a heading, whose code cell is
// empty in the colour-grouped lists and "****" in the plain ones.
bool IsHeadingCode(std::string_view codeCell);

// The address bar's text as a download address: cut before its first blank
// searched from the second character when that blank stands at position 11
// or later, so a remark after the address is dropped; a blank at position
// 10 or earlier leaves the text whole.
std::string CutAtRemark(std::string_view addressText);

// True when the fifth character of a data file name is "d" (a daily file).
bool IsDailyFileName(std::string_view fileName);

}  // namespace ranvik
