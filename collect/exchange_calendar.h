#pragma once
// The trading calendar of the Japanese exchanges, as far as the page readers
// and the downloads need it.  The holidays are a fixed set of rules by month
// and year written into the routines; there is no holiday file.  A year is a
// leap year when it divides by 4, which is exact for every year the stock data
// holds (1951 to 2050).  Weekdays count 1 Sunday to 7 Saturday.
//
// Each routine comes twice: a form that returns its result, and the
// program-wide form the other windows call, which leaves the result in the
// collection state (DateYearPart, DateMonthPart, DateDayPart,
// MondayHolidayFlag, FixedHolidayFlag) until the next call.
//
// None of them fails: a month outside 1 to 12 or a day outside 1 to 31 gives
// no holiday and moves nothing, a day past the month's end (February 30)
// simply matches no rule, and a date text that is not "mm/dd/yy" gives no
// date.
#include <optional>
#include <string_view>

#include "platform/runtime/dates.h"

namespace ranvik {

// The leading number of a stock code ("0020" is 20, "7203" is 7203, a code
// without one is 0).
double CodeNumber(std::string_view code);
// Codes from 10 to 50 are exchange-rate series: they trade every weekday,
// with no exchange holiday.
bool IsRateCode(std::string_view code);

// The date stepped back over weekends and exchange holidays (for a rate code
// over weekends only).  One pass over the month's rules, as the readers have
// always dated their rows: a date stepped into the previous month is not
// tested against that month's rules again.
Date LastBusinessDate(const Date& date, std::string_view code);
// DateYearPart takes the last two digits of the year, DateMonthPart and
// DateDayPart two digits each.
void LastBusinessDay(int day, int month, int year, std::string_view code);

// Whether the Monday of the date's week is a holiday: the date itself for
// weekday 2, one day before for 3, two days before for 4.  The step back into
// the previous month takes February as 28 days in every year, as the readers
// rely on.  The rules are written for Mondays and do not check the weekday.
bool MondayHolidayOfWeek(int day, int month, int year, int weekday);
void IsMondayHoliday(int day, int month, int year, int weekday);  // MondayHolidayFlag

// Whether the date, or for weekday 4 the Tuesday before it, is a holiday
// that falls on a fixed date.
bool FixedHolidayOfDate(int day, int month, int year, int weekday);
void IsFixedHoliday(int day, int month, int year, int weekday);  // FixedHolidayFlag

// The date `days` calendar days before a "mm/dd/yy" text (two-digit years
// above 50 are 19yy, the others 20yy); 0 days gives the date itself.
std::optional<Date> DateDaysBefore(int days, std::string_view mmddyy);
// DateYearPart takes four digits, DateMonthPart and DateDayPart two; a text
// that names no date leaves all three empty.
void DateMinusDays(int days, std::string_view mmddyy);

// The newest day whose daily prices a quote page can hold at the moment
// `now`: today when the calendar makes it a trading day and its prices are
// out (from 16:50 for codes above 100, from 18:30 for codes below 3; other
// codes at any hour), otherwise the trading day before.
Date LatestTradingDay(const DateTime& now, std::string_view code);

// The Friday of the date's week, weeks running Sunday to Saturday: a weekly
// bar and a margin balance are stored under it, so a Saturday goes back one
// day and every other day forward.
Date FridayOfWeek(const Date& date);

}  // namespace ranvik
