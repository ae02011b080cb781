// The stock comparison chart: fresh start and added stocks, colours, gaps,
// the exchange-rate sign, the day axis across a leap year's end, the grid and
// the bad inputs.
#include "chart/kinds/stock_compare.h"

#include <QLabel>

#include "chart/drawing/redraw.h"
#include "tests/chart/kinds/kinds_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Spacing;

class StockCompare : public test::KindsTest {
protected:
    void SetUp() override {
        KindsTest::SetUp();
        w.ShowKind(2);
        w.fields.CompareTopPct = 100;
        w.fields.CompareBottomPct = 100;
        w.fields.CompareRestart = kTrue;
        w.fields.ViewWidth = 400;
        w.fields.StockTitle = "(1301)極洋";
    }
    // Bars on the given dates with the given closes.
    static DataFileBuilder Bars(const std::vector<std::pair<std::string, float>>& bars) {
        DataFileBuilder b(static_cast<int>(bars.size()), Spacing::Days);
        for (std::size_t i = 0; i < bars.size(); ++i) {
            b[static_cast<int>(i) + 2].QuoteDate = bars[i].first;
            b[static_cast<int>(i) + 2].Close = bars[i].second;
        }
        return std::move(b.Seal());
    }
    // The drawer run straight on the file, from record `first`.
    void Draw(const DataFileBuilder& b, int first = 2, const std::string& name = "1301d.KDT") {
        b.Write(dir.File(name));
        ChartFile file1;
        file1.Open(dir.File(name));
        w.fields.RecordCount = static_cast<std::int16_t>(b.LastRecord());
        w.fields.FirstRecord = static_cast<std::int16_t>(first);
        DrawStockCompare(w, file1);
    }
    // The segments of the stock lines in a colour (not the axis's upright
    // year lines and ticks).
    std::vector<RecordedCall> LinesOf(int colour) {
        std::vector<RecordedCall> out;
        for (const RecordedCall& c : Of(w.price, Kind::Line, QBColor(colour)))
            if (c.x1 != c.x2) out.push_back(c);
        return out;
    }
};

TEST_F(StockCompare, DayOfYearCountsTheLeapDayAndPassesOverBadMonths) {
    const struct {
        const char* date;
        bool valid;
        int day;
    } cases[] = {{"01/01/23", true, 1},   {"02/29/24", true, 60},  {"03/01/24", true, 61},
                 {"03/01/23", true, 60},  {"12/31/24", true, 366}, {"12/31/00", true, 366},
                 {"13/01/24", false, 0},  {"00/05/24", false, 0}};
    for (const auto& c : cases) {
        w.fields.YearDayNo = 0;
        EXPECT_EQ(DayOfYear(w.fields, c.date), c.valid) << c.date;
        EXPECT_EQ(w.fields.YearDayNo, c.day) << c.date;
    }
}

// The step into the next year counts the rest of a leap year as 366 days.
TEST_F(StockCompare, DayStepsAcrossYearEnds) {
    const struct {
        const char* from;
        const char* to;
        int days;
    } cases[] = {{"11/15/24", "12/30/24", 45}, {"12/30/24", "01/06/25", 7},  {"12/30/23", "01/06/24", 7},
                 {"12/31/24", "01/01/25", 1},  {"06/01/23", "06/01/25", 731}, {"12/31/59", "01/01/60", 1}};
    for (const auto& c : cases) EXPECT_EQ(DayStep(c.from, c.to), c.days) << c.from << " " << c.to;
}

TEST_F(StockCompare, ShowChartAddsALineInTheNextColourAndRedrawStartsAfresh) {
    DataFileBuilder a(300, Spacing::Weekdays, {2020, 1, 6});
    Show(a);
    EXPECT_EQ(w.fields.CompareRestart, 0);
    EXPECT_EQ(w.price.CallsOf(Kind::Clear).size(), 1u);
    EXPECT_FALSE(LinesOf(7).empty());
    EXPECT_EQ(w.mainCaption, "Ranvikチャート (1301)極洋");
    const std::string base = w.LabelNo(20).text().toStdString();

    w.price.ClearLog();
    w.indicator.ClearLog();
    w.fields.StockTitle = "(6501)日立";
    DataFileBuilder b(300, Spacing::Weekdays, {2020, 1, 6});
    Show(b, "6501d.KDT");
    EXPECT_TRUE(w.price.CallsOf(Kind::Clear).empty());
    EXPECT_TRUE(w.price.CallsOf(Kind::Scale).empty());
    EXPECT_FALSE(LinesOf(8).empty());
    EXPECT_EQ(w.fields.LineColorNo, 8);
    ASSERT_EQ(Texts(w.indicator), std::vector<std::string>{"(6501)日立"});
    EXPECT_EQ(w.indicator.CallsOf(Kind::Text)[0].color, QBColor(8));
    // The legend went on to the right of the first name.
    EXPECT_EQ(w.indicator.CallsOf(Kind::Text)[0].x1, 8 * 130 + 100);

    w.price.ClearLog();
    RedrawChart(w);
    EXPECT_EQ(w.price.CallsOf(Kind::Clear).size(), 1u);
    EXPECT_FALSE(LinesOf(7).empty());
    EXPECT_TRUE(LinesOf(8).empty());
    EXPECT_EQ(w.LabelNo(20).text().toStdString(), base);
}

TEST_F(StockCompare, ColourCycleOnBothBackgrounds) {
    const struct {
        int background, before, after;
    } cases[] = {{1, 7, 8},  {1, 12, 13}, {1, 13, 0}, {1, 0, 2},  {1, 2, 3}, {1, 3, 4},
                 {2, 13, 14}, {2, 14, 2},  {2, 3, 6},  {2, 7, 8}};
    const DataFileBuilder b = Bars({{"01/06/20", 100}, {"01/07/20", 110}});
    for (const auto& c : cases) {
        w.fields.CompareRestart = kTrue;
        Draw(b);
        w.fields.BackColorNo = static_cast<std::int16_t>(c.background);
        w.fields.LineColorNo = static_cast<std::int16_t>(c.before);
        w.price.ClearLog();
        Draw(b);
        EXPECT_EQ(w.fields.LineColorNo, c.after) << c.background << " " << c.before;
        EXPECT_EQ(LinesOf(c.after).size(), 1u) << c.background << " " << c.before;
    }
}

// Percent of the base close, cut toward zero in single precision; a gap of 14
// days or more is dash-dot-dot at width 1.
TEST_F(StockCompare, LinePointsAndGaps) {
    Draw(Bars({{"01/06/20", 300}, {"01/19/20", 331}, {"02/02/20", 299}, {"02/03/20", 450}}));
    const auto lines = LinesOf(7);
    ASSERT_EQ(lines.size(), 3u);
    const struct {
        double x1, y1, x2, y2;
        int width;
        DrawStyle style;
    } expected[] = {{6, 0, 19, 10, 2, DrawStyle::Solid},
                    {19, 10, 33, -1, 1, DrawStyle::DashDotDot},
                    {33, -1, 34, 50, 2, DrawStyle::Solid}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i].x1, expected[i].x1) << i;
        EXPECT_EQ(lines[i].y1, expected[i].y1) << i;
        EXPECT_EQ(lines[i].x2, expected[i].x2) << i;
        EXPECT_EQ(lines[i].y2, expected[i].y2) << i;
        EXPECT_EQ(lines[i].state.DrawWidth, expected[i].width) << i;
        EXPECT_EQ(lines[i].state.Style, expected[i].style) << i;
    }
    EXPECT_EQ(w.LabelNo(20).text().toStdString(), " 基準 : 2020/01/06");
    EXPECT_EQ(w.price.DrawWidth(), 1);
}

TEST_F(StockCompare, ExchangeRateCodesAreNegated) {
    const struct {
        const char* code;
        bool negated;
    } cases[] = {{"0009", false}, {"0010", true}, {"0500", true}, {"0501", false}, {"1301", false}};
    for (const auto& c : cases) {
        w.fields.CompareRestart = kTrue;
        w.fields.StockCode4 = c.code;
        w.price.ClearLog();
        Draw(Bars({{"01/06/20", 100}, {"01/07/20", 120}}));
        const auto lines = LinesOf(7);
        ASSERT_EQ(lines.size(), 1u) << c.code;
        EXPECT_EQ(lines[0].y2, c.negated ? -20 : 20) << c.code;
    }
}

// A point of the first days of a year lies on the axis's date of it, the year
// before having had 366 days; the year line stands at the end of December.
TEST_F(StockCompare, ALineAcrossALeapYearsEndLandsOnTheAxisDates) {
    Draw(Bars({{"11/15/24", 100}, {"12/31/24", 101}, {"01/06/25", 102}, {"03/03/25", 103}}));
    std::vector<double> yearLines;
    for (const RecordedCall& c : Of(w.price, Kind::Line, QBColor(7))) yearLines.push_back(c.x1);
    ASSERT_GE(yearLines.size(), 1u);
    EXPECT_EQ(yearLines[0], 61);  // 30 days of November after the end of October, 31 of December
    std::vector<std::pair<double, double>> points;
    for (const RecordedCall& c : LinesOf(7)) points.push_back({c.x2, c.y2});
    const std::vector<std::pair<double, double>> expected = {{61, 1}, {67, 2}, {123, 3}};
    EXPECT_EQ(points, expected);
    // The ticks end October, November, December, January and February.
    std::vector<double> ticks;
    for (const RecordedCall& c : Of(w.price, Kind::Line, QBColor(8)))
        if (c.y1 == 100) ticks.push_back(c.x1);
    ASSERT_GE(ticks.size(), 5u);
    EXPECT_EQ(std::vector<double>(ticks.begin(), ticks.begin() + 5), (std::vector<double>{0, 30, 61, 92, 120}));
}

// A base in March of a leap year: the axis starts at the end of February,
// so the end of March lies 31 days on, where a point of March 31st lies.
TEST_F(StockCompare, AnAxisStartingAtTheEndOfALeapFebruary) {
    Draw(Bars({{"03/05/24", 100}, {"03/31/24", 110}}));
    std::vector<double> ticks;
    for (const RecordedCall& c : Of(w.price, Kind::Line, QBColor(8)))
        if (c.y1 == 100) ticks.push_back(c.x1);
    ASSERT_GE(ticks.size(), 2u);
    EXPECT_EQ(ticks[0], 0);
    EXPECT_EQ(ticks[1], 31);
    const auto lines = LinesOf(7);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x2, 31);
}

TEST_F(StockCompare, PercentGridAndLabels) {
    const struct {
        int top, bottom;
        std::vector<int> lines;
        std::vector<std::string> labels;
    } cases[] = {
        {100, 100, {-80, -60, -40, -20, 20, 40, 60, 80, 100},
         {"20%", "40%", "60%", "80%", "100%", "120%", "140%", "160%", "180%", "200%"}},
        {50, 50, {-30, -10, 10, 30, 50}, {"70%", "90%", "110%", "130%", "150%"}},
    };
    const Color grid = RGB(176, 196, 222);
    for (const auto& c : cases) {
        w.fields.CompareRestart = kTrue;
        w.fields.CompareTopPct = static_cast<std::int16_t>(c.top);
        w.fields.CompareBottomPct = static_cast<std::int16_t>(c.bottom);
        w.price.ClearLog();
        Draw(Bars({{"01/06/20", 100}, {"01/07/20", 120}}));
        std::vector<int> lines;
        for (const RecordedCall& r : Of(w.price, Kind::Line, grid))
            if (r.state.DrawWidth == 1) lines.push_back(static_cast<int>(r.y1));
        EXPECT_EQ(lines, c.lines) << c.top;
        std::vector<std::string> labels;
        for (const std::string& t : Texts(w.price))
            if (t.back() == '%') labels.push_back(t);
        EXPECT_EQ(labels, c.labels) << c.top;
        EXPECT_EQ(w.fields.PriceTop, c.top);
        EXPECT_EQ(w.fields.PriceBottom, -c.bottom);
    }
}

// Ticks and month numbers only in narrow views; year lines always.
TEST_F(StockCompare, MonthAxisByViewWidth) {
    const struct {
        float view;
        bool ticks;
        bool numbers;
    } cases[] = {{400, true, true}, {600, true, false}, {2000, false, false}};
    for (const auto& c : cases) {
        w.fields.CompareRestart = kTrue;
        w.fields.ViewWidth = c.view;
        w.price.ClearLog();
        Draw(Bars({{"01/06/20", 100}, {"01/07/20", 120}}));
        EXPECT_EQ(!Of(w.price, Kind::Line, QBColor(8)).empty(), c.ticks) << c.view;
        EXPECT_EQ(!Of(w.price, Kind::Text, QBColor(2)).empty(), c.numbers) << c.view;
        // A base in January: a year line at 0 labelled with the base year.
        const auto years = Of(w.price, Kind::Text, QBColor(3));
        ASSERT_FALSE(years.empty()) << c.view;
        EXPECT_EQ(years[0].text, " '20");
        EXPECT_EQ(years[0].x1, 0);
    }
}

TEST_F(StockCompare, BadInputs) {
    // A first close of 0: the name enters the legend, no line is drawn.
    Draw(Bars({{"01/06/20", 0}, {"01/07/20", 120}, {"01/08/20", 130}}));
    EXPECT_TRUE(LinesOf(7).empty());
    EXPECT_EQ(Texts(w.indicator), std::vector<std::string>{"(1301)極洋"});
    EXPECT_EQ(w.fields.CompareRestart, 0);

    // A month outside 1 to 12 is passed over.
    w.fields.CompareRestart = kTrue;
    w.price.ClearLog();
    Draw(Bars({{"01/06/20", 100}, {"13/07/20", 500}, {"01/08/20", 110}}));
    std::vector<std::pair<double, double>> points;
    for (const RecordedCall& c : LinesOf(7)) points.push_back({c.x2, c.y2});
    EXPECT_EQ(points, (std::vector<std::pair<double, double>>{{8, 10}}));

    // A base stock of one bar clears both panes and draws nothing more.
    w.fields.CompareRestart = kTrue;
    w.price.ClearLog();
    w.indicator.ClearLog();
    Draw(Bars({{"01/06/20", 100}}));
    EXPECT_EQ(w.price.Calls().size(), 1u);
    EXPECT_EQ(w.indicator.Calls().size(), 1u);
    EXPECT_EQ(w.fields.CompareRestart, kTrue);

    // Sizes never entered still give an axis.
    w.fields.CompareTopPct = 0;
    w.fields.CompareBottomPct = 0;
    w.price.ClearLog();
    Draw(Bars({{"01/06/20", 100}, {"01/07/20", 120}}));
    EXPECT_EQ(w.fields.PriceTop, 100);
    EXPECT_EQ(w.fields.PriceBottom, -100);
}

// An added stock whose data begin after the base date starts at its first
// record, at 0 %, in that date's place.
TEST_F(StockCompare, AnAddedStockStartsAtItsFirstDateOnOrAfterTheBase) {
    Draw(Bars({{"01/06/20", 100}, {"01/07/20", 110}, {"01/31/20", 120}}));
    w.price.ClearLog();
    Draw(Bars({{"12/30/19", 50}, {"01/10/20", 60}, {"01/14/20", 66}}), 2, "6501d.KDT");
    const auto lines = LinesOf(8);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x1, 10);
    EXPECT_EQ(lines[0].y1, 0);
    EXPECT_EQ(lines[0].x2, 14);
    EXPECT_EQ(lines[0].y2, 10);
    EXPECT_EQ(w.LabelNo(20).text().toStdString(), " 基準 : 2020/01/10");
}

}  // namespace
}  // namespace ranvik
