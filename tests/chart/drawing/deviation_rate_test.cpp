// The deviation rates of the overlay pass: the pane's scale by the view's
// range, the two-line legend, the rates against averages the test sums
// afresh, periods not in ascending order, and the printed band.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/drawing/overlay_series.h"
#include "chart/drawing/print_scale.h"
#include "tests/chart/drawing/price_pane_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Polyline;

class DeviationRate : public test::PricePaneTest {
protected:
    void SetUp() override {
        PricePaneTest::SetUp();
        w.mainBoxes = {{20, "5"}, {21, "25"}, {22, "75"}};
    }
    Polyline Rates(int p, const std::function<double(int)>& rate) const { return Expected(p, rate); }
};

TEST_F(DeviationRate, ScaleByTheViewsRange) {
    struct Case {
        double low, high;
        bool enlarged;
        std::int16_t scale;
    };
    for (const Case c : {Case{96, 100, false, 3}, Case{91, 100, false, 5}, Case{91, 100, true, 10},
                         Case{86, 100, false, 7}, Case{81, 100, false, 12}, Case{60, 100, false, 18},
                         Case{50, 100, false, 30}, Case{0, 0, false, 30}, Case{0, 0, true, 60}}) {
        EXPECT_EQ(ChooseDeviationScale(c.low, c.high, c.enlarged), c.scale) << c.low << " " << c.high;
    }
}

// The two-line rate of 5 against 25 and 75: a legend on one line at the
// top of the pane, red and magenta lines, none for pass 0.
TEST_F(DeviationRate, TwoLineLegendAndLines) {
    Check("mnu2LineKairiRitsu");
    Prepare(DataFileBuilder(300), 150);
    Draw();
    const ChartWindowState& f = w.fields;
    EXPECT_EQ(f.DeviationScale, ChooseDeviationScale(f.ViewLow, f.ViewHigh, false));
    EXPECT_EQ(w.indicator.ScaleTop(), f.DeviationScale);
    const std::vector<RecordedCall> texts = Of(w.indicator, Kind::Text);
    const std::vector<std::string> expected = {" 5 ", " - ", " 25 ", "  ", " 5 ", " - ", " 75 "};
    ASSERT_EQ(texts.size(), expected.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].text, expected[i]) << i;
        EXPECT_EQ(texts[i].color, i < 3 ? QBColor(12) : QBColor(13)) << i;
        EXPECT_FALSE(texts[i].newLine) << i;
    }
    EXPECT_EQ(texts[0].x1, 40);
    EXPECT_EQ(texts[0].y1, f.DeviationScale);
    EXPECT_TRUE(test::ChainSegments(w.indicator.Calls(), QBColor(8)).empty());
    for (const int p : {25, 75}) {
        const Color color = p == 25 ? QBColor(12) : QBColor(13);
        const auto drawn = test::ChainSegments(w.indicator.Calls(), color);
        ASSERT_EQ(drawn.size(), 1u) << p;
        ExpectLine(drawn[0], Rates(p, [&](int r) { return (Mean(r, 5, close) / Mean(r, p, close) - 1) * 100; }),
                   1e-3, "two-line " + std::to_string(p));
    }
    // No moving-average lines on the price pane, and the periods are not
    // kept without the moving-average item.
    EXPECT_TRUE(Of(w.price, Kind::Line).empty());
    EXPECT_EQ(f.OverlayPeriods[0], 0);
}

// Periods not in ascending order: the pass shorter than the first has no
// two-line rate and no legend pair; the others are drawn.
TEST_F(DeviationRate, TwoLinePeriodsNotAscending) {
    w.mainBoxes = {{20, "25"}, {21, "5"}, {22, "75"}};
    Check("mnu2LineKairiRitsu");
    Prepare(DataFileBuilder(300), 150);
    Draw();
    std::vector<std::string> texts;
    for (const RecordedCall& t : Of(w.indicator, Kind::Text)) texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"  ", " 25 ", " - ", " 75 "}));
    EXPECT_TRUE(test::ChainSegments(w.indicator.Calls(), QBColor(12)).empty());
    const auto drawn = test::ChainSegments(w.indicator.Calls(), QBColor(13));
    ASSERT_EQ(drawn.size(), 1u);
    ExpectLine(drawn[0], Rates(75, [&](int r) { return (Mean(r, 25, close) / Mean(r, 75, close) - 1) * 100; }),
               1e-3, "25 against 75");
}

// The single rate on every pass, the quick bar's fourth in cyan; on an
// inverted chart the pane's scale turns over.
TEST_F(DeviationRate, SingleRateOfEveryPass) {
    Check("mnuKairiRitsu");
    Check("mnuIdouHeikin");
    w.fields.BandPeriod = 10;
    w.fields.InvertedChart = -1;
    Prepare(DataFileBuilder(300), 150);
    Draw();
    EXPECT_EQ(w.indicator.ScaleTop(), -w.fields.DeviationScale);
    const std::pair<Color, int> passes[] = {{QBColor(8), 5}, {QBColor(12), 25}, {QBColor(13), 75}, {QBColor(3), 10}};
    for (const auto& pass : passes) {
        const int p = pass.second;
        const auto drawn = test::ChainSegments(w.indicator.Calls(), pass.first);
        ASSERT_EQ(drawn.size(), 1u) << p;
        ExpectLine(drawn[0], Rates(p, [&](int r) { return (close(r) / Mean(r, p, close) - 1) * 100; }), 1e-3,
                   "single " + std::to_string(p));
    }
    EXPECT_TRUE(Of(w.indicator, Kind::Text).empty());
    EXPECT_EQ(w.fields.OverlayPeriods[1], 25);  // kept: the moving averages are on
}

// On paper: a price band under 50 units amplifies the rates 8 times, 4 with
// the enlarged indicator pane, held within ±100 and drawn upside down in the
// band's scale; no stretch along the edge.  Nothing is printed on the pane.
TEST_F(DeviationRate, PrintedRates) {
    w.mainBoxes = {{20, "5"}, {21, ""}, {22, ""}};
    Check("mnuKairiRitsu");
    for (const bool enlarged : {false, true}) {
        w.SetItem("mnuGamen比", 1, enlarged);
        Prepare(DataFileBuilder(300), 150);
        ChartWindowState& f = w.fields;
        f.ClipLevelH = 1080;
        f.ClipLevelL = 1040;
        SetPrinterPriceScale(f, w.price, w.printer);
        f.PrintingNow = -1;
        Draw();
        f.PrintingNow = 0;
        EXPECT_TRUE(w.indicator.Calls().empty());
        const double gain = enlarged ? 4 : 8;
        const auto rate = [&](int r) {
            return std::clamp((close(r) / Mean(r, 5, close) - 1) * 100 * gain, -100.0, 100.0);
        };
        const Polyline points = Expected(5, rate);
        const std::vector<RecordedCall> lines = Of(w.printer, Kind::Line);
        std::size_t next = 0;
        for (std::size_t i = 1; i < points.size(); ++i) {
            const double v = points[i].second;
            if ((v >= 100 || v <= -100) && v == points[i - 1].second) continue;
            ASSERT_LT(next, lines.size());
            const RecordedCall& l = lines[next++];
            EXPECT_EQ(l.x2, points[i].first);
            EXPECT_NEAR(l.y1, -points[i - 1].second, 0.01);
            EXPECT_NEAR(l.y2, -v, 0.01);
        }
        EXPECT_EQ(next, lines.size());
        EXPECT_EQ(w.printer.ScaleHeight(), f.SavedScaleHeight);
    }
}

// With the trading-value average the rates are taken on it: the close
// against the pass's Σ V·C / Σ V, and the newest five bars' average against
// the pass's.
TEST_F(DeviationRate, RatesOnTheTradingValueAverage) {
    w.mainBoxes = {{20, "5"}, {21, "25"}, {22, ""}};
    Check("mnuBBdaikin");
    DataFileBuilder file(300);
    for (int r = 2; r <= 300; ++r) file[r].Volume = static_cast<float>(1000 + 137 * (r % 7));
    const auto average = [&](int r, int p) {
        double sv = 0;
        double v = 0;
        for (int i = r - p + 1; i <= r; ++i) {
            sv += static_cast<double>(bars[i].Volume) * bars[i].Close;
            v += bars[i].Volume;
        }
        return sv / v;
    };
    for (const char* item : {"mnuKairiRitsu", "mnu2LineKairiRitsu"}) {
        Check("mnuKairiRitsu", std::string(item) == "mnuKairiRitsu");
        Check("mnu2LineKairiRitsu", std::string(item) == "mnu2LineKairiRitsu");
        Prepare(file.Seal(), 150);
        Draw();
        const bool single = std::string(item) == "mnuKairiRitsu";
        const auto drawn = test::ChainSegments(w.indicator.Calls(), QBColor(12));
        ASSERT_EQ(drawn.size(), 1u) << item;
        ExpectLine(drawn[0], Rates(25, [&](int r) {
                       const double against = single ? close(r) : average(r, 5);
                       return (against / average(r, 25) - 1) * 100;
                   }),
                   2e-3, item);
        EXPECT_EQ(test::ChainSegments(w.indicator.Calls(), QBColor(8)).size(), single ? 1u : 0u) << item;
    }
}

}  // namespace
}  // namespace ranvik
