// The year-by-year comparison chart: its scale, a year that starts in April,
// the year colours, variant 2's list, picks and reset, and the bad inputs.
#include "chart/kinds/year_compare.h"

#include <QLabel>

#include "chart/drawing/redraw.h"
#include "tests/chart/kinds/kinds_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Spacing;

class YearCompare : public test::KindsTest {
protected:
    void SetUp() override {
        KindsTest::SetUp();
        w.ShowKind(10);
        w.fields.StockTitle = "(1301)極洋";
    }
    static DataFileBuilder Bars(const std::vector<std::pair<std::string, float>>& bars) {
        DataFileBuilder b(static_cast<int>(bars.size()), Spacing::Days);
        for (std::size_t i = 0; i < bars.size(); ++i) {
            b[static_cast<int>(i) + 2].QuoteDate = bars[i].first;
            b[static_cast<int>(i) + 2].Close = bars[i].second;
        }
        return std::move(b.Seal());
    }
    void Variant(int item) {
        w.SetItem("mnuChartItemeyc", 1, item == 1);
        w.SetItem("mnuChartItemeyc", 2, item == 2);
    }
    // The segments of the year lines in a colour, as (x2, y2) points after
    // the first segment's start.
    std::vector<std::pair<double, double>> Points(int colour) {
        std::vector<std::pair<double, double>> out;
        for (const RecordedCall& c : Of(w.price, Kind::Line, QBColor(colour))) {
            if (out.empty()) out.push_back({c.x1, c.y1});
            out.push_back({c.x2, c.y2});
        }
        return out;
    }
    std::vector<RecordedCall> Scales() { return w.price.CallsOf(Kind::Scale); }
};

TEST_F(YearCompare, ScaleByTheExtremesOfTheYears) {
    const struct {
        const char* what;
        std::vector<std::pair<std::string, float>> bars;
        double top, bottom;
        std::vector<std::string> labels;
    } cases[] = {
        {"+8 and -3 halve the grid",
         {{"01/06/20", 100}, {"02/06/20", 108}, {"03/06/20", 97}},
         10, -10, {"95%", "100%", "105%", "110%"}},
        {"+1200 and -90",
         {{"01/06/20", 10}, {"02/06/20", 130}, {"03/06/20", 1}},
         1210, -100, {"200%", "400%", "600%", "800%", "1000%", "1200%"}},
        {"+250 and -30",
         {{"01/06/20", 100}, {"02/06/20", 350}, {"03/06/20", 70}},
         260, -40, {"80%", "100%", "120%", "140%", "160%", "180%", "200%", "220%", "240%", "260%", "280%",
                    "300%", "320%", "340%", "360%"}},
    };
    for (const auto& c : cases) {
        w.price.ClearLog();
        Show(Bars(c.bars));
        const auto scales = Scales();
        ASSERT_EQ(scales.size(), 2u) << c.what;
        EXPECT_EQ(scales[0].x1, -10) << c.what;
        EXPECT_EQ(scales[0].y1, c.top) << c.what;
        EXPECT_EQ(scales[0].x2, 383) << c.what;
        EXPECT_EQ(scales[0].y2, c.bottom) << c.what;
        std::vector<std::string> labels;
        for (const std::string& t : Texts(w.price))
            if (t.back() == '%') labels.push_back(t);
        EXPECT_EQ(labels, c.labels) << c.what;
    }
    EXPECT_EQ(w.windowCaption, "日ﾃﾞｰﾀ + 年毎比較チャート１");
    EXPECT_EQ(w.mainCaption, "Ranvikチャート (1301)極洋");
}

// A year from April runs on past day 365 into the next calendar year; the
// next April starts a new line at the start of April.
TEST_F(YearCompare, AStartInAprilPutsJanuaryToMarchAfterDay365) {
    w.fields.YearCompareStartMonth = "04";
    Show(Bars({{"03/29/19", 90}, {"04/01/19", 100}, {"12/31/19", 110}, {"01/10/20", 120}, {"03/31/20", 130}, {"04/01/20", 140},
               {"04/02/20", 147}}));
    EXPECT_EQ(w.LabelNo(20).text().toStdString(), "  　開始年/月 ： 2019/04");
    const auto scales = Scales();
    ASSERT_EQ(scales.size(), 2u);
    EXPECT_EQ(scales[1].x1, 90 - 10);
    EXPECT_EQ(scales[1].x2, 90 + 383);
    const auto year = Points(8);
    const std::vector<std::pair<double, double>> expected = {{91, 0}, {365, 10}, {375, 20}, {456, 30}};
    ASSERT_EQ(year.size(), expected.size());
    for (std::size_t i = 0; i < year.size(); ++i) {
        EXPECT_EQ(year[i].first, expected[i].first) << i;
        EXPECT_NEAR(year[i].second, expected[i].second, 1e-4) << i;
    }
    const auto next = Points(9);
    ASSERT_EQ(next.size(), 2u);
    EXPECT_EQ(next[0], (std::pair<double, double>{90, 0}));
    EXPECT_EQ(next[1].first, 91);
    EXPECT_NEAR(next[1].second, 5, 1e-4);
    EXPECT_EQ(Texts(w.indicator), (std::vector<std::string>{"2019", "2020"}));
    // The ended year's label at the end of its line.
    const auto labels = w.price.CallsOf(Kind::Text);
    ASSERT_GE(labels.size(), 2u);
    EXPECT_EQ(labels[labels.size() - 2].text, " '19");
    EXPECT_EQ(labels[labels.size() - 2].x1, 456);
    EXPECT_EQ(labels.back().text, " '20");
    EXPECT_EQ(labels.back().x1, 91 + 3);
}

TEST_F(YearCompare, YearColoursOnBothBackgrounds) {
    std::vector<std::pair<std::string, float>> bars;
    for (int y = 0; y < 20; ++y) {
        const std::string yy = (y < 10 ? "0" : "") + std::to_string(y);
        bars.push_back({"01/10/" + yy, 100});
        bars.push_back({"06/10/" + yy, 110});
    }
    const struct {
        int background;
        std::vector<int> colours;
    } cases[] = {{1, {8, 9, 10, 11, 12, 13, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
                 {2, {8, 9, 10, 11, 12, 13, 14, 15, 2, 3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}}};
    for (const auto& c : cases) {
        w.fields.BackColorNo = static_cast<std::int16_t>(c.background);
        w.indicator.ClearLog();
        Show(Bars(bars));
        std::vector<int> colours;
        for (const RecordedCall& t : w.indicator.CallsOf(Kind::Text))
            for (int n = 0; n <= 15; ++n)
                if (t.color == QBColor(n)) colours.push_back(n);
        EXPECT_EQ(colours, c.colours) << c.background;
    }
}

TEST_F(YearCompare, Variant2ListsTheYearsDrawsEachPickAndResets) {
    Variant(2);
    Show(Bars({{"01/06/19", 100}, {"06/06/19", 110}, {"01/07/20", 200}, {"06/08/20", 150}, {"01/05/21", 50},
               {"02/05/21", 60}}));
    EXPECT_TRUE(w.yearPanelVisible);
    EXPECT_EQ(w.yearList, (std::vector<std::string>{"2019", "2020", "2021"}));
    EXPECT_EQ(w.yearListText, "選択");
    EXPECT_EQ(w.windowCaption, "日ﾃﾞｰﾀ + 年毎比較チャート２");
    EXPECT_EQ(w.fields.YearCompareRestart, 0);
    EXPECT_TRUE(Texts(w.indicator).empty());
    EXPECT_TRUE(Points(8).empty());

    // A pick draws that year alone, in the next colour, over what is there.
    w.price.ClearLog();
    w.yearListText = "2020";
    PickYear(w);
    EXPECT_TRUE(w.price.CallsOf(Kind::Clear).empty());
    EXPECT_EQ(Points(8), (std::vector<std::pair<double, double>>{{7, 0}, {160, -25}}));
    EXPECT_EQ(Texts(w.indicator), std::vector<std::string>{"2020"});
    w.yearListText = "2021";
    PickYear(w);
    EXPECT_EQ(Points(9).size(), 2u);
    // The last year ends with the data and keeps its colour for the next pick.
    w.yearListText = "2019";
    PickYear(w);
    EXPECT_EQ(Points(9).size(), 3u);
    EXPECT_EQ(Texts(w.indicator), (std::vector<std::string>{"2020", "2021", "2019"}));

    w.price.ClearLog();
    w.yearList.clear();
    ResetYearChart(w);
    EXPECT_EQ(w.price.CallsOf(Kind::Clear).size(), 1u);
    EXPECT_EQ(w.yearList, (std::vector<std::string>{"2019", "2020", "2021"}));
    EXPECT_TRUE(Points(8).empty());
}

TEST_F(YearCompare, BadInputsAndTooFewBars) {
    // A year whose first close is 0 draws no line; the others do.
    Show(Bars({{"01/06/19", 0}, {"06/06/19", 110}, {"01/07/20", 200}, {"06/08/20", 150}}));
    EXPECT_TRUE(Points(8).empty());
    EXPECT_EQ(Points(9).size(), 2u);
    EXPECT_EQ(Texts(w.indicator), (std::vector<std::string>{"2019", "2020"}));

    // A start after the data.
    w.fields.YearCompareStartYear = "30";
    w.price.ClearLog();
    Show(Bars({{"01/06/19", 100}, {"06/06/19", 110}, {"01/07/20", 200}}));
    EXPECT_EQ(w.LabelNo(20).text().toStdString(), " 表示範囲外");
    const auto scales = Scales();
    ASSERT_FALSE(scales.empty());
    EXPECT_EQ(scales[0].y1, 10);
    EXPECT_EQ(scales[0].y2, -10);

    // Three bars or fewer leave the panes as they were.
    w.fields.YearCompareStartYear = "  ";
    w.price.ClearLog();
    w.indicator.ClearLog();
    Show(Bars({{"01/06/19", 100}, {"06/06/19", 110}}));
    EXPECT_TRUE(w.price.Calls().empty());
    EXPECT_TRUE(w.indicator.Calls().empty());
}

}  // namespace
}  // namespace ranvik
