// The exchange calendar's four routines and the latest trading day.
#include "collect/exchange_calendar.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/program_state.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

// The month lengths the start-up puts into MonthDays, February as 28.  Held
// here as well so that the calendar gives the same answers before the main
// window has filled the table (the tests, the benchmarks).
constexpr std::array<int, 13> kMonthDays{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<int, 13> kDaysBeforeMonth{0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

bool LeapYear(int year) { return year % 4 == 0; }

int MonthLength(int month, int year) { return kMonthDays[month] + (month == 2 && LeapYear(year) ? 1 : 0); }

bool ValidMonth(int month) { return month >= 1 && month <= 12; }

std::string TwoDigits(int n) {
    n = ((n % 100) + 100) % 100;
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

// The date being moved back, with its weekday carried along.
struct Candidate {
    int year = 0;
    int month = 0;
    int day = 0;
    int weekday = 0;

    void Back(int days) {
        day -= days;
        weekday = ((weekday - 1 - days) % 7 + 7) % 7 + 1;
    }
    bool Monday() const { return weekday == 2; }
    bool SecondWeek() const { return day >= 8 && day <= 14; }
    bool ThirdWeek() const { return day >= 15 && day <= 21; }

    // A day of 0 or less belongs to the month before.
    void WrapMonth() {
        while (day <= 0) {
            if (--month == 0) {
                month = 12;
                --year;
            }
            day += MonthLength(month, year);
        }
    }

    void SkipWeekend() {
        if (weekday == 1) Back(2);
        else if (weekday == 7) Back(1);
    }
};

// Each rule is tested once, in the order written, on the candidate as the
// rules before it left it.  "else" marks a rule that the table gives as
// "otherwise": tested only when the rule before it did not match, in every
// year (Monday 2018-12-31 steps to December 28 through it).
void ApplyMonthRules(Candidate& c) {
    const int y = c.year;
    switch (c.month) {
    case 1:
        if (c.Monday() && c.SecondWeek()) c.Back(1);
        break;
    case 2:
        if (c.day == 11 || (c.Monday() && c.day == 12)) c.Back(1);
        else if (y >= 2020 && (c.day == 23 || (c.Monday() && c.day == 24))) c.Back(1);
        break;
    case 3:
        if (!LeapYear(y)) {
            if (c.day == 21 || (c.Monday() && c.day == 22)) c.Back(1);
        } else if (c.day == 20 || (c.Monday() && c.day == 21)) {
            c.Back(1);
        }
        break;
    case 4:
        if (c.day == 29 || (c.Monday() && c.day == 30)) c.Back(1);
        else if (y == 2019 && c.day == 30) c.Back(2);
        break;
    case 5:
        if (y >= 2008 && c.day == 6 && c.weekday >= 2 && c.weekday <= 4) c.Back(1);
        if (c.day == 5) c.Back(1);
        if (y >= 1999 && c.day == 4) c.Back(1);
        if (c.day == 3) c.Back(1);
        if (y == 2019 && (c.day == 1 || c.day == 2)) {
            // The ten holidays of 2019's change of era: back to Sunday April 28.
            c.month = 4;
            c.day = 28;
            c.weekday = 1;
        }
        break;
    case 7:
        if (y == 2020) {
            if (c.day == 24) c.Back(2);
            if (c.day == 23) c.Back(1);
        } else if (y == 2021) {
            if (c.day == 22) c.Back(1);
            if (c.day == 23) c.Back(2);
        } else if (y >= 2003) {
            if (c.Monday() && c.ThirdWeek()) c.Back(1);
        } else if (y >= 1996 && c.day == 20) {
            c.Back(c.Monday() ? 3 : 1);
        }
        break;
    case 8:
        if (y == 2020) {
            if (c.day == 10) c.Back(1);
        } else if (y == 2021) {
            if (c.day == 9) c.Back(1);
        } else if (y >= 2016 && (c.day == 11 || (c.Monday() && c.day == 12))) {
            c.Back(1);
        }
        break;
    case 9:
        if (y >= 2002 && c.Monday() && c.ThirdWeek()) c.Back(1);
        if (!LeapYear(y)) {
            if (c.day == 23 || (c.Monday() && c.day == 24)) c.Back(1);
        } else if (c.day == 22 || (c.Monday() && c.day == 23)) {
            c.Back(1);
        }
        break;
    case 10:
        if (y == 2020) {
            if (c.day == 1) c.Back(1);
        } else if (y != 2021) {
            if (c.Monday() && c.SecondWeek()) c.Back(1);
            if (y == 2019 && c.day == 22) c.Back(1);
        }
        break;
    case 11:
        if (c.day == 3 || c.day == 23 || (c.Monday() && (c.day == 4 || c.day == 24))) c.Back(1);
        break;
    case 12:
        if (y <= 2018 && (c.day == 23 || (c.Monday() && c.day == 24))) c.Back(1);
        else if (c.day == 31) c.Back(1);
        break;
    default:
        break;
    }
}

// The Monday or Tuesday a holiday test looks at: `back` days before the
// date, into the month before with its MonthDays length (no leap day).
struct TestedDay {
    int year;
    int month;
    int day;
};

TestedDay StepBack(int day, int month, int year, int back) {
    day -= back;
    if (day <= 0) {
        if (--month == 0) {
            month = 12;
            --year;
        }
        day += kMonthDays[month];
    }
    return {year, month, day};
}

// Days from 1 January of year 0 with a leap day in every fourth year, the
// calendar's own count.
std::int64_t Serial(int year, int month, int day) {
    const std::int64_t y = year;
    return 365 * y + (y + 3) / 4 + kDaysBeforeMonth[month] + (month > 2 && LeapYear(year) ? 1 : 0) + day - 1;
}

Date FromSerial(std::int64_t serial) {
    constexpr std::int64_t kCycle = 4 * 365 + 1;
    std::int64_t year = serial / kCycle * 4;
    std::int64_t rest = serial % kCycle;
    // A cycle opens with its leap year.
    if (rest >= 366) {
        rest -= 366;
        year += 1 + rest / 365;
        rest %= 365;
    }
    const int y = static_cast<int>(year);
    int month = 1;
    while (month < 12 && rest >= MonthLength(month, y)) rest -= MonthLength(month++, y);
    return {y, month, static_cast<int>(rest) + 1};
}

}  // namespace

double CodeNumber(std::string_view code) { return Val(code); }

bool IsRateCode(std::string_view code) {
    const double c = CodeNumber(code);
    return c >= 10 && c <= 50;
}

Date LastBusinessDate(const Date& date, std::string_view code) {
    if (!ValidMonth(date.month) || date.day < 1 || date.day > 31 || date.year < 1 || date.year > 9999) return date;
    // The weekday of a day past the month's end is that of the day it
    // overruns into; the rules then simply do not match it.
    Candidate c{date.year, date.month, date.day, Weekday(date)};
    c.SkipWeekend();
    c.WrapMonth();
    if (!IsRateCode(code)) {
        ApplyMonthRules(c);
        c.SkipWeekend();
        c.WrapMonth();
    }
    return {c.year, c.month, c.day};
}

void LastBusinessDay(int day, int month, int year, std::string_view code) {
    const Date d = LastBusinessDate({year, month, day}, code);
    auto& s = Program().collection;
    s.DateYearPart = TwoDigits(d.year);
    s.DateMonthPart = TwoDigits(d.month);
    s.DateDayPart = TwoDigits(d.day);
}

bool MondayHolidayOfWeek(int day, int month, int year, int weekday) {
    if (!ValidMonth(month) || day < 1 || day > 31) return false;
    const TestedDay t = StepBack(day, month, year, weekday == 3 ? 1 : weekday == 4 ? 2 : 0);
    const int d = t.day;
    const int y = t.year;
    switch (t.month) {
    case 1: return d <= 3 || (d >= 8 && d <= 14);
    case 2: return d == 11 || d == 12 || (y >= 2020 && (d == 23 || d == 24));
    case 3: return (d == 20 || d == 21) && y != 2021;
    case 4: return d == 29 || d == 30;
    case 5: return d == 3 || d == 5 || d == 6 || (y >= 1999 && d == 4);
    case 7:
        if (y == 2021) return false;
        if (y >= 2003) return d >= 15 && d <= 21;
        return y >= 1996 && d == 20;
    case 8:
        if (y == 2020) return d == 10;
        if (y == 2021) return d == 9;
        return y >= 2016 && (d == 11 || d == 12);
    case 9:
        if (y >= 2002 && d >= 15 && d <= 21) return true;
        return LeapYear(y) ? (d == 22 || d == 23) : (d == 23 || d == 24);
    case 10: return d >= 8 && d <= 14 && y != 2020 && y != 2021;
    case 11: return d == 3 || d == 4 || d == 23 || d == 24;
    case 12: return y <= 2018 && (d == 23 || d == 24);
    default: return false;
    }
}

void IsMondayHoliday(int day, int month, int year, int weekday) {
    auto& s = Program().collection;
    s.MondayHolidayFlag = kFalse;
    if (MondayHolidayOfWeek(day, month, year, weekday)) s.MondayHolidayFlag = kTrue;
}

bool FixedHolidayOfDate(int day, int month, int year, int weekday) {
    if (!ValidMonth(month) || day < 1 || day > 31) return false;
    const TestedDay t = StepBack(day, month, year, weekday == 4 ? 1 : 0);
    const int d = t.day;
    const int y = t.year;
    switch (t.month) {
    case 1: return d <= 3;
    case 2: return d == 11 || (y >= 2020 && d == 23);
    case 3: return LeapYear(y) ? d == 20 : d == 21;
    case 4: return d == 29;
    case 5: return d == 3 || d == 4 || d == 5 || (y >= 2008 && d == 6);
    case 8: return y >= 2016 && d == 11;
    case 9: return (LeapYear(y) ? d == 22 : d == 23) || (y >= 2015 && d == 22);
    case 10: return y == 2019 && d == 22;
    case 11: return d == 3 || d == 23;
    case 12: return y <= 2018 && d == 23;
    default: return false;
    }
}

void IsFixedHoliday(int day, int month, int year, int weekday) {
    auto& s = Program().collection;
    s.FixedHolidayFlag = kFalse;
    if (FixedHolidayOfDate(day, month, year, weekday)) s.FixedHolidayFlag = kTrue;
}

std::optional<Date> DateDaysBefore(int days, std::string_view mmddyy) {
    const auto parts = ParseMmDdYy(mmddyy);
    if (!parts || !ValidMonth(parts->month) || parts->day < 1 || parts->day > 31) return std::nullopt;
    const int year = parts->year2 > 50 ? 1900 + parts->year2 : 2000 + parts->year2;
    if (days == 0) return Date{year, parts->month, parts->day};
    const std::int64_t serial = Serial(year, parts->month, parts->day) - days;
    if (serial < 0) return std::nullopt;
    return FromSerial(serial);
}

void DateMinusDays(int days, std::string_view mmddyy) {
    auto& s = Program().collection;
    const auto d = DateDaysBefore(days, mmddyy);
    if (!d) {
        s.DateYearPart.clear();
        s.DateMonthPart.clear();
        s.DateDayPart.clear();
        return;
    }
    char year[16];
    std::snprintf(year, sizeof year, "%04d", d->year);
    s.DateYearPart = year;
    s.DateMonthPart = TwoDigits(d->month);
    s.DateDayPart = TwoDigits(d->day);
}

Date LatestTradingDay(const DateTime& now, std::string_view code) {
    const double c = CodeNumber(code);
    const int hhmm = now.hour * 100 + now.minute;
    const bool early = (c > 100 && hhmm < 1650) || (c < 3 && hhmm < 1830);
    if (!early && LastBusinessDate(now.date, code) == now.date) return now.date;
    return LastBusinessDate(AddDays(now.date, -1), code);
}

Date FridayOfWeek(const Date& date) { return AddDays(date, 6 - Weekday(date)); }

}  // namespace ranvik
