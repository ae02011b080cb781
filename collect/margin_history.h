#pragma once
// The margin history page reader: the weekly margin balances of the first
// quote-site kind, written into the price records the stock's data file
// already holds.
//
// Each row is dated by the date its cell names ("2019/5/13" or
// "2019年5月13日") moved to the Friday of its week, never by a date worked
// out from the reference time and the rows around it: a page that lags the
// clock would otherwise shift every balance by a week.  A row dated after the
// latest trading day at the present moment, or lacking a balance (a "---"
// cell), is passed over, so a stored balance is never overwritten by one the
// page does not give.
#include <string>

#include "platform/runtime/dates.h"

namespace ranvik {

// The "mm/dd/yy" date a week's balances are stored under: the page's date
// moved to its Friday, and to the week before for the one week of 2019 on
// which the exchanges did not open.
std::string MarginDateText(const Date& pageDate);

// The reader's calling form.  `referenceTime` ("yyyy/mm/dd hh:mm:ss") is
// the caller's variable: a date from 2019/04/28 to 2019/05/06 becomes
// 2019/04/27 in it, the time kept, as the callers have always seen.  `code`
// and `mode` are not used.  Pages are read only while QuoteSiteKind1 is set.
//
// One closing text is appended to UpdateLog, without a line end: the number
// of records written and "個の信用残データを更新しました", or
// "更新すべき信用残データは有りません"; a line of its own follows when the
// data file failed.  The data file and every page are closed on every way
// out.
void ImportMarginHistory(const std::string& dataFile, const std::string& code, std::string& referenceTime,
                         int mode);

}  // namespace ranvik
