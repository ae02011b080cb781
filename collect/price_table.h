#pragma once
// The table-dialect price reader: the price page of the second quote-site
// kind, whose table stands one cell per line, stored into the stock's data
// file: up to 25 daily rows, or the latest weekly row.
//
// The table follows the words 終値 and "</thead>"; each row opens with a
// line holding "<th" and its cells stand on the lines after it.  A daily
// row's date follows the row header's ">" (or stands on the next line): a
// full year/month/day is read in full, a bare month/day takes the current
// year, or the year before when its month lies after the current month.  A
// weekly page gives its week by a date after the "<br>" of the fourth cell
// line of its first row, moved to the Friday of its week.  A date that names
// no calendar day or lies after today passes its row over, and so does a row
// whose prices (and volume, where read) do not all read as numbers or whose
// open, high and low are all 0, and the row of 2020/10/01, a day the
// exchange did not trade.
#include <string>

namespace ranvik {

// Reads PageFile1.  `code` counts by its leading number (volume read above
// 50, otherwise stored as 0); `dailyFlag` -1 daily rows, 0 the weekly row;
// `mode` 0 collection update, 4 chart window web update (above 1 takes the
// 現在値 price into PagePriceText).
//
// UpdateLog ends as the report: the header, a line per row written and
// "以上を更新しました", or only the no-data text; a line of its own when a full
// or failing data file stopped the run.  PagePriceText and PagePriceNote are
// emptied first.  The data file is open only while a row is stored.
void ImportPriceTable(const std::string& dataFile, const std::string& code, int dailyFlag, int mode);

}  // namespace ranvik
