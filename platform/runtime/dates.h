#pragma once
// Calendar dates, today's date through a clock that tests can fix, the
// "mm/dd/yy" form of the stock data files and dates typed as y/m/d.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ranvik {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const Date&, const Date&) = default;
};

struct DateTime {
    Date date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Today's local date and time.  Tests put a fixed moment in its place.
using ClockFunction = std::function<DateTime()>;
DateTime Now();
Date Today();
void SetClock(ClockFunction clock);  // an empty function restores the system clock

bool IsValidDate(const Date& d);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// Days since 1970-01-01 and back, for stepping through the calendar.
std::int64_t DayNumber(const Date& d);
Date DateFromDayNumber(std::int64_t days);
Date AddDays(const Date& d, std::int64_t days);
// Weekday as the original numbers it: Sunday 1 to Saturday 7.
int Weekday(const Date& d);

// "mm/dd/yy", two digits each.
std::string FormatMmDdYy(const Date& d);
// The year of a two-digit year in the stock data files: below 60 is 20yy,
// otherwise 19yy.
int FullYearOf(int year2);
// Recognises a typed "mm/dd/yy": two digits each, a month 1 to 12 and a day
// that month has in the year FullYearOf gives (so 02/29/00 is a date and
// 02/29/01 is not).  Returns month, day and the two-digit year as typed;
// nullopt for anything else.
struct MmDdYy {
    int month = 0;
    int day = 0;
    int year2 = 0;
};
std::optional<MmDdYy> ParseMmDdYy(std::string_view text);

// A date typed in the Japanese order year/month/day ("2024/1/5",
// "2024/01/05", "24/1/5", "2024-1-5", "2024年1月5日", full-width digits too).
// A year of one or two digits is returned as typed (yearDigits tells), the
// caller applies its own pivot; nullopt when it is not a date of the
// calendar (a two-digit year is checked as 20yy for February 29).
struct TypedDate {
    Date date;
    int yearDigits = 4;
};
std::optional<TypedDate> ParseTypedDate(std::string_view text);

}  // namespace ranvik
