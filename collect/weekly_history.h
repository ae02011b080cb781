#pragma once
// The weekly history page reader: the weekly price tables of the first
// quote-site kind, saved as PageFile1 to PageFile8 by a download, stored row
// by row into the stock's weekly data file.
//
// The table is the daily reader's (始値 or 日付, then date, open, high, low,
// close, volume), and so is the rule for a row: its fields come from its own
// columns, a row lacking one is passed over.  Each row is stored under the
// date its cell names ("2024/5/13" or "2024年5月13日") moved to the Friday of
// its week, never under a date worked out from the reference time: a page
// that lags the clock would otherwise shift every bar by a week.  A row
// dated after the latest trading day at the present moment is passed over.
// Pages list the newest week first, so a row of a later year than the row
// before it ends that page's reading.
#include <string>

namespace ranvik {

// The reference time ("yyyy/mm/dd hh:mm:ss") as the callers keep it after a
// run, the time part kept unless the New Year rule replaces it:
// - with the debug item checked, the date of the saved first page (its
//   "_1qCXjxCj" marker, else its "historyTermToDate");
// - for a code that is not a rate series, 2019/04/28 to 2019/05/06 become
//   2019/04/27;
// - up to January 3, or January 4 before 19:00, it becomes December 31 of
//   the year before at 19:30:00.
// The exchange calendar's holiday flags are then set for its date.
void AdjustWeeklyReference(std::string& referenceTime, bool rateCode);

// The reader's calling form.  `code` counts by its leading number (volume
// read above 50; 10 to 50 a rate series); `referenceTime` is the caller's
// variable, rewritten as above; `mode` 0 collection update, 1 new stock, 4
// chart window web update.
//
// UpdateLog ends as the report: the header, a line per row written and
// "以上を更新しました", or only the no-data text; a line of its own when a
// full or failing data file stopped the run.  In mode 2 and above, for a code
// that is not a rate series, PagePriceText and PagePriceNote take the first
// page's current price and change; PagePriceNote is emptied in every case,
// PagePriceText unless the code is a rate series.  With the debug item
// checked, page 5 on are read only when SavedPageDir holds "株HTML5.htm".
void ImportWeeklyHistory(const std::string& dataFile, const std::string& code, std::string& referenceTime,
                         int mode);

}  // namespace ranvik
