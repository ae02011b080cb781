#include "collect/page_text.h"

#include <gtest/gtest.h>

#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

class PageTextTest : public testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    test::FixedClock clock_{{2024, 5, 10}, 17, 0};
};

TEST_F(PageTextTest, LinesEndAtCrOrCrLfButNotAtALoneLf) {
    const PageText page("a\r\nb\rc\nd\r\r\ne");
    EXPECT_EQ(page.Lines(), (std::vector<std::string>{"a", "b", "c\nd", "", "e"}));
    EXPECT_EQ(PageText("x\r\n").Lines(), std::vector<std::string>{"x"});
    EXPECT_TRUE(PageText("").Lines().empty());
}

TEST_F(PageTextTest, EachLineIsDecodedAsUtf8WithMalformedBytesReplaced) {
    const PageText page(std::string("始値\r\n\x82\xA0<td>\xE5\xB9</td>\r\n", 23));
    ASSERT_EQ(page.Lines().size(), 2u);
    EXPECT_EQ(page.Lines()[0], "始値");
    EXPECT_EQ(page.Lines()[1], "\uFFFD\uFFFD<td>\uFFFD\uFFFD</td>");
    // A page in Shift-JIS holds none of the markers.
    const PageText sjis(ToAnsi("<th>日付</th><th>始値</th>\r\n"));
    EXPECT_FALSE(sjis.FindLine("始値").has_value());
    EXPECT_FALSE(sjis.FindLine("日付").has_value());
}

TEST_F(PageTextTest, AnUnreadablePageFileGivesNoPage) {
    test::TempFolder dir;
    EXPECT_FALSE(PageText::Load("").has_value());
    EXPECT_FALSE(PageText::Load(dir.File("missing.htm")).has_value());
    test::WriteBytes(dir.File("p.htm"), "x\r\ny");
    ASSERT_TRUE(PageText::Load(dir.File("p.htm")).has_value());
    EXPECT_EQ(PageText::Load(dir.File("p.htm"))->Lines().size(), 2u);
}

TEST_F(PageTextTest, CellsRunBetweenAngleBracketsAndEndWithTheLine) {
    const std::string line = "<td> 1,234 </td><td></td>tail<b>x";
    std::vector<std::string> texts;
    std::size_t from = 0;
    while (auto cell = NextCell(line, from)) {
        texts.emplace_back(cell->text);
        from = cell->end;
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"1,234", "", "", "tail"}));
    EXPECT_FALSE(NextCell(line, line.size()).has_value());
    EXPECT_FALSE(NextCell(line, line.size() + 10).has_value());
    EXPECT_FALSE(NextCell("no tags", 0).has_value());
}

TEST_F(PageTextTest, DateCellsAreReadInFull) {
    const struct {
        const char* text;
        int year, month, day;
    } dates[] = {
        {"2024/5/10", 2024, 5, 10}, {"2024/05/09", 2024, 5, 9}, {"2024/5/8", 2024, 5, 8},
        {"2024年5月10日", 2024, 5, 10}, {"2024年5月8日", 2024, 5, 8}, {"2023年12月29日", 2023, 12, 29},
        {"2024年2月30日", 2024, 2, 30},  // the shape of a date; the calendar test is the reader's
    };
    for (const auto& d : dates) {
        const auto got = ReadPageDate(d.text);
        ASSERT_TRUE(got.has_value()) << d.text;
        EXPECT_EQ(got->year, d.year) << d.text;
        EXPECT_EQ(got->month, d.month) << d.text;
        EXPECT_EQ(got->day, d.day) << d.text;
    }
    for (const char* text : {"24/5/10", "2024/5", "2024/5/10/1", "2024年5月", "2024年5月10", "2024/5月10日",
                             "2024/123/1", "12024/5/10", "1,234", "日付", ""}) {
        EXPECT_FALSE(ReadPageDate(text).has_value()) << text;
    }
}

TEST_F(PageTextTest, ARowRunsToTheNextRowTagOrDateCell) {
    const std::string line =
        "<th>日付</th><th>始値</th>"
        "<tr><td>2024/5/10</td><td>1</td><td><b>2</b></td><td></td></tr>"
        "<TR class=\"r\"><td>2024/5/9</td><td>---</td>"
        "<td>2024/5/8</td><td>5</td><td>6"
        "<tr><td>2024/5/7</td><td>7</td><td>8</td><td>9";
    OneLineTable table(line, line.find("始値"));
    std::vector<std::vector<std::string>> rows;
    while (const auto row = table.NextRow()) {
        std::vector<std::string> cells{std::to_string(row->date.day)};
        for (const std::string& c : row->columns) cells.push_back(c);
        rows.push_back(cells);
    }
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                        {"10", "1", "2", ""},
                        {"9", "---"},
                        {"8", "5", "6"},
                        {"7", "7", "8"},  // the line ends inside the last column
                    }));
}

TEST_F(PageTextTest, ThePriceBlockGivesThePriceAndTheChange) {
    auto page = [](const std::string& cells) {
        return PageText("<html>\r\n<div><span class=\"p\">" + cells + "</span></div>\r\n");
    };
    const struct {
        std::string cells;
        const char* price;
        const char* note;
    } cases[] = {
        {"7203</span><span>1,234</span><span>+12</span><span>(+0.98%)", "1,234", "+12"},
        {"1,234</span><span>-</span><span>12", "1,234", "-12"},
        {"---</span><span>---", "---", "---"},
        {"567</span><span>+1.5", "567", "+1.5"},
        {"567</span><span>+12(+0.5%)", "567", "+12"},
        {"567</span><span>12", "567", "12"},
        {"567</span><span>2024</span><span>前日比</span><span>-3", "567", "-3"},  // a 4-digit number is passed over
        {"7203</span><span>1", "", ""},                                         // no price on the line
        {"567</span><span>+", "567", "+"},                                      // the line ends first
    };
    for (const auto& c : cases) {
        const PagePrice p = ReadPagePrice(page(c.cells));
        EXPECT_EQ(p.price, c.price) << c.cells;
        EXPECT_EQ(p.note, c.note) << c.cells;
    }
    const PagePrice none = ReadPagePrice(PageText("<div>1,234</div>\r\n"));
    EXPECT_EQ(none.price, "");
    EXPECT_EQ(none.note, "");
}

TEST_F(PageTextTest, HistoryPagesFollowTheGroupsTheDownloadsFill) {
    auto& d = Program().download;
    d.PageFile1 = "1";
    EXPECT_EQ(HistoryPageFiles(), (std::vector<std::string>{"1"}));
    d.PageFile3 = "3";  // without PageFile2 only the first page counts
    EXPECT_EQ(HistoryPageFiles(), (std::vector<std::string>{"1"}));
    d.PageFile2 = "2";
    d.PageFile4 = "4";
    d.PageFile6 = "6";
    EXPECT_EQ(HistoryPageFiles(), (std::vector<std::string>{"1", "2", "3", "4"}));
    d.PageFile5 = "5";
    EXPECT_EQ(HistoryPageFiles(), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", ""}));
    d.PageFile7 = "7";
    d.PageFile8 = "8";
    EXPECT_EQ(HistoryPageFiles(), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
}

}  // namespace
}  // namespace ranvik
