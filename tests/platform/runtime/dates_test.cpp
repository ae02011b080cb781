#include "platform/runtime/dates.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace ranvik {
namespace {

TEST(Dates, TodayComesFromTheClockTestsFix) {
    {
        test::FixedClock clock({2019, 8, 13});
        EXPECT_EQ(Today(), (Date{2019, 8, 13}));
        EXPECT_EQ(FormatMmDdYy(Today()), "08/13/19");
    }
    EXPECT_GE(Today().year, 2024);
}

TEST(Dates, MmDdYyForm) {
    EXPECT_EQ(FormatMmDdYy({2000, 1, 4}), "01/04/00");
    EXPECT_EQ(FormatMmDdYy({1999, 12, 31}), "12/31/99");
    const auto d = ParseMmDdYy("08/13/19");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->month, 8);
    EXPECT_EQ(d->day, 13);
    EXPECT_EQ(d->year2, 19);
    const char* bad[] = {
        // not the form
        "8/13/19", "08-13-19", "ab/cd/ef", "08/13/2019", "", " 8/13/19", "08/13/19 ", "+8/13/19",
        "\uFF10\uFF18/\uFF11\uFF13/\uFF11\uFF19",  // full-width digits
        // the form, but no date of the calendar
        "00/10/19", "13/01/19", "99/99/99", "01/00/19", "01/32/19", "04/31/19", "02/30/00",
        "02/29/01", "02/29/58",  // 2001 and 2058 have no February 29
    };
    for (const char* text : bad) EXPECT_FALSE(ParseMmDdYy(text)) << text;
    // The year is read as 20yy below 60 and 19yy from 60 on, for leap years.
    for (const char* text : {"01/01/00", "12/31/99", "02/29/00", "02/29/24", "02/29/60", "02/29/96", "02/28/01",
                             "04/30/59", "01/31/60"})
        EXPECT_TRUE(ParseMmDdYy(text)) << text;
    EXPECT_EQ(FullYearOf(59), 2059);
    EXPECT_EQ(FullYearOf(60), 1960);
}

TEST(Dates, WeekdaysCountFromSunday) {
    struct Case {
        Date date;
        int weekday;
    } cases[] = {{{2026, 12, 10}, 5}, {{2026, 12, 13}, 1}, {{2000, 1, 1}, 7}, {{1970, 1, 1}, 5}, {{2024, 2, 29}, 5}};
    for (const auto& c : cases) EXPECT_EQ(Weekday(c.date), c.weekday) << FormatMmDdYy(c.date);
}

TEST(Dates, DayNumbersStepThroughTheCalendar) {
    EXPECT_EQ(AddDays({2024, 2, 28}, 1), (Date{2024, 2, 29}));
    EXPECT_EQ(AddDays({2023, 2, 28}, 1), (Date{2023, 3, 1}));
    EXPECT_EQ(AddDays({1999, 12, 31}, 1), (Date{2000, 1, 1}));
    EXPECT_EQ(DayNumber({1970, 1, 1}), 0);
    EXPECT_EQ(DateFromDayNumber(DayNumber({1960, 5, 17})), (Date{1960, 5, 17}));
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
}

TEST(Dates, TypedDatesInJapaneseOrder) {
    struct Case {
        const char* text;
        bool ok;
        Date date;
        int yearDigits;
    } cases[] = {
        {"2024/1/5", true, {2024, 1, 5}, 4},     {"2024/01/05", true, {2024, 1, 5}, 4},
        {"24/1/5", true, {24, 1, 5}, 2},         {"2024-12-31", true, {2024, 12, 31}, 4},
        {"2024年1月5日", true, {2024, 1, 5}, 4},  {"２０２４／１／５", true, {2024, 1, 5}, 4},
        {"2023/2/29", false, {}, 0},             {"24/2/29", true, {24, 2, 29}, 2},
        {"2024/13/1", false, {}, 0},             {"1/5", false, {}, 0},
        {"abc", false, {}, 0},                   {"202/1/5", false, {}, 0},
    };
    for (const auto& c : cases) {
        const auto t = ParseTypedDate(c.text);
        ASSERT_EQ(t.has_value(), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(t->date, c.date) << c.text;
        EXPECT_EQ(t->yearDigits, c.yearDigits) << c.text;
    }
}

}  // namespace
}  // namespace ranvik
