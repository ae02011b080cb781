// The yearly candle pane: its rounded range, the candles of daily and weekly
// years, the detail of a wide pane, the grid and what it puts back.
#include "chart/drawing/year_candles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "chart/drawing/visible_range.h"
#include "platform/runtime/number_format.h"
#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik::test {
namespace {

using Kind = RecordedCall::Kind;

TEST(YearPaneRange, BottomAndTopRoundOutTheFileRange) {
    struct Case {
        double lo, hi, step, bottom, top;
    };
    const std::vector<Case> cases = {
        {2345, 8765, 100, 2000, 8900},  // u = 100
        {2000, 2100, 100, 2000, 2300},  // no t below 2000 is passed: t = 1000
        {1500, 1600, 100, 1000, 1800},
        {150000, 250000, 10000, 100000, 270000},  // t = 100000; u = 10000
        {99999, 123456789, 1, 99000, 125000000},  // top: u = 10^6
        {750, 990, 50, 500, 1020},
        {450, 500, 10, 300, 510},
        {250, 300, 10, 200, 330},
        {99, 300, 10, 70, 330},
        {69, 300, 10, 50, 330},
        {45, 245, 10, 40, 270},  // range of 200: a multiple of 20
        {45, 300, 10, 0, 330},   // range above 200: 0
        {19.9, 30, 1, 0, 60},
        {1, 10, 1, 0, 10.5},
        {0.0123, 0.0456, 0.005, 0.009, 0.0475},
        {0.5, 1001, 0.5, 0.25, 1200},  // 1001 exceeds 10^3: u = 100
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(YearPaneBottom(c.lo, c.hi, c.step), c.bottom, 1e-9) << c.lo;
        EXPECT_NEAR(YearPaneTop(c.hi, c.step), c.top, 1e-9) << c.hi;
    }
}

struct Bar {
    const char* date;
    float open, close, high, low;
};

struct DrawnCandle {
    int column;
    double open, close, high, low;
    bool dark;
};

class YearCandlesTest : public DrawingTest {
protected:
    void TearDown() override {
        if (file1.IsOpen()) file1.Close();
        DrawingTest::TearDown();
    }
    void Draw(const std::vector<Bar>& bars, bool daily = true) {
        DataFileBuilder file(static_cast<int>(bars.size()));
        for (std::size_t i = 0; i < bars.size(); ++i) {
            QuoteRecord& r = file[static_cast<int>(i) + 2];
            r.QuoteDate = bars[i].date;
            r.Open = bars[i].open;
            r.Close = bars[i].close;
            r.High = bars[i].high;
            r.Low = bars[i].low;
        }
        file.Seal();
        file.Write(dir.File("1301d.KDT"));
        ChartWindowState& f = w.fields;
        f.DataFileName = dir.File("1301d.KDT");
        f.RecordCount = file.Header().RecordNo;
        f.FileHigh = fileRange ? fileRange->second : file.Header().High;
        f.FileLow = fileRange ? fileRange->first : file.Header().Low;
        f.IsDaily = daily ? -1 : 0;
        file1.Open(f.DataFileName);
        DrawYearCandles(w, file1);
    }
    // The candles as drawn: a wick two units wide, then the body.
    std::vector<DrawnCandle> Candles() {
        std::vector<DrawnCandle> out;
        const std::vector<RecordedCall>& calls = w.yearPane.Calls();
        for (std::size_t i = 0; i + 1 < calls.size(); ++i) {
            const RecordedCall& c = calls[i];
            if (c.kind != Kind::FilledBox || c.x2 - c.x1 != 2) continue;
            const RecordedCall& body = calls[i + 1];
            const bool dark = body.color == QBColor(8);
            out.push_back({static_cast<int>(body.x1) / 30, body.y1, body.y2, c.y1, c.y2, dark});
            EXPECT_DOUBLE_EQ(body.x2 - body.x1, 29);
            EXPECT_DOUBLE_EQ(c.x1, body.x1 + 14);
            if (!dark) {
                EXPECT_EQ(body.color, QBColor(15));
                EXPECT_EQ(calls[i + 2].kind, Kind::Box);
                EXPECT_EQ(calls[i + 2].color, QBColor(8));
            }
        }
        return out;
    }
    std::vector<std::string> Labels(Color color) {
        std::vector<std::string> out;
        for (const RecordedCall& c : w.yearPane.CallsOf(Kind::Text)) {
            if (c.color == color) out.push_back(c.text);
        }
        return out;
    }
    ChartFile file1;
    // The file's lowest and highest price as its header holds them, when
    // not the builder's.
    std::optional<std::pair<float, float>> fileRange;
};

TEST_F(YearCandlesTest, DailyYearsOfAWidePaneWithBandsLabelsAndTheMarkerOf2000) {
    // One bar a year from 1998 to 2024, and a second bar in 1998.
    std::vector<Bar> bars = {{"03/02/98", 1100, 1200, 1300, 1050}, {"12/28/98", 1250, 1150, 1400, 1000}};
    std::vector<std::string> dates;
    for (int y = 1999; y <= 2024; ++y) dates.push_back("06/01/" + FormatNumber(y % 100, "00"));
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const float o = 1000 + 10.0f * static_cast<float>(i);
        bars.push_back({dates[i].c_str(), o, o + 5, o + 20, o - 20});
    }
    // A pane as wide as a third of the price pane shows the detail.
    w.price.Scale(0, 2000, 903, 1000);
    w.yearPane.Resize(3000, 1500);
    w.fields.PriceGridStep = 100;
    w.fields.PriceTop = 2000;
    w.fields.PriceBottom = 1000;
    Draw(bars);
    const ChartWindowState& f = w.fields;
    EXPECT_EQ(f.YearPaneDetail, -1);
    EXPECT_TRUE(w.PaneVisible(Pane::YearCandles));
    // N = 27: the pane runs to 30 x 28 = 840, labels 8 pt at offset 2.
    EXPECT_DOUBLE_EQ(w.yearPane.ScaleLeft() + w.yearPane.ScaleWidth(), 840);
    const std::vector<DrawnCandle> candles = Candles();
    ASSERT_EQ(candles.size(), 27u);
    EXPECT_EQ(candles[0].column, 0);
    EXPECT_DOUBLE_EQ(candles[0].open, 1100);
    EXPECT_DOUBLE_EQ(candles[0].close, 1150);
    EXPECT_DOUBLE_EQ(candles[0].high, 1400);
    EXPECT_DOUBLE_EQ(candles[0].low, 1000);
    EXPECT_TRUE(candles[0].dark == false);  // 1100 to 1150 rose
    EXPECT_EQ(candles[26].column, 26);
    const std::vector<std::string> years = Labels(QBColor(11));
    ASSERT_EQ(years.size(), 14u);
    EXPECT_EQ(years[0], "98");
    EXPECT_EQ(years[1], "00");
    EXPECT_EQ(years[13], "24");
    for (const RecordedCall& t : w.yearPane.CallsOf(Kind::Text)) {
        if (t.color != QBColor(11)) continue;
        EXPECT_EQ(t.state.FontSize, 8);
        EXPECT_EQ(static_cast<int>(t.x1 - 2) % 60, 0) << t.text;
    }
    std::vector<RecordedCall> markers;
    for (const RecordedCall& c : w.yearPane.CallsOf(Kind::Line)) {
        if (c.color == QBColor(12)) markers.push_back(c);
    }
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_DOUBLE_EQ(markers[0].x1, 90);  // the right edge of column 2
    int bands = 0;
    for (const RecordedCall& c : w.yearPane.CallsOf(Kind::FilledBox)) bands += c.color == RGB(30, 30, 80);
    EXPECT_EQ(bands, 15);  // columns 0, 2, ..., 28
    // Put back, and left as the pane ends.
    EXPECT_DOUBLE_EQ(f.PriceGridStep, 100);
    EXPECT_DOUBLE_EQ(f.PriceTop, 2000);
    EXPECT_DOUBLE_EQ(f.PriceBottom, 1000);
    EXPECT_EQ(f.LineColorNo, 8);
    EXPECT_EQ(w.yearPane.ForeColor(), QBColor(7));
    EXPECT_EQ(w.yearPane.FontSize(), 9);
    EXPECT_EQ(w.yearPane.DrawStyle(), DrawStyle::Solid);
}

TEST_F(YearCandlesTest, GridAndPriceLabelsByTheDoubledStep) {
    // Range 0 to 330: the grid step of 50 gives more than 6 steps, so 100.
    w.price.Scale(0, 2000, 903, 1000);
    w.yearPane.Resize(3000, 1500);
    w.fields.PriceGridStep = 20;
    Draw({{"06/01/20", 100, 200, 300, 45}, {"06/01/21", 200, 150, 250, 120}});
    ChartWindowState probe;
    probe.PriceTop = 330;
    probe.PriceBottom = 0;
    ChoosePriceGridStep(probe);
    const double step = probe.PriceGridStep * ((330 - 0) / probe.PriceGridStep > 6 ? 2 : 1);
    EXPECT_EQ(w.fields.AxisFormat, probe.AxisFormat);
    std::vector<double> expected;
    for (double y = step / 2; y <= 330; y += step) expected.push_back(y);
    std::vector<double> lines;
    for (const RecordedCall& c : w.yearPane.CallsOf(Kind::Line)) {
        if (c.color != RGB(80, 80, 255)) continue;
        EXPECT_EQ(c.state.Style, DrawStyle::Dot);
        EXPECT_DOUBLE_EQ(c.y1, c.y2);
        lines.push_back(c.y1);
    }
    EXPECT_EQ(lines, expected);
    const std::vector<std::string> labels = Labels(QBColor(7));
    ASSERT_EQ(labels.size(), expected.size());
    for (std::size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(labels[i], FormatNumber(expected[i], probe.AxisFormat));
    EXPECT_DOUBLE_EQ(w.fields.PriceGridStep, 20);
}

TEST_F(YearCandlesTest, WeeklyYearsStartOnTheFourthOfJanuary) {
    w.price.Scale(0, 2000, 903, 1000);
    w.yearPane.Resize(3000, 1500);
    Draw({{"01/02/98", 100, 110, 120, 90},   // counts to 1997
          {"01/09/98", 110, 120, 130, 100},
          {"12/27/04", 120, 130, 140, 110},
          {"01/03/05", 130, 125, 150, 105},  // closes 2004
          {"01/10/05", 125, 140, 145, 120},
          {"01/17/05", 140, 135, 160, 130}},
         false);
    const std::vector<DrawnCandle> candles = Candles();
    ASSERT_EQ(candles.size(), 4u);
    // 1997 from its one bar.
    EXPECT_DOUBLE_EQ(candles[0].open, 100);
    EXPECT_DOUBLE_EQ(candles[0].close, 110);
    // 1998 (01/09/98 alone: the next bar is dated 2004).
    EXPECT_DOUBLE_EQ(candles[1].open, 110);
    EXPECT_DOUBLE_EQ(candles[1].close, 120);
    // 2004: 12/27/04 and 01/03/05.
    EXPECT_DOUBLE_EQ(candles[2].open, 120);
    EXPECT_DOUBLE_EQ(candles[2].close, 125);
    EXPECT_DOUBLE_EQ(candles[2].high, 150);
    EXPECT_DOUBLE_EQ(candles[2].low, 105);
    // 2005 from 01/10/05.
    EXPECT_DOUBLE_EQ(candles[3].open, 125);
    EXPECT_DOUBLE_EQ(candles[3].close, 135);
    EXPECT_DOUBLE_EQ(candles[3].high, 160);
    const std::vector<std::string> years = Labels(QBColor(11));
    ASSERT_EQ(years.size(), 2u);
    EXPECT_EQ(years[0], "97");
    EXPECT_EQ(years[1], "04");
    // 1997 to 2005: nine columns and the margin.
    EXPECT_DOUBLE_EQ(w.yearPane.ScaleLeft() + w.yearPane.ScaleWidth(), 300);
}

TEST_F(YearCandlesTest, WeeklyLastBarBeforeTheFourthClosesTheYearAndTheWalkEnds) {
    // Nothing lies after the last bar to start a year from: no candle of
    // zero bytes is drawn.
    w.price.Scale(0, 2000, 903, 1000);
    Draw({{"12/20/04", 120, 130, 140, 110}, {"12/27/04", 130, 128, 135, 125}, {"01/03/05", 128, 132, 150, 100}},
         false);
    const std::vector<DrawnCandle> candles = Candles();
    ASSERT_EQ(candles.size(), 1u) << w.yearPane.Log();
    EXPECT_DOUBLE_EQ(candles[0].open, 120);
    EXPECT_DOUBLE_EQ(candles[0].close, 132);
    EXPECT_DOUBLE_EQ(candles[0].high, 150);
    EXPECT_DOUBLE_EQ(candles[0].low, 100);
}

TEST_F(YearCandlesTest, BodiesUprightAndInverted) {
    // Years rising, falling and even: dark bodies for falling years upright,
    // for rising and even ones inverted.
    const std::vector<Bar> bars = {
        {"06/01/20", 100, 120, 130, 90}, {"06/01/21", 120, 100, 130, 90}, {"06/01/22", 110, 110, 130, 90}};
    w.price.Scale(0, 2000, 903, 1000);
    Draw(bars);
    std::vector<DrawnCandle> upright = Candles();
    ASSERT_EQ(upright.size(), 3u);
    EXPECT_FALSE(upright[0].dark);
    EXPECT_TRUE(upright[1].dark);
    EXPECT_FALSE(upright[2].dark);
    file1.Close();
    w.yearPane.ClearLog();
    w.fields.InvertedChart = -1;
    Draw(bars);
    std::vector<DrawnCandle> inverted = Candles();
    ASSERT_EQ(inverted.size(), 3u);
    EXPECT_TRUE(inverted[0].dark);
    EXPECT_FALSE(inverted[1].dark);
    EXPECT_TRUE(inverted[2].dark);
    // The scale is turned over: the bottom at the top edge.
    EXPECT_DOUBLE_EQ(w.yearPane.ScaleTop(), YearPaneBottom(90, 130, 0));
}

// Prices that are no number (a damaged file) are passed over: a year's
// candle comes from its other bars, and a year whose open is no number has
// no candle, only its place.
TEST_F(YearCandlesTest, PricesThatAreNoNumberArePassedOver) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    w.price.Scale(0, 2000, 903, 1000);
    // As the store keeps the header: from the prices that are numbers.
    fileRange = {80, 140};
    Draw({{"06/01/20", 100, 120, nan, 90},
          {"06/02/20", 110, inf, 140, -inf},
          {"06/03/20", 115, 118, 125, 95},
          {"06/01/21", nan, 100, 130, 80},
          {"06/01/22", 110, 112, 130, 90}});
    for (const RecordedCall& c : w.yearPane.Calls()) {
        EXPECT_TRUE(std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) && std::isfinite(c.y2))
            << Describe(c);
    }
    const std::vector<DrawnCandle> candles = Candles();
    ASSERT_EQ(candles.size(), 2u);
    EXPECT_EQ(candles[0].column, 0);
    EXPECT_DOUBLE_EQ(candles[0].open, 100);
    EXPECT_DOUBLE_EQ(candles[0].close, 118);
    EXPECT_DOUBLE_EQ(candles[0].high, 140);
    EXPECT_DOUBLE_EQ(candles[0].low, 90);
    EXPECT_EQ(candles[1].column, 2);
    EXPECT_DOUBLE_EQ(candles[1].open, 110);
    EXPECT_DOUBLE_EQ(candles[1].close, 112);
}

TEST_F(YearCandlesTest, ANarrowPaneShowsCandlesAndGridAlone) {
    // The price pane's full view: the yearly pane is far below a third of it.
    w.price.Scale(0, 2000, 32000, 1000);
    Draw({{"06/01/20", 100, 120, 130, 90}, {"06/01/21", 120, 100, 130, 90}});
    EXPECT_EQ(w.fields.YearPaneDetail, 0);
    EXPECT_EQ(Candles().size(), 2u);
    EXPECT_TRUE(w.yearPane.CallsOf(Kind::Text).empty());
    for (const RecordedCall& c : w.yearPane.CallsOf(Kind::Line)) {
        EXPECT_NE(c.color, QBColor(12));
        if (c.color == RGB(80, 80, 255)) {
            EXPECT_DOUBLE_EQ(c.x1, w.yearPane.ScaleLeft());
        }
    }
    for (const RecordedCall& c : w.yearPane.CallsOf(Kind::FilledBox)) EXPECT_NE(c.color, RGB(30, 30, 80));
}

// The detail follows the price view's width in its own units (7 to a bar)
// against the yearly pane's width in twips, whatever the price pane's width
// on the screen: a window of the default size with the pane at its default
// width shows it.
TEST_F(YearCandlesTest, TheDetailComparesThePriceViewWithThePaneInTwips) {
    struct Case {
        const char* name;
        double priceTwips, viewWidth, paneTwips;
        int detail;
    };
    const Case cases[] = {
        {"default window, default pane", 12000, 903, 2085, -1},
        {"wide screen, default pane", 25000, 903, 2085, -1},
        {"a third of the view equals the pane", 12000, 6255, 2085, -1},
        {"a third of the view beyond the pane", 12000, 6258, 2085, 0},
        {"full view of a long file, narrow pane", 12000, 32000, 2085, 0},
        {"full view of a long file, wide pane", 12000, 32000, 11000, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (file1.IsOpen()) file1.Close();
        w.yearPane.ClearLog();
        w.price.Resize(c.priceTwips, 4000);
        w.price.Scale(0, 2000, c.viewWidth, 1000);
        w.yearPane.Resize(c.paneTwips, 1215);
        Draw({{"06/01/98", 100, 120, 130, 90}, {"06/01/99", 120, 100, 130, 90}, {"06/01/00", 110, 115, 130, 90}});
        EXPECT_EQ(w.fields.YearPaneDetail, c.detail);
        const bool detail = c.detail == -1;
        // Year labels, the marker of 2000 and the bands come with the detail.
        const std::vector<std::string> labels = detail ? std::vector<std::string>{"98", "00"} : std::vector<std::string>{};
        EXPECT_EQ(Labels(QBColor(11)), labels);
        bool marker = false;
        for (const RecordedCall& call : w.yearPane.CallsOf(Kind::Line)) marker = marker || call.color == QBColor(12);
        EXPECT_EQ(marker, detail);
        bool band = false;
        for (const RecordedCall& call : w.yearPane.CallsOf(Kind::FilledBox)) band = band || call.color == RGB(30, 30, 80);
        EXPECT_EQ(band, detail);
    }
}

TEST_F(YearCandlesTest, SplitCorrectedFromTheFirstBarAndThePointGivenBack) {
    // One point on record 4: the bars before it halved, whatever point the
    // view had in force.
    w.SetItem("mnuHosei", 1, true);
    ChartWindowState& f = w.fields;
    f.CorrectionFactors = {1, 2, 0, 0, 0, 0};
    f.CorrectionRecords = {0, 4, 0, 0, 0, 0};
    f.CorrectionRecord = 4;
    f.CorrectionFactor = 2;
    w.price.Scale(0, 2000, 903, 1000);
    Draw({{"06/01/20", 200, 240, 260, 180}, {"06/02/20", 240, 220, 300, 200}, {"06/03/20", 110, 130, 140, 100}});
    const std::vector<DrawnCandle> candles = Candles();
    ASSERT_EQ(candles.size(), 1u);
    EXPECT_DOUBLE_EQ(candles[0].open, 100);
    EXPECT_DOUBLE_EQ(candles[0].close, 130);
    EXPECT_DOUBLE_EQ(candles[0].high, 150);
    EXPECT_DOUBLE_EQ(candles[0].low, 90);
    EXPECT_EQ(f.CorrectionRecord, 4);
    EXPECT_FLOAT_EQ(f.CorrectionFactor, 2);
}

}  // namespace
}  // namespace ranvik::test
