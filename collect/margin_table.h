#pragma once
// The table-dialect margin reader: the margin page of the second quote-site
// kind (one cell per line), its weekly balances written into the price
// records the stock's data file already holds.
//
// The table follows the word 信用倍率 and "<tbody>"; each row opens with a
// "<th" header holding its date (year/month/day, on the header's line or the
// next), then a selling and a buying balance cell.  A row is dated by its
// full date moved to the Friday of its week.  A date that names no calendar
// day or lies after today, and a balance cell without digits, pass the row
// over: a stored balance is never overwritten by one the page does not give.
#include <string>

namespace ranvik {

// Reads PageFile1.  `code` and `mode` are not used.  UpdateLog gets the same
// closing text as from ImportMarginHistory, appended without a line end.
void ImportMarginTable(const std::string& dataFile, const std::string& code, int mode);

}  // namespace ranvik
