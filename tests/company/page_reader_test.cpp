#include "company/page_reader.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace ranvik {
namespace {

// A page as the download saves it: UTF-8 lines ending in CR LF.
std::string Page(std::initializer_list<std::string> lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes.append(line).append("\r\n");
    return bytes;
}

TEST(PageCursorTest, SeekLooksAtTheCurrentLineFirstAndAdvanceNever) {
    const PageText page(Page({"PER a PER", "b", "PER c"}));
    PageCursor seek(&page);
    ASSERT_TRUE(seek.ReadLine());
    EXPECT_EQ(seek.Seek("PER", 1), 1u);
    EXPECT_EQ(seek.Seek("PER", 2), 7u);  // further on the same line
    EXPECT_EQ(seek.Line(), "PER a PER");
    EXPECT_EQ(seek.Seek("PER", 8), 1u);  // none left there: the next line holding it
    EXPECT_EQ(seek.Line(), "PER c");

    PageCursor advance(&page);
    ASSERT_TRUE(advance.ReadLine());
    EXPECT_EQ(advance.Advance("PER"), 1u);  // the line read last is not looked at again
    EXPECT_EQ(advance.Line(), "PER c");
    EXPECT_EQ(advance.Advance("PER"), 0u);
    EXPECT_TRUE(advance.AtEnd());
    EXPECT_EQ(advance.Line(), "PER c");  // the page's last line stays current
    EXPECT_EQ(advance.Seek("c", 1), 5u);
    EXPECT_EQ(advance.Seek("PER", 2), 0u);  // at the end nothing more is read
}

TEST(PageCursorTest, PositionsCountCharactersNotBytes) {
    const PageText page(Page({"株価収益率<td class=\"detail_value\">12.5</td>"}));
    PageCursor cursor(&page);
    ASSERT_TRUE(cursor.ReadLine());
    EXPECT_EQ(cursor.Seek("<td", 1), 6u);
    EXPECT_EQ(FindIn(cursor.Line(), ">", 6), 30u);
    EXPECT_EQ(FindIn("abc", "a", 0), 1u);  // a start before the line counts as its start
    EXPECT_EQ(FindIn("abc", "c", 9), 0u);
}

TEST(PageCursorTest, AMarkerEndingInBytesMatchesOnlyTheCharacterTheyBegin) {
    struct Case {
        const char* line;
        std::string_view marker;
        std::size_t found;
    } const cases[] = {
        {"<th>株主優待</th>", "株主優\xE5\xBE", 5},
        {"<th>株主優遇</th>", "株主優\xE5\xBE", 0},  // 遇 begins E9 81
        {"営業利益率", "営業利\xE7\x9B", 1},        // 益 begins E7 9B, so the ratio matches too
        {"営業利回り", "営業利\xE7\x9B", 0},
        {"純資産合計", "純資産\xE5\x90", 1},
        {"一株純資産", "純資産\xE5\x90", 0},
        {"<th>2024.03連</th>", "\xE9\x80", 12},
    };
    for (const Case& c : cases) {
        const PageText page(Page({"x", c.line}));
        PageCursor cursor(&page);
        EXPECT_EQ(cursor.Advance(c.marker), c.found) << c.line;
    }
}

TEST(PageCursorTest, MoveBackGoesToTheByteOfTheReadPositionDividedBy128) {
    // Line 1 of 300 bytes; the reader stands after line 2, at byte 300 + 2 +
    // 100 + 2 + 1 = 405; 405 / 128 = 3, so the next line read is line 1 from
    // its third byte.
    const std::string first = "ab" + std::string(298, 'x');
    const PageText page(Page({first, std::string(100, 'y'), "z"}));
    PageCursor cursor(&page);
    ASSERT_TRUE(cursor.ReadLine());
    ASSERT_TRUE(cursor.ReadLine());
    EXPECT_EQ(cursor.BytePosition(), 405u);
    cursor.MoveBack();
    EXPECT_EQ(cursor.BytePosition(), 3u);
    ASSERT_TRUE(cursor.ReadLine());
    EXPECT_EQ(cursor.Line(), first.substr(2));
    ASSERT_TRUE(cursor.ReadLine());
    EXPECT_EQ(cursor.Line(), std::string(100, 'y'));
    // From the page's end (its size + 1), and from near the top, where the
    // division gives 0 and the reader starts from the first byte.
    EXPECT_EQ(cursor.Advance("none"), 0u);
    EXPECT_EQ(cursor.BytePosition(), page.Bytes().size() + 1);
    cursor.MoveBack();
    EXPECT_EQ(cursor.BytePosition(), (page.Bytes().size() + 1) / 128);

    const PageText small(Page({"ab", "cd"}));
    PageCursor top(&small);
    ASSERT_TRUE(top.ReadLine());
    ASSERT_TRUE(top.ReadLine());
    top.MoveBack();
    EXPECT_EQ(top.BytePosition(), 1u);
    EXPECT_EQ(top.Advance("ab"), 1u);
}

TEST(PageCursorTest, AMoveBackIntoACharacterOrALineBreakReadsOnWithoutFailing) {
    // Lines of 258 and 102 bytes put the reader at byte 361; 361 / 128 = 2,
    // the second byte of the first three-byte character.
    std::string japanese;
    for (int i = 0; i < 85; ++i) japanese += "株";  // 255 bytes
    const PageText page(Page({japanese + "a", std::string(100, 'q'), "end"}));
    PageCursor cursor(&page);
    ASSERT_TRUE(cursor.ReadLine());
    ASSERT_TRUE(cursor.ReadLine());
    EXPECT_EQ(cursor.BytePosition(), 361u);
    cursor.MoveBack();
    ASSERT_TRUE(cursor.ReadLine());
    const std::string rest = cursor.Line();
    EXPECT_TRUE(rest.starts_with("\uFFFD\uFFFD株")) << rest;
    EXPECT_TRUE(rest.ends_with("株a"));
    EXPECT_EQ(cursor.Advance("end"), 1u);

    // A byte of a line break reads as an empty line before the next one.
    const PageText breaks(Page({"a", std::string(380, 'b')}));
    PageCursor onBreak(&breaks);
    ASSERT_TRUE(onBreak.ReadLine());
    ASSERT_TRUE(onBreak.ReadLine());
    EXPECT_EQ(onBreak.BytePosition(), 386u);  // 386 / 128 = 3: the LF after "a"
    onBreak.MoveBack();
    ASSERT_TRUE(onBreak.ReadLine());
    EXPECT_EQ(onBreak.Line(), "");
    ASSERT_TRUE(onBreak.ReadLine());
    EXPECT_EQ(onBreak.Line(), std::string(380, 'b'));
}

TEST(PageCursorTest, AnAbsentOrEmptyPageReadsNothing) {
    PageCursor absent(nullptr);
    EXPECT_TRUE(absent.AtEnd());
    EXPECT_EQ(absent.Advance("x"), 0u);
    absent.MoveBack();
    EXPECT_FALSE(absent.ReadLine());
    const PageText empty("");
    PageCursor cursor(&empty);
    cursor.MoveBack();
    EXPECT_FALSE(cursor.ReadLine());
    EXPECT_EQ(cursor.Seek("x", 1), 0u);
}

TEST(ResultsConventionsTest, ValueCellsFiguresAndTheirTexts) {
    EXPECT_EQ(ValueCellText("<td class=\"a\">1,234</td><td>9</td>"), "1,234");
    EXPECT_EQ(ValueCellText("<td>12"), std::nullopt);  // no "</td>": no value
    EXPECT_EQ(ValueCellText("no cell"), std::nullopt);

    struct Case {
        const char* text;
        float value;
        bool numeric;
        const char* figureText;
    } const cases[] = {
        {"1,234,567", 1234567, true, "1234567"},
        {"-1,234", -1234, true, "-1234"},
        {"▲500", -500, true, "-500"},
        {"12.50", 12.5f, true, "12.5"},
        {"---", 0, false, "0"},
        {"-", 0, false, "0"},
        {"", 0, false, "0"},
        {"12a", 12, false, "12"},  // the leading number, but not numeric
        {"25,000,000.5", 2.5e7f, true, "2.5E+07"},
    };
    for (const Case& c : cases) {
        const Figure f = ReadFigure(c.text);
        EXPECT_EQ(f.value, c.value) << c.text;
        EXPECT_EQ(f.numeric, c.numeric) << c.text;
        EXPECT_EQ(FigureText(f.value), c.figureText) << c.text;
    }
    EXPECT_EQ(FigureText(1234567.0f / 100), "12345.67");
    EXPECT_EQ(FigureText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(TwoDecimals(10), "10.00");
    EXPECT_EQ(TwoDecimals(-20), "-20.00");
    EXPECT_EQ(TwoDecimals(0.5), "0.50");
}

TEST(ResultsConventionsTest, FirstRowLabelsDividendChangesAndPeriodLabels) {
    struct LabelCase {
        const char* line;
        const char* label;
    } const labels[] = {
        {"<th>売上高</th>", "売上高"},
        {"<th>経常収益</th>", "経常収益"},
        {"<th>営業収益</th>", "営業収益"},
        {"<th>正味保険料</th>", "正味保険料"},
        {"<th>売上高・経常収益</th>", "売上高"},
        {"<th>正味保険金</th>", "売上高"},  // 金 is not 料
        {"<th>other</th>", "売上高"},
    };
    for (const LabelCase& c : labels) EXPECT_EQ(FirstRowLabel(c.line), c.label) << c.line;

    EXPECT_EQ(DividendWithChange("50", 10), "50(+10.00) 円");
    EXPECT_EQ(DividendWithChange("50", 0), "50(-) 円");
    EXPECT_EQ(DividendWithChange("30", -20), "30(-20.00) 円");

    struct PeriodCase {
        const char* period;
        const char* label;
        const char* chartLabel;
    } const periods[] = {
        {"2024.03連", "2024.03", "2024.03(連)"},
        {"2024.3連", "2024.3", "2024.3(連)"},
        {"2024.03単", "2024.03", "2024.03(単)"},
        {"2024.03<", "2024.03", "2024.03(単)"},
        {"2024.03逆", "2024.03", "2024.03(連)"},  // 逆 also begins E9 80
    };
    for (const PeriodCase& c : periods) {
        EXPECT_EQ(PeriodLabel(c.period), c.label) << c.period;
        EXPECT_EQ(PeriodChartLabel(c.period), c.chartLabel) << c.period;
    }
}

TEST(ResultsHeaderTest, UnitAndPeriodCellsInTheFormsThePagesUse) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::array<std::string, 5> periods;
        std::string unitLabel;
        int divisor;
    } const cases[] = {
        {"millions, one cell a line",
         {"<div class=\"tableType01_unit\"><span>単位：百万円</span></div>", "<th>決算期</th>",
          "<td>2021.03連</td>", "<td>2022.03連</td>", "<td>2023.03連</td>", "<td>2024.03連</td>",
          "<td>2025.03連</td>"},
         {"2021.03連", "2022.03連", "2023.03連", "2024.03連", "2025.03連"},
         "(億円)",
         100},
        {"thousands, all cells on one line",
         {"<p class=\"tableType01_unit\"><span>単位：千円</span>", "決算期",
          "<td>2021.3単</td><td>2022.3単</td><td>2023.3単</td><td>2024.3単</td><td>2025.3単</td>"},
         {"2021.3単", "2022.3単", "2023.3単", "2024.3単", "2025.3単"},
         "千円",
         1},
        {"a hyphen cell, a cell split over two lines and a cell closed at once",
         {"tableType01_unit<span>単位：百万円</span>", "<th>決算期</th>", "    <td>-</td>",
          "    <td>2022.03連</td>", "    class=\"x\">2023.03連</td>", "    <td class=\"x\">2024.03</td>", "<td>2025.03連"},
         {"", "2022.03連", "2023.03連", "2024.03<", "2025.03連"},
         "(億円)",
         100},
        {"no periods",
         {"tableType01_unit<span>単位：百万円</span>", "<td>2024.03連</td>"},
         {"", "", "", "", ""},
         "(億円)",
         100},
        {"the page ends inside the head",
         {"tableType01_unit<span>単位：百万円</span>", "決算期", "<td>2024.03連</td>"},
         {"2024.03連", "", "", "", ""},
         "(億円)",
         100},
        {"no unit line", {"決算期", "<td>2024.03連</td>"}, {"", "", "", "", ""}, "", 1},
    };
    for (const Case& c : cases) {
        std::string bytes;
        for (const std::string& line : c.lines) bytes.append(line).append("\r\n");
        const PageText page(bytes);
        PageCursor cursor(&page);
        const ResultsHeader head = ParseResultsHeader(cursor);
        EXPECT_EQ(head.periods, c.periods) << c.name;
        EXPECT_EQ(head.unitLabel, c.unitLabel) << c.name;
        EXPECT_EQ(head.unitDivisor, c.divisor) << c.name;
    }
}

TEST(ResultsHeaderTest, TheReaderStopsOnTheLineOfTheLastPeriodCell) {
    const PageText page(Page({"tableType01_unit<span>単位：百万円</span>", "決算期",
                              "    <td>2021.03連</td><td>2022.03連</td>", "    <td>2023.03連</td><td>2024.03連</td>",
                              "<td>2025.03連</td>", "<th>売上高</th>"}));
    PageCursor cursor(&page);
    EXPECT_EQ(ParseResultsHeader(cursor).periods[4], "2025.03連");
    EXPECT_EQ(cursor.Line(), "<td>2025.03連</td>");
}

}  // namespace
}  // namespace ranvik
