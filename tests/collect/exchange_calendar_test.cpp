#include "collect/exchange_calendar.h"

#include <gtest/gtest.h>

#include <string>

#include "core/program_state.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

class Calendar : public testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    test::FixedClock clock_{{2024, 5, 10}, 17, 0};

    static std::string Parts() {
        const auto& s = Program().collection;
        return s.DateYearPart + "," + s.DateMonthPart + "," + s.DateDayPart;
    }
};

TEST_F(Calendar, LastBusinessDayStepsOverWeekendsAndHolidays) {
    const struct {
        Date date;
        const char* code;
        const char* expected;
    } cases[] = {
        {{2024, 5, 11}, "7203", "24,05,10"},  // Saturday
        {{2024, 5, 12}, "7203", "24,05,10"},  // Sunday
        {{2024, 5, 10}, "7203", "24,05,10"},  // an ordinary Friday stays
        {{2020, 1, 13}, "7203", "20,01,10"},  // second Monday of January
        {{2019, 5, 6}, "7203", "19,04,26"},   // the ten days of 2019
        {{2019, 4, 30}, "7203", "19,04,26"},
        {{2019, 5, 2}, "7203", "19,04,26"},
        {{2020, 5, 6}, "7203", "20,05,01"},  // May 6 to 3 holidays, May 2 a Saturday
        {{2021, 7, 23}, "7203", "21,07,21"},
        {{2020, 7, 24}, "7203", "20,07,22"},
        {{2020, 10, 1}, "7203", "20,09,30"},  // back into September
        {{2004, 7, 20}, "7203", "04,07,20"},
        {{1994, 7, 20}, "7203", "94,07,20"},
        {{1999, 7, 20}, "7203", "99,07,19"},
        {{1998, 7, 20}, "7203", "98,07,17"},  // a Monday: back to Friday
        {{2003, 11, 3}, "7203", "03,10,31"},  // Sunday the 2nd steps into October
        {{2019, 12, 31}, "7203", "19,12,30"},
        {{2018, 12, 31}, "7203", "18,12,28"},  // "otherwise" holds in 2018 too
        {{2022, 1, 1}, "7203", "21,12,30"},    // wraps into last year, then its December rule
        {{2020, 3, 1}, "7203", "20,02,28"},    // leap February: Sunday the 1st to Friday the 28th
        {{2015, 3, 1}, "7203", "15,02,27"},
        {{2023, 2, 30}, "7203", "23,02,30"},  // past the month's end: no rule matches it
        {{2020, 1, 13}, "0020", "20,01,13"},  // rate series: weekends only
        {{2024, 5, 12}, "0020", "24,05,10"},
        {{2019, 5, 6}, "0050", "19,05,06"},
        {{2019, 5, 6}, "0051", "19,04,26"},
        {{2019, 5, 6}, "0009", "19,04,26"},
    };
    for (const auto& c : cases) {
        LastBusinessDay(c.date.day, c.date.month, c.date.year, c.code);
        EXPECT_EQ(Parts(), c.expected) << c.date.year << "-" << c.date.month << "-" << c.date.day << " " << c.code;
    }
}

TEST_F(Calendar, AMonthOrDayOutsideTheCalendarMovesNothing) {
    const Date odd[] = {{2024, 13, 1}, {2024, 0, 5}, {2024, 5, 0}, {2024, 5, 32}, {2024, -3, -7}};
    for (const Date& d : odd) EXPECT_EQ(LastBusinessDate(d, "7203"), d) << d.month << "/" << d.day;
    EXPECT_FALSE(MondayHolidayOfWeek(40, 1, 2024, 2));
    EXPECT_FALSE(FixedHolidayOfDate(1, 13, 2024, 4));
}

// Every day of ninety years: the result is never later than the date, never
// more than the longest break (ten days in 2019) before it, and always a
// weekday; a rate series only ever leaves a weekend.
TEST_F(Calendar, EveryDayFrom1960To2049StepsBackToAWeekday) {
    for (Date d{1960, 1, 1}; d.year < 2050; d = AddDays(d, 1)) {
        const Date stock = LastBusinessDate(d, "7203");
        ASSERT_TRUE(IsValidDate(stock)) << FormatMmDdYy(d);
        const std::int64_t back = DayNumber(d) - DayNumber(stock);
        ASSERT_GE(back, 0) << FormatMmDdYy(d);
        ASSERT_LE(back, 10) << FormatMmDdYy(d);
        ASSERT_GE(Weekday(stock), 2) << FormatMmDdYy(d);
        ASSERT_LE(Weekday(stock), 6) << FormatMmDdYy(d);

        const Date rate = LastBusinessDate(d, "0020");
        const int w = Weekday(d);
        const int expectedBack = w == 1 ? 2 : w == 7 ? 1 : 0;
        ASSERT_EQ(DayNumber(d) - DayNumber(rate), expectedBack) << FormatMmDdYy(d);
    }
}

TEST_F(Calendar, IsMondayHolidayLooksAtTheMondayOfTheWeek) {
    const struct {
        Date date;
        int weekday;
        bool holiday;
    } cases[] = {
        {{2020, 1, 14}, 3, true},   // Monday January 13
        {{2020, 7, 1}, 4, false},   // Monday June 29
        {{2020, 11, 23}, 2, true},
        {{2019, 7, 15}, 2, true},
        {{2021, 7, 19}, 2, false},  // no Monday holiday in July 2021
        {{2021, 3, 22}, 2, false},  // March 20 and 21 count in every year but 2021
        {{2020, 3, 4}, 4, false},   // Monday March 2 is a working day
        {{2020, 3, 2}, 4, false},   // back into February
        {{2019, 10, 1}, 3, false},  // Monday September 30
        {{2019, 1, 1}, 3, false},   // into December 2018
        {{2024, 9, 17}, 3, true},   // Monday September 16
        {{2024, 1, 3}, 4, true},    // Monday January 1
    };
    auto& flag = Program().collection.MondayHolidayFlag;
    for (const auto& c : cases) {
        flag = 99;
        IsMondayHoliday(c.date.day, c.date.month, c.date.year, c.weekday);
        EXPECT_EQ(flag, c.holiday ? -1 : 0) << FormatMmDdYy(c.date) << " weekday " << c.weekday;
    }
}

TEST_F(Calendar, IsFixedHolidayLooksAtTheDateOrTheTuesdayBeforeAWednesday) {
    const struct {
        Date date;
        int weekday;
        bool holiday;
    } cases[] = {
        {{2019, 10, 23}, 4, true},   // Tuesday October 22, 2019
        {{2020, 10, 21}, 4, false},
        {{2024, 1, 3}, 4, true},     // Tuesday January 2
        {{2020, 4, 1}, 4, false},    // back to March 31
        {{2019, 5, 1}, 4, false},    // back to April 30
        {{2020, 9, 22}, 3, true},    // leap year: the 22nd
        {{2015, 9, 22}, 3, true},    // from 2015 the 22nd in every year
        {{2014, 9, 23}, 3, true},
        {{2014, 9, 22}, 2, false},
        {{2020, 2, 23}, 2, true},
        {{2019, 2, 23}, 3, false},
        {{2024, 3, 20}, 4, false},   // Tuesday March 19
        {{2024, 3, 20}, 3, true},
    };
    auto& flag = Program().collection.FixedHolidayFlag;
    for (const auto& c : cases) {
        flag = 99;
        IsFixedHoliday(c.date.day, c.date.month, c.date.year, c.weekday);
        EXPECT_EQ(flag, c.holiday ? -1 : 0) << FormatMmDdYy(c.date) << " weekday " << c.weekday;
    }
}

TEST_F(Calendar, DateMinusDaysStepsBackThroughMonthsAndYears) {
    const struct {
        int days;
        const char* date;
        const char* expected;
    } cases[] = {
        {5, "02/20/24", "2024,02,15"},
        {40, "03/05/24", "2024,01,25"},
        {10, "05/10/24", "2024,04,30"},
        {5, "01/03/00", "1999,12,29"},  // from 2000 back into 1999
        {300, "05/10/24", "2023,07,15"},
        {0, "05/10/24", "2024,05,10"},
        {1, "03/01/00", "2000,02,29"},  // 2000 has its leap day
        {1, "03/01/99", "1999,02,28"},
        {1, "03/01/24", "2024,02,29"},
        {366, "03/01/24", "2023,03,01"},
        {1400, "01/10/51", "1947,03,12"},  // 51 is 1951
        {1, "01/01/50", "2049,12,31"},     // 50 is 2050
        {10, "06/09/61", "1961,05,30"},
    };
    for (const auto& c : cases) {
        DateMinusDays(c.days, c.date);
        EXPECT_EQ(Parts(), c.expected) << c.days << " before " << c.date;
    }
}

TEST_F(Calendar, DateMinusDaysAgreesWithTheCalendarOverTheWholeRange) {
    for (Date d{1951, 1, 1}; d.year <= 2050; d = AddDays(d, 7)) {
        for (int days : {1, 30, 300, 1400}) {
            const auto got = DateDaysBefore(days, FormatMmDdYy(d));
            ASSERT_TRUE(got.has_value()) << FormatMmDdYy(d);
            ASSERT_EQ(*got, AddDays(d, -days)) << days << " before " << FormatMmDdYy(d);
        }
    }
}

TEST_F(Calendar, DateMinusDaysOfATextThatIsNoDateLeavesNoParts) {
    for (const char* text : {"", "13/01/24", "00/10/24", "05/00/24", "05/32/24", "ab/cd/ef", "5/10/24", "05-10-24"}) {
        Program().collection.DateYearPart.assign(1, 'x');
        DateMinusDays(5, text);
        EXPECT_EQ(Parts(), ",,") << text;
    }
}

TEST_F(Calendar, TheLatestTradingDayWaitsForTheDaysPrices) {
    const struct {
        Date today;
        int hour;
        int minute;
        const char* code;
        Date latest;
    } cases[] = {
        {{2024, 5, 10}, 16, 49, "7203", {2024, 5, 9}},
        {{2024, 5, 10}, 16, 50, "7203", {2024, 5, 10}},
        {{2024, 5, 8}, 18, 29, "0001", {2024, 5, 7}},   // an index: from 18:30
        {{2024, 5, 8}, 18, 30, "0001", {2024, 5, 8}},
        {{2024, 5, 8}, 9, 0, "0060", {2024, 5, 8}},     // no hour for codes 3 to 100
        {{2024, 5, 8}, 9, 0, "0020", {2024, 5, 8}},     // rate series
        {{2024, 5, 11}, 9, 0, "0020", {2024, 5, 10}},
        {{2024, 5, 13}, 9, 0, "7203", {2024, 5, 10}},   // Monday morning: Friday
        {{2024, 7, 15}, 17, 0, "7203", {2024, 7, 12}},  // a holiday Monday
        {{2018, 12, 31}, 17, 0, "7203", {2018, 12, 28}},
        {{2021, 12, 31}, 17, 0, "7203", {2021, 12, 30}},
        {{2024, 5, 6}, 20, 0, "7203", {2024, 5, 2}},    // the May holidays
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LatestTradingDay({c.today, c.hour, c.minute, 0}, c.code), c.latest)
            << FormatMmDdYy(c.today) << " " << c.hour << ":" << c.minute << " " << c.code;
    }
}

}  // namespace
}  // namespace ranvik
