#pragma once
// The daily history page reader: the daily price tables of the first
// quote-site kind, saved as PageFile1 to PageFile8 by a download, stored row
// by row into the stock's data file.
//
// Each row is stored under the date its date cell names ("2024/5/10" or
// "2024年5月10日"), never under a date worked out from the rows around it,
// and only with the prices of its own row: a row that lacks a price or its
// volume (a row of "---", a notice row) is passed over, and so is a row
// dated after the latest trading day at the present moment (a day whose
// prices are not final yet).  Rows that cannot be dated, a date cell that
// names no calendar day or a date an earlier row of the run already carried
// (the first one is kept), are left out and reported by message 060 at the
// end of the run.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "collect/page_text.h"
#include "platform/runtime/dates.h"

namespace ranvik {

// A row of a daily history table as its page gives it.
struct DailyPageRow {
    enum class Kind {
        Prices,         // every field read
        LacksField,     // a price or the volume is missing or not a number
        NoCalendarDay,  // the date cell names no day a data file can hold
    };
    Kind kind = Kind::Prices;
    Date date;
    // Normalised texts (Prices only); the volume is "0" unless read.
    std::string open, high, low, close;
    std::string volume = "0";
};

// The rows of one page: the table stands on the line holding 始値 or, on a
// page without one, on the first line holding 日付, and its rows start at
// the first date cell after that word.  Columns after the date: open, high,
// low, close, volume (read when `readVolume`), adjusted close (not used).
std::vector<DailyPageRow> ReadDailyRows(const PageText& page, bool readVolume);
// The same rows handed over one at a time as they are read, without
// gathering them, until `take` returns false.
void ForEachDailyRow(const PageText& page, bool readVolume, const std::function<bool(const DailyPageRow&)>& take);

// The first page of a history, and, from mode 2 on and not for a rate code,
// the price block at its head into PagePriceText and PagePriceNote.
std::optional<PageText> LoadFirstHistoryPage(const std::vector<std::string>& files, int mode, bool rate);

// The reader's calling form.  `dataFile` is the stock data file (it must
// exist: the caller creates a new one); `code` the stock code, of which only
// the leading number counts (volume read above 50; 10 to 50 a rate series);
// `targetDate` the reference date and time the caller computed, which no
// longer moves any row's date; `mode` 0 collection update, 1 new stock, 4
// chart window web update.
//
// UpdateLog ends as the report (the no-data text when no row was written; no
// closing line in mode 4; a line of its own when a full or failing data file
// stopped the run).  In mode 2 and above, for a code that is not a rate
// series, PagePriceText and PagePriceNote take the first page's current price
// and change; PagePriceNote is emptied in every case, PagePriceText unless
// the code is a rate series.  The data file and every page are closed on
// every way out, and the rows stored before a stop stay stored.
void ImportDailyHistory(const std::string& dataFile, const std::string& code, const std::string& targetDate,
                        int mode);

}  // namespace ranvik
