// The topics of a year: the list's blocks, the characters of a column, the
// texts and arcs on the pane and the page, and a missing list.
#include "chart/drawing/topics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/runtime/text_file.h"
#include "platform/runtime/values.h"
#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik::test {
namespace {

using Kind = RecordedCall::Kind;

TEST(TopicsList, TheFirstBlockOfTheYearUpToTheFirstLineThatIsNoTopic) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        const char* year;
        std::vector<std::string> topics;
    };
    const std::vector<Case> cases = {
        {"block ended by the next year", {"2008", "-株価急落", "- 円高", "2009", "-翌年"}, "2008", {"株価急落", " 円高"}},
        {"year between blanks", {"  2008  ", "-a"}, "2008", {"a"}},
        {"year with 年 does not match", {"2008年", "-a"}, "2008", {}},
        {"two-digit year does not match", {"08", "-a"}, "2008", {}},
        {"blank-led line ends the block", {"2008", "-a", " -b", "-c"}, "2008", {"a"}},
        {"empty line ends the block", {"2008", "-a", "", "-c"}, "2008", {"a"}},
        {"end marker ends the block", {"2008", "-a", "<END>", "-c"}, "2008", {"a"}},
        {"a lone dash is an empty topic", {"2008", "-", "-b"}, "2008", {"", "b"}},
        {"last block ends with the file", {"2007", "-x", "2008", "-a", "-b"}, "2008", {"a", "b"}},
        {"later blocks of the year are never read", {"2008", "-a", "x", "2008", "-b"}, "2008", {"a"}},
        {"a year line with nothing after it", {"-a", "2008"}, "2008", {}},
        {"year not in the list", {"2007", "-a"}, "2008", {}},
        {"empty list", {}, "2008", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(TopicsOfYear(c.lines, c.year), c.topics) << c.name;
}

TEST(TopicsList, YearsAsTheListWritesThem) {
    const std::vector<std::pair<int, std::string>> cases = {
        {8, "2008"}, {0, "2000"}, {59, "2059"}, {60, "1960"}, {75, "1975"}, {99, "1999"}, {2015, "2015"}};
    for (const auto& [year, text] : cases) EXPECT_EQ(TopicYearText(year), text) << year;
}

TEST(TopicsList, CharactersOfAColumn) {
    using K = TopicCell::Kind;
    struct Case {
        const char* topic;
        std::vector<TopicCell> cells;
    };
    const std::vector<Case> cases = {
        {"ＡＢＣ123", {{K::Text, "Ａ"}, {K::Text, "Ｂ"}, {K::Text, "Ｃ"}, {K::Text, "1 "}, {K::Text, "2 "},
                       {K::Text, "3 "}}},
        // Full-width digits stand upright as they are.
        {"０９", {{K::Text, "０"}, {K::Text, "９"}}},
        {"ｶﾞﾊﾟ", {{K::Text, "ｶﾞ"}, {K::Text, "ﾊﾟ"}}},
        // The mark is joined before any other rule is tried.
        {"1ﾞ-ﾟ", {{K::Text, "1ﾞ"}, {K::Text, "-ﾟ"}}},
        {"/", {{K::Text, "/ "}}},
        {"IＩazａｚAZ", {{K::Text, "I "}, {K::Text, "Ｉ "}, {K::Text, "a "}, {K::Text, "z "}, {K::Text, "ａ "},
                         {K::Text, "ｚ "}, {K::Text, "A"}, {K::Text, "Z"}}},
        {"ｰ-ー", {{K::Text, " ｌ"}, {K::Text, " ｌ"}, {K::Text, " |"}}},
        {",、.。", {{K::Text, "　`"}, {K::Text, "　`"}, {K::Text, "　°"}, {K::Text, "　°"}}},
        {"：:", {{K::Text, "×"}, {K::Text, "×"}}},
        {"くク", {{K::Text, "く", true}, {K::Text, "ク"}}},
        {"(（)）", {{K::OpenArc, "("}, {K::OpenArc, "（"}, {K::CloseArc, ")"}, {K::CloseArc, "）"}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        const std::vector<TopicCell> cells = VerticalCells(c.topic);
        ASSERT_EQ(cells.size(), c.cells.size()) << c.topic;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            EXPECT_TRUE(cells[i] == c.cells[i]) << c.topic << " cell " << i << ": " << cells[i].text;
        }
    }
}

class TopicsTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        ChartWindowState& f = w.fields;
        f.PriceTop = 2000;
        f.PriceBottom = 1000;
        f.ViewWidth = 903;
        w.price.Scale(0, f.PriceTop, f.ViewWidth, f.PriceBottom);
        q = (f.PriceTop - f.PriceBottom) * 100 / w.price.Height();
    }
    void WriteList(const std::vector<std::string>& lines) {
        ASSERT_TRUE(WriteTextLines(dir.File("チャートNEWS.etxt"), lines));
    }
    void Layout(int item) { w.SetItem("mnuTopicsDisp", item, true); }
    // The height of a text line of the pane at a font size, in its units.
    double LineHeight(double fontSize) {
        const double kept = w.price.FontSize();
        w.price.SetFontSize(fontSize);
        const double h = w.price.TextHeight();
        w.price.SetFontSize(kept);
        return h;
    }
    std::vector<RecordedCall> Texts(const RecordingSurface& s) { return s.CallsOf(Kind::Text); }

    double q = 0;
};

TEST_F(TopicsTest, AcrossEachTopicIsALineFromXPlusSix) {
    WriteList({"2007", "-old", "2008", "-一つ目", "- 二つ目", "2009", "-next"});
    Layout(1);
    double x = 350;
    double height = q;
    DrawTopics(w, x, height, 8);
    const std::vector<RecordedCall> texts = Texts(w.price);
    ASSERT_EQ(texts.size(), 2u) << w.price.Log();
    EXPECT_EQ(texts[0].text, "一つ目");
    EXPECT_EQ(texts[1].text, " 二つ目");
    EXPECT_DOUBLE_EQ(texts[0].x1, 356);
    EXPECT_DOUBLE_EQ(texts[1].x1, 356);
    EXPECT_DOUBLE_EQ(texts[0].y1, 2000 - q);
    EXPECT_NEAR(texts[1].y1, 2000 - q + LineHeight(8), 1e-9);
    EXPECT_EQ(texts[0].color, QBColor(6));
    EXPECT_EQ(texts[0].state.FontSize, 8);  // ScaleWidth 903
    EXPECT_DOUBLE_EQ(x, 350);
    EXPECT_EQ(w.price.FontSize(), 9);
    EXPECT_EQ(w.price.ForeColor(), QBColor(6));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(TopicsTest, FontSizeFollowsTheWidthOfTheView) {
    WriteList({"2008", "-a"});
    Layout(1);
    for (const auto& [width, size] : std::vector<std::pair<double, double>>{
             {1900, 8}, {1901, 7}, {2800, 7}, {2801, 6}}) {
        w.price.Scale(0, 2000, width, 1000);
        w.price.ClearLog();
        double x = 0;
        DrawTopics(w, x, q, 2008);
        ASSERT_EQ(Texts(w.price).size(), 1u);
        EXPECT_EQ(Texts(w.price)[0].state.FontSize, size) << width;
    }
}

TEST_F(TopicsTest, DownEachTopicIsAColumnAndParenthesesAreArcs) {
    // Upright and inverted: the arcs' centres and the step after the closing
    // arc turn round with the chart.
    WriteList({"2008", "-（ａ）く", "-Ｂ"});
    Layout(2);
    const double lineH = LineHeight(8);
    const double perTwip = 903.0 / 9000.0;
    const double radius = 12 * 10 * perTwip;
    const double step = RoundHalfEven(160 * perTwip);
    for (const bool inverted : {false, true}) {
        ChartWindowState& f = w.fields;
        f.InvertedChart = inverted ? -1 : 0;
        if (inverted) {
            w.price.Scale(0, f.PriceBottom, f.ViewWidth, f.PriceTop);
        }
        const double firstY = inverted ? f.PriceBottom + q : f.PriceTop - q;
        const double lh = inverted ? -lineH : lineH;
        const double dir = inverted ? -1 : 1;
        w.price.ClearLog();
        double x = 100;
        DrawTopics(w, x, q, 8);
        const std::vector<RecordedCall> arcs = w.price.CallsOf(Kind::Arc);
        const std::vector<RecordedCall> texts = Texts(w.price);
        ASSERT_EQ(arcs.size(), 2u) << w.price.Log();
        ASSERT_EQ(texts.size(), 3u) << w.price.Log();
        const double openY = firstY - dir * 2 * q;
        EXPECT_DOUBLE_EQ(arcs[0].x1, 100 + 12);
        EXPECT_NEAR(arcs[0].y1, openY, 1e-9);
        EXPECT_DOUBLE_EQ(arcs[0].start, 0.7854);
        EXPECT_DOUBLE_EQ(arcs[0].end, 2.3562);
        EXPECT_NEAR(arcs[0].radius, radius, 1e-9);
        EXPECT_EQ(arcs[0].color, QBColor(6));
        EXPECT_EQ(texts[0].text, "ａ ");
        EXPECT_DOUBLE_EQ(texts[0].x1, 107);
        EXPECT_NEAR(texts[0].y1, openY, 1e-9);
        const double closeY = openY + lh + dir * q;
        EXPECT_NEAR(arcs[1].y1, closeY, 1e-9);
        EXPECT_DOUBLE_EQ(arcs[1].start, 4.08408);
        EXPECT_DOUBLE_EQ(arcs[1].end, 5.65488);
        EXPECT_EQ(texts[1].text, "く");
        EXPECT_DOUBLE_EQ(texts[1].x1, 110);
        EXPECT_NEAR(texts[1].y1, closeY - dir * 1.5 * q, 1e-9);
        // The next topic is the next column, from the top again.
        EXPECT_EQ(texts[2].text, "Ｂ");
        EXPECT_DOUBLE_EQ(texts[2].x1, 100 + step + 7);
        EXPECT_NEAR(texts[2].y1, firstY, 1e-9);
        EXPECT_DOUBLE_EQ(x, 100);
    }
}

TEST_F(TopicsTest, ColumnsStopBeyondTheRightEdge) {
    WriteList({"2008", "-a", "-b", "-c", "-d"});
    Layout(2);
    const double step = RoundHalfEven(160 * 903.0 / 9000.0);  // 16
    double x = 903 - step - 1;  // the second column still starts inside
    DrawTopics(w, x, q, 8);
    const std::vector<RecordedCall> texts = Texts(w.price);
    ASSERT_EQ(texts.size(), 2u) << w.price.Log();
    EXPECT_EQ(texts[1].text, "b ");
    EXPECT_DOUBLE_EQ(x, 903 - step - 1);
}

TEST_F(TopicsTest, AMissingListIsReportedOnceAndSwitchesTheTopicsOff) {
    Layout(2);
    double x = 0;
    DrawTopics(w, x, q, 8);
    DrawTopics(w, x, q, 9);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "305, チャートNEWS.etxt が見つからない。");
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(w.Item("mnuTopicsDisp", 1).Checked());
    EXPECT_FALSE(w.Item("mnuTopicsDisp", 2).Checked());
    EXPECT_TRUE(Texts(w.price).empty());
    EXPECT_EQ(w.price.FontSize(), 9);
}

class PrintedTopicsTest : public TopicsTest {
protected:
    void SetUp() override {
        TopicsTest::SetUp();
        w.fields.PrintingNow = -1;
        w.printer.Scale(-90.3, 2200, 993.3, 500);
        w.printer.SetFontSize(10.4);
    }
};

TEST_F(PrintedTopicsTest, OnPaperLongTopicsAreShortenedToThePage) {
    // The page's ScaleWidth is 1083.6; from x + 6 = 906 a text of n
    // characters fits while 906 + 20 n < 1083.6, that is up to 8.
    WriteList({"2008", "-1234567890ABC", "-短い", "-"});
    Layout(1);
    double x = 900;
    DrawTopics(w, x, q, 8);
    const std::vector<RecordedCall> texts = Texts(w.printer);
    ASSERT_EQ(texts.size(), 3u) << w.printer.Log();
    EXPECT_EQ(texts[0].text, "12345678");
    EXPECT_EQ(texts[1].text, "短い");
    EXPECT_EQ(texts[2].text, "");
    EXPECT_DOUBLE_EQ(texts[0].x1, 906);
    EXPECT_NEAR(texts[0].y1, 2000 - q, 1e-9);
    EXPECT_EQ(texts[0].color, QBColor(2));
    EXPECT_EQ(texts[0].state.FontSize, 9);  // the pane's 8, plus 1
    EXPECT_TRUE(Texts(w.price).empty());
    EXPECT_EQ(w.printer.FontSize(), 10);  // put back, rounded
    EXPECT_EQ(w.printer.ForeColor(), QBColor(2));
}

TEST_F(PrintedTopicsTest, PaperSizesOfFontColumnStepAndArcs) {
    WriteList({"2008", "-(", "-a"});
    Layout(2);
    struct Case {
        int paper;
        int orientation;
        double fontSize;
        double step;
    };
    // ScaleWidth 903: 903 / 55 = 16.4 -> 16, landscape on A4 or B5 16 - 5;
    // postcard 903 / 65 = 13.9 -> 14.
    const std::vector<Case> cases = {
        {9, 1, 9, 16}, {9, 2, 9, 11}, {13, 2, 9, 11}, {11, 2, 8, 16}, {43, 1, 5, 14}, {43, 2, 5, 14}};
    for (const Case& c : cases) {
        w.paper = {c.paper, c.orientation};
        w.printer.ClearLog();
        double x = 100;
        DrawTopics(w, x, q, 8);
        const std::vector<RecordedCall> arcs = w.printer.CallsOf(Kind::Arc);
        const std::vector<RecordedCall> texts = Texts(w.printer);
        ASSERT_EQ(arcs.size(), 1u) << c.paper;
        ASSERT_EQ(texts.size(), 1u) << c.paper;
        EXPECT_EQ(texts[0].state.FontSize, c.fontSize) << c.paper;
        EXPECT_DOUBLE_EQ(texts[0].x1, 100 + c.step + 7) << c.paper << " " << c.orientation;
        // Arcs on paper: radius factor 8, the centre q below the line.
        EXPECT_NEAR(arcs[0].radius, 8 * 10 * 903.0 / 9000.0, 1e-9);
        EXPECT_NEAR(arcs[0].y1, 2000 - q - q, 1e-9);
        EXPECT_EQ(arcs[0].color, QBColor(2));
    }
}

}  // namespace
}  // namespace ranvik::test
