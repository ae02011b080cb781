// The regression trend against fits the test works out itself (least
// squares about the rounded middle index, sample deviation about the mean),
// the periods the panel, the quick bar and the monthly view give, windows
// that would run off the data, monthly positions, the correction in force,
// and the printed lines within the price band.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/drawing/print_scale.h"
#include "chart/drawing/regression_trend.h"
#include "tests/chart/drawing/price_pane_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;

struct Fit {
    double U = 0;
    double V = 0;
    double s = 0;
};

Fit FitOf(const std::vector<double>& y) {
    const int n = static_cast<int>(y.size());
    const double q = std::nearbyint((n + 1) / 2.0);
    double mean = 0;
    for (double v : y) mean += v;
    mean /= n;
    double sxy = 0;
    double sxx = 0;
    for (int j = 1; j <= n; ++j) {
        sxy += (y[j - 1] - mean) * (j - q);
        sxx += (j - q) * (j - q);
    }
    double squares = 0;
    for (double v : y) squares += (v - mean) * (v - mean);
    const double b = sxy / sxx;
    const double a = mean - q * b;
    return {a + b, a + n * b, std::sqrt(squares / (n - 1))};
}

class RegressionTrend : public test::PricePaneTest {
protected:
    void SetUp() override {
        PricePaneTest::SetUp();
        Check("mnu線形回帰");
    }

    void DrawTrend(std::int64_t lastRecord, double lastX) {
        w.price.ClearLog();
        w.printer.ClearLog();
        const std::int64_t recordBefore = lastRecord;
        const double xBefore = lastX;
        DrawRegressionTrend(w, file1, lastRecord, lastX);
        EXPECT_EQ(lastRecord, recordBefore);
        EXPECT_EQ(lastX, xBefore);
    }

    std::vector<double> Closes(std::int64_t last, int n) {
        std::vector<double> y;
        for (std::int64_t r = last - n + 1; r <= last; ++r) y.push_back(close(static_cast<int>(r)));
        return y;
    }

    // The five screen lines of one period from the call `at` on.
    void ExpectScreenLines(std::size_t at, const Fit& fit, double x1, double x2, Color color,
                           const std::string& what) {
        const std::vector<RecordedCall> lines = Of(w.price, Kind::Line);
        ASSERT_GE(lines.size(), at + 5) << what;
        const double offsets[] = {0, fit.s, 2 * fit.s, -fit.s, -2 * fit.s};
        for (std::size_t i = 0; i < 5; ++i) {
            const RecordedCall& l = lines[at + i];
            const std::string line = what + " line " + std::to_string(i);
            EXPECT_EQ(l.color, color) << line;
            EXPECT_DOUBLE_EQ(l.x1, x1) << line;
            EXPECT_DOUBLE_EQ(l.x2, x2) << line;
            EXPECT_NEAR(l.y1, fit.U + offsets[i], 0.01) << line;
            EXPECT_NEAR(l.y2, fit.V + offsets[i], 0.01) << line;
        }
    }
};

TEST(RegressionFit, Cases) {
    struct Case {
        std::vector<float> closes;
        float U;
        float V;
        float s;
    };
    const Case cases[] = {
        // Rising by one: slope 1 through the ends for an odd period.
        {{10, 11, 12, 13, 14}, 10, 14, static_cast<float>(std::sqrt(2.5))},
        // An even period is anchored at q = 2, not 2.5: slope 5/6.
        {{10, 11, 12, 13}, 11.5f - 2 * 5.0f / 6 + 5.0f / 6, 11.5f - 2 * 5.0f / 6 + 4 * 5.0f / 6,
         static_cast<float>(std::sqrt(5.0 / 3))},
        // Flat: slope 0 and no spread.
        {{7, 7, 7}, 7, 7, 0},
        // Too short to fit: nothing.
        {{5}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const RegressionLine fit = FitRegression(c.closes);
        EXPECT_NEAR(fit.U, c.U, 1e-4) << c.closes.size();
        EXPECT_NEAR(fit.V, c.V, 1e-4) << c.closes.size();
        EXPECT_NEAR(fit.s, c.s, 1e-4) << c.closes.size();
    }
}

// Three periods in their colours and order, each ending at the last bar's
// centre and starting n - 1 bars to its left.
TEST_F(RegressionTrend, ScreenLines) {
    w.mainBoxes = {{62, "25"}, {63, "75"}};
    w.fields.RegressionPeriods[3] = 10;
    Prepare(DataFileBuilder(300), 150);
    DrawTrend(250, 700);
    ASSERT_EQ(Of(w.price, Kind::Line).size(), 15u);
    const int periods[] = {25, 75, 10};
    const Color colors[] = {QBColor(5), QBColor(8), QBColor(2)};
    for (std::size_t k = 0; k < 3; ++k) {
        const int n = periods[k];
        ExpectScreenLines(5 * k, FitOf(Closes(250, n)), 703 - 7.0 * (n - 1), 703, colors[k],
                          "period " + std::to_string(n));
    }
    EXPECT_EQ(w.mainBoxes[18], "10");
    EXPECT_TRUE(Of(w.printer, Kind::Line).empty());
}

// The periods: rounded box numbers; text, 0, 1, negatives and numbers past
// the Integer range leave the line out; weekly boxes; the monthly view's
// fixed 6 and 12; the quick bar's period only for the kind of data it was
// set for, and written back only by the active window.
TEST_F(RegressionTrend, Periods) {
    struct Case {
        const char* what;
        std::string box1;
        std::string box2;
        bool daily;
        bool monthly;
        std::int16_t quick;
        bool quickForThisKind;
        int active;
        std::vector<int> drawn;
        std::string text18;
    };
    const Case cases[] = {
        {"rounded halves to even", "12.5", "20.5", true, false, 0, true, 1, {12, 20}, ""},
        {"text and 0", "abc", "0", true, false, 7, true, 1, {7}, "7"},
        {"1, negative, huge", "1", "-5", true, false, 0, true, 1, {}, ""},
        {"past the Integer range", "40000", "30", true, false, 0, true, 1, {30}, ""},
        {"weekly boxes", "9", "13", false, false, 0, true, 1, {9, 13}, ""},
        {"monthly", "25", "75", true, true, 0, true, 1, {6, 12}, ""},
        {"quick bar of the other kind", "25", "", true, false, 8, false, 1, {25}, ""},
        {"background window", "", "", true, false, 8, true, 2, {8}, ""},
    };
    for (const Case& c : cases) {
        w.mainBoxes = {{62, c.daily ? c.box1 : "50"}, {63, c.daily ? c.box2 : "50"},
                       {64, c.daily ? "50" : c.box1}, {65, c.daily ? "50" : c.box2}};
        DataFileBuilder file(300);
        Prepare(file, 150, 903, c.daily);
        w.checks[8] = c.monthly ? 1 : 0;
        w.fields.RegressionPeriods[3] = c.quick;
        if (!c.quickForThisKind) w.fields.ParamsIsDaily = static_cast<std::int16_t>(-1 - w.fields.IsDaily);
        Program().windows.ActiveWindowNo = c.active;
        DrawTrend(250, 700);
        const std::vector<RecordedCall> lines = Of(w.price, Kind::Line);
        ASSERT_EQ(lines.size(), 5 * c.drawn.size()) << c.what;
        for (std::size_t k = 0; k < c.drawn.size(); ++k) {
            const int n = c.drawn[k];
            // The bars of this file have no monthly widths: in the monthly
            // view both ends stand at the x passed.
            const double x1 = c.monthly ? 700 : 703 - 7.0 * (n - 1);
            const double x2 = c.monthly ? 700 : 703;
            ExpectScreenLines(5 * k, FitOf(Closes(250, n)), x1, x2, lines[5 * k].color,
                              std::string(c.what) + " period " + std::to_string(n));
        }
        EXPECT_EQ(w.mainBoxes[18], c.text18) << c.what;
        EXPECT_EQ(w.fields.RegressionPeriods[3], c.quickForThisKind ? c.quick : 0) << c.what;
        w.mainBoxes.erase(18);
        w.checks[8] = 0;
    }
}

// A window must lie within the bars: a stock with fewer bars than the
// period up to the last drawn one draws no line for it (nothing read past
// the data), a window starting at the first bar is fitted, and a last
// record past the file's end draws nothing.
TEST_F(RegressionTrend, WindowsWithinTheData) {
    struct Case {
        const char* what;
        int bars;
        std::int64_t lastRecord;
        std::string box1;
        std::string box2;
        std::vector<int> drawn;
    };
    const Case cases[] = {
        {"default 75 on 40 bars", 40, 41, "25", "75", {25}},
        {"window from the first bar", 40, 41, "40", "41", {40}},
        {"last record past the file", 40, 60, "5", "10", {}},
    };
    for (const Case& c : cases) {
        w.mainBoxes = {{62, c.box1}, {63, c.box2}};
        Prepare(DataFileBuilder(c.bars), 2);
        const double lastX = 7.0 * (c.lastRecord - 2);
        DrawTrend(c.lastRecord, lastX);
        ASSERT_EQ(Of(w.price, Kind::Line).size(), 5 * c.drawn.size()) << c.what;
        for (std::size_t k = 0; k < c.drawn.size(); ++k) {
            const int n = c.drawn[k];
            ExpectScreenLines(5 * k, FitOf(Closes(c.lastRecord, n)), lastX + 3 - 7.0 * (n - 1), lastX + 3,
                              QBColor(k == 0 ? 5 : 8), c.what);
        }
    }
}

// Monthly candles of weekly data (14 or 28 units wide): the line runs from
// the centre of the window's first month to the centre of the last, the
// caller passing the right end of the last month.
TEST_F(RegressionTrend, MonthlyPositions) {
    DataFileBuilder months(40);
    for (int r = 2; r <= months.LastRecord(); ++r) months[r].RecordNo = static_cast<std::int16_t>(r % 3 == 0 ? 14 : 28);
    months.Seal();
    Prepare(months, 10);
    w.checks[8] = 1;
    const std::int64_t last = 30;
    const double lastX = 500;
    DrawTrend(last, lastX);
    ASSERT_EQ(Of(w.price, Kind::Line).size(), 10u);
    for (const int n : {6, 12}) {
        double widths = 0;
        for (std::int64_t r = last - n + 1; r <= last; ++r) widths += months[static_cast<int>(r)].RecordNo;
        const double x1 = lastX - widths + months[static_cast<int>(last - n + 1)].RecordNo / 2;
        const double x2 = lastX - months[static_cast<int>(last)].RecordNo / 2;
        ExpectScreenLines(n == 6 ? 0 : 5, FitOf(Closes(last, n)), x1, x2, QBColor(n == 6 ? 5 : 8),
                          "monthly " + std::to_string(n));
    }
}

// With the correction on, closes before the point in force are divided by
// its factor; the point is not moved on.
TEST_F(RegressionTrend, CorrectionInForce) {
    w.mainBoxes = {{62, "25"}, {63, "0"}};
    Prepare(DataFileBuilder(300), 150);
    Check("mnuHosei");
    w.fields.CorrectionRecord = 240;
    w.fields.CorrectionFactor = 2;
    w.fields.CorrectionFactors[0] = 2;
    close = [this](int r) { return bars[r].Close / (r < 240 ? 2.0 : 1.0); };
    DrawTrend(250, 700);
    ExpectScreenLines(0, FitOf(Closes(250, 25)), 703 - 7 * 24, 703, QBColor(5), "corrected");
    EXPECT_EQ(w.fields.CorrectionRecord, 240);
}

// On paper the lines keep within the price band: a line wholly beyond a
// level lies flat on it and is not printed, a line crossing a level is cut
// where it crosses, and a line through both levels is cut at both.
TEST_F(RegressionTrend, PrintedWithinTheBand) {
    DataFileBuilder steep(300);
    for (int r = 2; r <= steep.LastRecord(); ++r) {
        steep[r].Close = static_cast<float>(1000 + 10 * r);
        steep[r].Open = steep[r].Close;
    }
    steep.Seal();
    w.mainBoxes = {{62, "25"}, {63, "75"}};
    Prepare(steep, 150);
    ChartWindowState& f = w.fields;
    // A band that the 75-bar line crosses at both levels and the 25-bar
    // lines cross at the top.
    f.ClipLevelH = 3400;
    f.ClipLevelL = 2800;
    w.price.Scale(0, 3400, 903, 2800);
    SetPrinterPriceScale(f, w.price, w.printer);
    f.PrintingNow = -1;
    DrawTrend(250, 700);
    f.PrintingNow = 0;
    const std::vector<RecordedCall> paper = Of(w.printer, Kind::Line);
    ASSERT_FALSE(paper.empty());
    EXPECT_TRUE(w.price.Calls().empty());
    for (const RecordedCall& l : paper) {
        for (const double y : {l.y1, l.y2}) {
            EXPECT_GE(y, 2800) << Describe(l);
            EXPECT_LE(y, 3400) << Describe(l);
        }
        EXPECT_FALSE(l.y1 == l.y2 && (l.y1 == 3400 || l.y1 == 2800)) << Describe(l);
        EXPECT_LE(l.x1, l.x2) << Describe(l);
    }
    // The 25-bar fit of a straight rise runs from 3260 to 3500 with s about
    // 74: the +2s line lies wholly above the band and is left out; +s, the
    // line itself and -s cross the upper level; -2s stays inside.  The
    // 75-bar line itself crosses both levels.
    int period25 = 0;
    for (const RecordedCall& l : paper) period25 += l.color == QBColor(5) ? 1 : 0;
    EXPECT_EQ(period25, 4);
    const Fit fit = FitOf(Closes(250, 25));
    const RecordedCall& centre = paper[1];
    ASSERT_EQ(centre.color, QBColor(5));
    EXPECT_DOUBLE_EQ(centre.x1, 703 - 7 * 24);
    EXPECT_NEAR(centre.y1, fit.U, 0.01);
    EXPECT_EQ(centre.y2, 3400);
    const double crossing = 703 - 7 * 24 + (3400 - fit.U) / (fit.V - fit.U) * 7 * 24;
    EXPECT_NEAR(centre.x2, crossing, 0.51);
    // The 75-bar line itself, 2760 to 3500, is printed from the lower
    // level to the upper one.
    const RecordedCall& long75 = paper[period25 + 2];
    ASSERT_EQ(long75.color, QBColor(8));
    EXPECT_EQ(long75.y1, 2800);
    EXPECT_EQ(long75.y2, 3400);
    EXPECT_GT(long75.x1, 703 - 7 * 74);
    EXPECT_LT(long75.x2, 703);
}

}  // namespace
}  // namespace ranvik
