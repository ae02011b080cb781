// The point and figure chart: the box size, columns of a short close series,
// the year and month lines, weekly data, the period label and the bad inputs.
#include "chart/kinds/point_figure.h"

#include <QLabel>
#include <algorithm>

#include "platform/runtime/values.h"
#include "tests/chart/kinds/kinds_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Spacing;

class PointFigure : public test::KindsTest {
protected:
    void SetUp() override {
        KindsTest::SetUp();
        w.ShowKind(4);
        w.fields.IsDaily = kTrue;
        w.fields.PeriodUnit = "日";
        w.fields.ViewWidth = 385;
        w.mainBoxes[74] = "1";
    }
    // Bars whose open equals their close, on consecutive days.
    static DataFileBuilder Closes(const std::vector<float>& closes, Spacing spacing = Spacing::Days,
                                  Date start = {2020, 3, 2}) {
        DataFileBuilder b(static_cast<int>(closes.size()), spacing, start);
        for (std::size_t i = 0; i < closes.size(); ++i) {
            QuoteRecord& r = b[static_cast<int>(i) + 2];
            r.Open = r.Close = closes[i];
            r.High = closes[i] + 1;
            r.Low = closes[i] - 1;
        }
        return std::move(b.Seal());
    }
    void Draw(DataFileBuilder& b) {
        b.Seal();
        b.Write(dir.File("1301d.KDT"));
        ChartFile file1;
        file1.Open(dir.File("1301d.KDT"));
        w.fields.RecordCount = static_cast<std::int16_t>(b.LastRecord());
        w.fields.FirstRecord = 2;
        w.fields.ViewHigh = 0;
        DrawPointFigure(w, file1);
    }
    // The X boxes as (left, bottom) corners: two crossed lines each.
    std::vector<std::pair<double, double>> XBoxes() {
        std::vector<std::pair<double, double>> out;
        const auto lines = Of(w.price, Kind::Line, RGB(0, 80, 255));
        for (std::size_t i = 0; i + 1 < lines.size(); i += 2) out.push_back({lines[i].x1, lines[i].y1});
        return out;
    }
    std::vector<std::pair<double, double>> OCentres() {
        std::vector<std::pair<double, double>> out;
        for (const RecordedCall& c : Of(w.price, Kind::Circle, QBColor(12))) out.push_back({c.x1, c.y1});
        return out;
    }
    std::vector<RecordedCall> Uprights(DrawStyle style) {
        std::vector<RecordedCall> out;
        for (const RecordedCall& c : Of(w.price, Kind::Line, RGB(200, 200, 200)))
            if (c.x1 == c.x2 && c.state.Style == style) out.push_back(c);
        return out;
    }
};

TEST_F(PointFigure, HalfBoxByThePercentOfTheTopPrice) {
    const struct {
        double percent, top, half;
    } cases[] = {{1, 3000, 15},   {1, 1234, 6},   {1, 110, 0.55}, {2, 1000, 10},   {1, 290, 2},
                 {1, 288, 1},     {1, 109, 0.545}, {1, 0.001, 0.000005}, {0, 3000, 15}, {-2, 3000, 15},
                 {1, 0, 0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(PnfHalfBox(c.percent, c.top), c.half) << c.percent << " " << c.top;
}

TEST_F(PointFigure, TheBoxInUseIsKeptAndShown) {
    const struct {
        const char* what;
        float before;
        const char* percent;
        double usedPercent;
    } cases[] = {{"from the panel", 0, "2", 2}, {"not a number", 0, "abc", 1}, {"0 %", 0, "0", 1},
                 {"typed into the quick bar", 7, "2", 0}};
    for (const auto& c : cases) {
        w.fields.PnfBoxSize = c.before;
        w.mainBoxes[74] = c.percent;
        DataFileBuilder b = Closes({1000, 1100, 900, 1000});
        Draw(b);
        const float expected =
            c.before > 0 ? c.before : static_cast<float>(2 * PnfHalfBox(c.usedPercent, w.fields.PriceTop));
        EXPECT_EQ(w.fields.PnfBoxSize, expected) << c.what;
        EXPECT_EQ(w.mainBoxes[6], NumberText(expected)) << c.what;
    }
    EXPECT_EQ(Texts(w.quickBar).back(), "円");
    EXPECT_EQ(w.windowCaption, "日ﾃﾞｰﾀ + ﾎﾟｲﾝﾄ＆ﾌｨｷﾞｭｱ");
}

// A rise of three boxes starts the X column, a fall of two does nothing, one
// of three starts an O column from the higher of open and close of the bar
// that last extended the X column; the next X column starts from the lower
// of open and close of the bar that last extended the O column.
TEST_F(PointFigure, ColumnsOfAShortCloseSeries) {
    w.fields.PnfBoxSize = 10;
    DataFileBuilder b = Closes({100, 130, 150, 130, 120, 100, 110, 125, 131});
    b[4].Open = 152;
    b[7].Open = 97;
    Draw(b);
    EXPECT_EQ(XBoxes(), (std::vector<std::pair<double, double>>{
                            {10, 100}, {10, 110}, {10, 120}, {10, 130}, {10, 140}, {30, 97}, {30, 107}, {30, 117}}));
    EXPECT_EQ(OCentres(),
              (std::vector<std::pair<double, double>>{{25, 147}, {25, 137}, {25, 127}, {25, 117}, {25, 107}}));
    const auto circles = Of(w.price, Kind::Circle, QBColor(12));
    ASSERT_FALSE(circles.empty());
    EXPECT_EQ(circles[0].radius, 5);
    const auto scales = w.price.CallsOf(Kind::Scale);
    ASSERT_FALSE(scales.empty());
    const RecordedCall& s = scales.back();
    EXPECT_EQ(s.x1, -10);
    EXPECT_EQ(s.x2, 80);
    const double aspect = -((s.x2 - s.x1) / (s.y2 - s.y1)) / (w.price.Width() / w.price.Height());
    EXPECT_DOUBLE_EQ(circles[0].aspect, aspect);
    // Only the second pass is left: the pane was cleared after the first.
    EXPECT_EQ(w.price.CallsOf(Kind::Clear).size(), 2u);
    EXPECT_EQ(XBoxes().size(), 8u);
}

TEST_F(PointFigure, YearLinesAndMonthMarksByTheNumberOfColumns) {
    w.SetItem("mnuFuncExItem", 8, true);
    w.fields.PnfBoxSize = 1;
    const struct {
        int bars;
        bool dotted;
    } cases[] = {{40, true}, {60, false}};
    for (const auto& c : cases) {
        std::vector<float> closes;
        for (int i = 0; i < c.bars; ++i) closes.push_back(i % 2 == 0 ? 100.0f : 104.0f);
        DataFileBuilder b = Closes(closes, Spacing::Days, {2020, 12, 20});
        w.price.ClearLog();
        Draw(b);
        // Record 14, the first of 2021, is read while column 11 (made by
        // record 13) is current.
        const auto solid = Uprights(DrawStyle::Solid);
        ASSERT_EQ(solid.size(), 1u) << c.bars;
        EXPECT_EQ(solid[0].x1, 11) << c.bars;
        const auto texts = Texts(w.price);
        EXPECT_EQ(std::count(texts.begin(), texts.end(), " '21"), 1) << c.bars;
        EXPECT_EQ(!Uprights(DrawStyle::Dot).empty(), c.dotted) << c.bars;
        EXPECT_EQ(std::count(texts.begin(), texts.end(), " 1"), c.dotted ? 1 : 0) << c.bars;
    }
}

TEST_F(PointFigure, WeeklyDataGetNoMonthLines) {
    w.SetItem("mnuFuncExItem", 8, true);
    w.fields.IsDaily = 0;
    w.fields.PnfBoxSize = 1;
    std::vector<float> closes;
    for (int i = 0; i < 12; ++i) closes.push_back(i % 2 == 0 ? 100.0f : 104.0f);
    DataFileBuilder b = Closes(closes, Spacing::Weeks, {2020, 11, 2});
    Draw(b);
    EXPECT_EQ(Uprights(DrawStyle::Dot).size(), 1u);
    EXPECT_EQ(Uprights(DrawStyle::Solid).size(), 1u);
    for (const std::string& t : Texts(w.price)) {
        EXPECT_NE(t, " 1");
        EXPECT_NE(t, " 12");
    }
}

TEST_F(PointFigure, PeriodLabelAndTheChartRunsToTheLastRecord) {
    const struct {
        const char* first;
        const char* last;
        const char* label;
    } cases[] = {{"06/01/50", "06/05/50", "期間：2050/06/01～2050/06/05"},
                 {"06/01/51", "06/05/51", "期間：1951/06/01～1951/06/05"},
                 {"12/30/49", "01/04/50", "期間：2049/12/30～2050/01/04"}};
    w.fields.PnfBoxSize = 10;
    for (const auto& c : cases) {
        std::vector<float> closes(200, 100.0f);
        closes.back() = 200;
        DataFileBuilder b = Closes(closes);
        b[2].QuoteDate = c.first;
        b[201].QuoteDate = c.last;
        w.price.ClearLog();
        Draw(b);
        EXPECT_EQ(w.LabelNo(20).text().toStdString(), c.label);
        // The last record, far beyond the view, makes the only column.
        const auto boxes = XBoxes();
        ASSERT_EQ(boxes.size(), 10u);
        EXPECT_EQ(boxes.back(), (std::pair<double, double>{10, 190}));
    }
    EXPECT_EQ(w.LabelNo(12).text(), w.LabelNo(1).text());
}

TEST_F(PointFigure, BadInputs) {
    // Prices that leave no top above 0 give no box: grid and label, but no
    // column.
    DataFileBuilder zero = Closes({-5, -5, -15, -5});
    Draw(zero);
    ASSERT_LE(w.fields.PriceTop, 0);
    EXPECT_EQ(w.fields.PnfBoxSize, 0);
    EXPECT_TRUE(XBoxes().empty());
    EXPECT_TRUE(OCentres().empty());
    EXPECT_FALSE(w.LabelNo(20).text().isEmpty());

    // One bar: nothing.
    w.price.ClearLog();
    DataFileBuilder one = Closes({100});
    Draw(one);
    EXPECT_TRUE(w.price.Calls().empty());
}

}  // namespace
}  // namespace ranvik
