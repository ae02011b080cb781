// The oscillators' lines against values worked out afresh for every bar from
// their formulas, over split-corrected bars with a suspended stretch and bars
// without volume: on the pane and on paper.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "chart/panes/indicator_pane.h"
#include "chart/panes/oscillator_math.h"
#include "platform/runtime/values.h"
#include "tests/chart/panes/indicator_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::kFlatFirst;
using test::kFlatLast;

struct Segment {
    double x1, y1, x2, y2;
};

std::vector<Segment> LinesIn(const RecordingSurface& s, Color color) {
    std::vector<Segment> out;
    for (const RecordedCall& c : s.CallsOf(Kind::Line)) {
        if (c.color == color && c.x1 != c.x2) out.push_back({c.x1, c.y1, c.x2, c.y2});
    }
    return out;
}

std::vector<Segment> UprightsIn(const RecordingSurface& s, Color color) {
    std::vector<Segment> out;
    for (const RecordedCall& c : s.CallsOf(Kind::Line)) {
        if (c.color == color && c.x1 == c.x2) out.push_back({c.x1, c.y1, c.x2, c.y2});
    }
    return out;
}

void ExpectSegments(const std::vector<Segment>& got, const std::vector<Segment>& want, double tolerance,
                    const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].x1, want[i].x1, 1e-9) << i;
        EXPECT_NEAR(got[i].x2, want[i].x2, 1e-9) << i;
        EXPECT_NEAR(got[i].y1, want[i].y1, tolerance) << i;
        EXPECT_NEAR(got[i].y2, want[i].y2, tolerance) << i;
    }
}

// The values afresh, from the bars as shown.
class Fresh {
public:
    explicit Fresh(DataFileBuilder bars) : bars_(std::move(bars)) {}
    double C(int r) { return bars_[r].Close; }
    double H(int r) { return bars_[r].High; }
    double L(int r) { return bars_[r].Low; }
    double V(int r) { return bars_[r].Volume; }

    double Rsi(int r, int n) {
        double up = 0;
        double down = 0;
        for (int j = r - n + 2; j <= r; ++j) {
            const double c = C(j) - C(j - 1);
            if (c > 0) up += c;
            if (c < 0) down -= c;
        }
        return up + down != 0 ? 100 * up / (up + down) : 0;
    }
    double Highest(int r, int n) {
        double h = H(r);
        for (int j = r - n + 1; j <= r; ++j) h = std::max(h, H(j));
        return h;
    }
    double Lowest(int r, int n) {
        double l = L(r);
        for (int j = r - n + 1; j <= r; ++j) l = std::min(l, L(j));
        return l;
    }
    static double Ratio(double a, double b) { return b != 0 ? 100 * a / b : 50; }
    double K(int r, int n) { return Ratio(C(r) - Lowest(r, n), Highest(r, n) - Lowest(r, n)); }
    double PercentR(int r, int n) { return Ratio(Highest(r, n) - C(r), Highest(r, n) - Lowest(r, n)); }
    // %D over three bars, the first value standing for the bars before it.
    double D(int r, int n, int first) {
        double num = 0;
        double range = 0;
        for (int j = r - 2; j <= r; ++j) {
            const int b = std::max(j, first);
            num += C(b) - Lowest(b, n);
            range += Highest(b, n) - Lowest(b, n);
        }
        return Ratio(num, range);
    }
    double SlowD(int r, int n, int first) {
        return (D(std::max(r - 2, first), n, first) + D(std::max(r - 1, first), n, first) + D(r, n, first)) / 3;
    }
    double E(int p, int b) {
        double a = 0;
        for (int j = b - p; j < b; ++j) a += C(j);
        a /= p;
        return a + (C(b) - a) * 2 / (p + 1);
    }
    double Macd(int b, int s, int l) { return E(s, b) - E(l, b); }
    double Signal(int b, int s, int l, int g) {
        double sum = 0;
        for (int j = b - g + 1; j <= b; ++j) sum += Macd(j, s, l);
        return sum / g;
    }
    // Ranks by the rule: the highest close first, a group of equal closes
    // sharing the smallest rank of the group.
    double Rci(int r, int n) {
        std::vector<double> work(static_cast<std::size_t>(n) + 1);
        std::vector<int> rank(static_cast<std::size_t>(n) + 1);
        for (int i = 1; i <= n; ++i) work[static_cast<std::size_t>(i)] = C(r - n + i);
        int next = 1;
        while (next <= n) {
            double top = -1;
            for (int i = 1; i <= n; ++i) top = std::max(top, work[static_cast<std::size_t>(i)]);
            int count = 0;
            for (int i = 1; i <= n; ++i) {
                if (work[static_cast<std::size_t>(i)] == top) {
                    work[static_cast<std::size_t>(i)] = -2;
                    rank[static_cast<std::size_t>(i)] = next;
                    ++count;
                }
            }
            next += count;
        }
        double d = 0;
        for (int i = 1; i <= n; ++i) d += std::pow(n + 1 - i - rank[static_cast<std::size_t>(i)], 2);
        return 100 * (1 - 6 * d / (n * (n * n - 1.0)));
    }
    double Vector(int r, int n) {
        double mean = 0;
        for (int i = 1; i <= n; ++i) mean += C(r - n + i);
        mean /= n;
        const double m = RoundHalfEven((n + 1) / 2.0);
        double sxy = 0;
        double sxx = 0;
        for (int i = 1; i <= n; ++i) {
            sxy += (C(r - n + i) - mean) * (i - m);
            sxx += (i - m) * (i - m);
        }
        return sxy / sxx / mean * 1000;
    }
    // OBV from 0 at `start`.
    double Obv(int r, int start) {
        double obv = 0;
        for (int j = start + 1; j <= r; ++j) {
            if (C(j) > C(j - 1)) obv += V(j);
            if (C(j) < C(j - 1)) obv -= V(j);
        }
        return obv;
    }

private:
    DataFileBuilder bars_;
};

// Paper leaves out a segment between two equal values; values that agree
// only to single precision are left out of the comparison on both sides.
std::vector<Segment> Moving(const std::vector<Segment>& segments, double tolerance) {
    std::vector<Segment> out;
    for (const Segment& s : segments) {
        if (std::abs(s.y2 - s.y1) > tolerance) out.push_back(s);
    }
    return out;
}

double X(int r, int first) { return 7.0 * (r - first) + 3; }

// Segments from the last warm-up bar to the end of the file, each from the
// value of the bar before; `drawn` leaves a segment out, the next one then
// starting from the last value drawn.
std::vector<Segment> Expected(int first, int last, const std::function<double(int)>& value,
                              const std::function<bool(int)>& drawn = nullptr) {
    std::vector<Segment> out;
    double previous = value(first - 1);
    for (int r = first; r <= last; ++r) {
        const double v = value(r);
        if (drawn && !drawn(r)) continue;
        out.push_back({X(r - 1, first), previous, X(r, first), v});
        previous = v;
    }
    return out;
}

class OscillatorLines : public test::IndicatorPaneTest {
protected:
    void SetUp() override {
        IndicatorPaneTest::SetUp();
        shown_ = test::ShownBars();
        last_ = shown_.LastRecord();
    }
    // Draws the corrected chart with `item` at period n, on screen or paper.
    void Draw(const std::string& item, int n, bool paper = false, bool inverted = false) {
        Choose(item);
        w.fields.InvertedChart = inverted ? -1 : 0;
        DrawCorrectedChart(shown_, kFirst);
        w.fields.OscPeriodDaily = static_cast<std::int16_t>(n);
        // As the window's own routines call the pane.
        if (paper) {
            StartPrinting();
            w.prtgcv(file1);
        } else {
            w.gcv(file1);
        }
    }
    RecordingSurface& Target(bool paper) { return paper ? w.printer : w.indicator; }

    static constexpr int kFirst = 20;
    DataFileBuilder shown_{1};
    int last_ = 0;
    double gridStep_ = 0;
};

TEST_F(OscillatorLines, RsiAgainstTheLastChanges) {
    Fresh fresh(shown_);
    for (bool paper : {false, true}) {
        for (bool inverted : {false, true}) {
            const int n = 9;
            Draw("mnuRSI", n, paper, inverted);
            const bool flip = paper && !inverted;
            const Color color = paper ? QBColor(13) : QBColor(8);
            ExpectSegments(LinesIn(Target(paper), color),
                           Expected(kFirst, last_, [&](int r) {
                               const double v = fresh.Rsi(r, n);
                               return flip ? 100 - v : v;
                           }),
                           1e-3, paper ? "paper" : "screen");
        }
    }
}

// Stochastics over a suspended stretch: %K, %D and SLOW %D from fresh
// extremes, 50 where the range is 0.
TEST_F(OscillatorLines, StochasticsFromFreshExtremes) {
    Fresh fresh(shown_);
    const int n = 6;
    const int s0 = kFirst - 1;
    for (bool paper : {false, true}) {
        Draw("mnuストキャス", n, paper);
        auto shown = [&](double v) { return paper ? 100 - v : v; };
        RecordingSurface& s = Target(paper);
        ExpectSegments(LinesIn(s, paper ? QBColor(8) : QBColor(3)),
                       Expected(kFirst, last_, [&](int r) { return shown(fresh.K(r, n)); }), 1e-3, "%K");
        ExpectSegments(LinesIn(s, paper ? QBColor(1) : QBColor(8)),
                       Expected(kFirst, last_, [&](int r) { return shown(fresh.D(r, n, s0)); }), 1e-3, "%D");
        ExpectSegments(LinesIn(s, QBColor(13)),
                       Expected(kFirst, last_, [&](int r) { return shown(fresh.SlowD(r, n, s0)); }), 1e-3,
                       "SLOW %D");
    }
    // Inside the suspended stretch every value is the middle.
    EXPECT_EQ(fresh.K(kFlatLast, n), 50);
}

TEST_F(OscillatorLines, PercentRFromFreshExtremes) {
    Fresh fresh(shown_);
    const int n = 5;
    for (bool paper : {false, true}) {
        Draw("mnuPerOscillator", n, paper);
        ExpectSegments(LinesIn(Target(paper), paper ? QBColor(13) : QBColor(8)),
                       Expected(kFirst, last_, [&](int r) {
                           const double v = fresh.PercentR(r, n);
                           return paper ? 100 - v : v;
                       }),
                       1e-3, paper ? "paper" : "screen");
    }
}

// Momentum's price line in fifths of five grid steps and its percent line,
// both drawn with a rise upward; on paper clamped, and segments only where
// the value changed.
TEST_F(OscillatorLines, MomentumPriceAndPercent) {
    Fresh fresh(shown_);
    const int n = 7;
    Draw("mnuモメンタム", n);
    // The grid step of the chart last drawn.
    const double& grid = gridStep_;
    gridStep_ = w.fields.PriceGridStep;
    ASSERT_GT(grid, 0);
    auto change = [&](int r) { return fresh.C(r) - fresh.C(r - n + 1); };
    ExpectSegments(LinesIn(w.indicator, QBColor(8)),
                   Expected(kFirst, last_, [&](int r) { return -change(r) * 100 / (grid * 5); }), 1e-3, "price");
    ExpectSegments(LinesIn(w.indicator, RGB(50, 150, 255)),
                   Expected(kFirst, last_, [&](int r) { return -200 * change(r) / fresh.C(r - n + 1); }), 1e-3,
                   "percent");

    for (bool inverted : {false, true}) {
        Draw("mnuモメンタム", n, true, inverted);
        gridStep_ = w.fields.PriceGridStep;
        const double sign = inverted ? -1 : 1;
        auto price = [&](int r) { return -std::clamp(change(r) * 100 / (grid * 5), -100.0, 100.0); };
        auto percent = [&](int r) { return 2 * std::clamp(-100 * change(r) / fresh.C(r - n + 1), -50.0, 50.0); };
        auto signedBy = [sign](const std::function<double(int)>& f) { return [f, sign](int r) { return sign * f(r); }; };
        ExpectSegments(Moving(LinesIn(w.printer, QBColor(13)), 1e-2),
                       Moving(Expected(kFirst, last_, signedBy(price)), 1e-2), 1e-3, "paper price");
        ExpectSegments(Moving(LinesIn(w.printer, QBColor(9)), 1e-2),
                       Moving(Expected(kFirst, last_, signedBy(percent)), 1e-2), 1e-3, "paper percent");
        // Each segment drawn changes the value.
        for (const Segment& seg : LinesIn(w.printer, QBColor(13))) EXPECT_NE(seg.y1, seg.y2);
    }
}

// A zero close as the oldest of the window: no percent segment there, the
// next one starting from the last value drawn.
TEST_F(OscillatorLines, MomentumSkipsAZeroOldestClose) {
    const int n = 4;
    const int zero = 40;
    shown_[zero].Close = 0;
    shown_.Seal();
    Fresh fresh(shown_);
    Draw("mnuモメンタム", n);
    auto percent = [&](int r) {
        const double oldest = fresh.C(r - n + 1);
        return oldest != 0 ? -200 * (fresh.C(r) - oldest) / oldest : 0;
    };
    ExpectSegments(LinesIn(w.indicator, RGB(50, 150, 255)),
                   Expected(kFirst, last_, percent, [&](int r) { return r - n + 1 != zero; }), 1e-3, "percent");
}

// MACD, signal and histogram from E(P, t) as written, 5/9/4.
TEST_F(OscillatorLines, MacdFromSmoothedAverages) {
    Fresh fresh(shown_);
    const int s = 5;
    const int l = 9;
    const int g = 4;
    w.fields.MacdShortPeriod = s;
    w.fields.MacdLongPeriod = l;
    w.fields.MacdSignalPeriod = g;
    Draw("mnuMACD", 0);
    ASSERT_EQ(w.fields.MacdShortPeriod, s);
    auto macd = [&](int r) { return fresh.Macd(r, s, l); };
    auto signal = [&](int r) { return fresh.Signal(r, s, l, g); };
    ExpectSegments(LinesIn(w.indicator, QBColor(8)), Expected(kFirst, last_, macd), 2e-3, "MACD");
    ExpectSegments(LinesIn(w.indicator, RGB(0, 100, 255)), Expected(kFirst, last_, signal), 2e-3, "signal");
    std::vector<Segment> bars;
    for (int r = kFirst - 1; r <= last_; ++r) bars.push_back({X(r, kFirst), macd(r) - signal(r), X(r, kFirst), 0});
    ExpectSegments(UprightsIn(w.indicator, QBColor(13)), bars, 2e-3, "histogram");
}

// On paper: scaled by 102 / MacdClipLevel with the sign of a normal chart,
// the first histogram bar in red at the pass's start, segments cut at the
// level.
TEST_F(OscillatorLines, MacdOnPaper) {
    Fresh fresh(shown_);
    const int s = 5;
    const int l = 9;
    const int g = 4;
    w.fields.MacdShortPeriod = s;
    w.fields.MacdLongPeriod = l;
    w.fields.MacdSignalPeriod = g;
    Draw("mnuMACD", 0, true);
    const double level = w.fields.MacdClipLevel;
    ASSERT_NEAR(level, w.fields.PriceSpan / 8, 1e-3);
    const double f = -102 / level;
    auto macd = [&](int r) { return fresh.Macd(r, s, l); };
    auto signal = [&](int r) { return fresh.Signal(r, s, l, g); };
    // Every value of this file lies inside the band, so nothing is cut.
    for (int r = kFirst - 1; r <= last_; ++r) ASSERT_LT(std::abs(macd(r)), level);
    std::vector<Segment> bars{{X(kFirst - 1, kFirst), f * (macd(kFirst - 1) - signal(kFirst - 1)), X(kFirst - 1, kFirst), 0}};
    for (int r = kFirst; r <= last_; ++r) bars.push_back({X(r, kFirst), f * (macd(r) - signal(r)), X(r, kFirst), 0});
    ExpectSegments(UprightsIn(w.printer, QBColor(12)), bars, 2e-2, "histogram");
    ExpectSegments(Moving(LinesIn(w.printer, QBColor(13)), 0.1),
                   Moving(Expected(kFirst, last_, [&](int r) { return f * macd(r); }), 0.1), 2e-2, "MACD");
    ExpectSegments(Moving(LinesIn(w.printer, QBColor(9)), 0.1),
                   Moving(Expected(kFirst, last_, [&](int r) { return f * signal(r); }), 0.1), 2e-2, "signal");
    for (const Segment& seg : LinesIn(w.printer, QBColor(13))) EXPECT_NE(seg.y1, seg.y2);
    EXPECT_NEAR(w.printer.ScaleHeight(), w.fields.SavedScaleHeight, 1e-9);
    EXPECT_EQ(w.fields.PrintingNow, 0);
}

TEST_F(OscillatorLines, RciByPlainRanks) {
    Fresh fresh(shown_);
    const int n = 8;
    for (bool paper : {false, true}) {
        Draw("mnuRCI", n, paper);
        ExpectSegments(LinesIn(Target(paper), paper ? QBColor(13) : QBColor(8)),
                       Expected(kFirst, last_, [&](int r) { return (paper ? -1 : 1) * fresh.Rci(r, n); }), 1e-3,
                       paper ? "paper" : "screen");
    }
    // The suspended stretch: every close equal, every price rank 1.
    EXPECT_NEAR(fresh.Rci(kFlatLast, n), 100.0 * (2 - n) / (n + 1), 1e-9);
}

TEST_F(OscillatorLines, VectorByAFreshFit) {
    Fresh fresh(shown_);
    for (int n : {6, 7}) {
        Draw("mnuVector", n);
        ExpectSegments(LinesIn(w.indicator, QBColor(8)), Expected(kFirst, last_, [&](int r) { return fresh.Vector(r, n); }),
                       1e-3, "screen");
    }
    // On paper: limited to S + S/3, turned over, 80 units to S, and no
    // segment between equal values.
    const int n = 6;
    Draw("mnuVector", n, true);
    const double s = VectorScale(w.fields.ViewHigh, w.fields.ViewLow, false, true);
    auto paper = [&](int r) { return -std::clamp(fresh.Vector(r, n), -(s + s / 3), s + s / 3) * 80 / s; };
    ExpectSegments(Moving(LinesIn(w.printer, QBColor(13)), 1e-2), Moving(Expected(kFirst, last_, paper), 1e-2), 1e-2,
                   "paper");
    for (const Segment& seg : LinesIn(w.printer, QBColor(13))) EXPECT_NE(seg.y1, seg.y2);
}

// OBV from 0 at the warm-up's first bar; no segment where the window's oldest
// volume is 0.
TEST_F(OscillatorLines, ObvFromItsStartRecord) {
    Fresh fresh(shown_);
    const int n = 5;
    const int start = kFirst - n;
    auto drawn = [&](int r) { return fresh.V(r - n + 1) != 0; };
    Draw("mnuOBV", n);
    ExpectSegments(LinesIn(w.indicator, QBColor(8)), Expected(kFirst, last_, [&](int r) { return fresh.Obv(r, start); }, drawn),
                   1e-6, "screen");
    double largest = 0;
    for (int r = start; r <= last_; ++r) largest = std::max(largest, std::abs(fresh.Obv(r, start)));
    EXPECT_NEAR(w.indicator.ScaleTop(), largest, 1e-6);
    Draw("mnuOBV", n, true);
    ExpectSegments(LinesIn(w.printer, QBColor(13)),
                   Expected(kFirst, last_, [&](int r) { return -100 * fresh.Obv(r, start) / largest; }, drawn), 1e-4,
                   "paper");
}

}  // namespace
}  // namespace ranvik

namespace ranvik {
namespace {

// On a narrow printed band the MACD and signal lines are cut at the level
// (102 units), segments wholly beyond it left out, the histogram not cut.
TEST_F(OscillatorLines, MacdCutAtTheBandsLevel) {
    Choose("mnuMACD");
    DrawCorrectedChart(shown_, kFirst);
    w.fields.MacdShortPeriod = 5;
    w.fields.MacdLongPeriod = 9;
    w.fields.MacdSignalPeriod = 4;
    w.fields.PriceSpan = 16;  // a level of 2 price units
    StartPrinting();
    PrintIndicatorBand(w, file1);
    ASSERT_NEAR(w.fields.MacdClipLevel, 2, 1e-6);
    bool crossing = false;
    bool acrossUp = false;
    bool acrossDown = false;
    for (Color color : {QBColor(13), QBColor(9)}) {
        const std::vector<Segment> lines = LinesIn(w.printer, color);
        EXPECT_FALSE(lines.empty());
        EXPECT_LT(lines.size(), static_cast<std::size_t>(last_ - kFirst + 1));
        for (const Segment& s : lines) {
            EXPECT_LE(std::abs(s.y1), 102 + 1e-3);
            EXPECT_LE(std::abs(s.y2), 102 + 1e-3);
            // A segment across the whole band: cut at both levels.
            if (std::abs(s.y1 - 102) < 1e-3 && std::abs(s.y2 + 102) < 1e-3) acrossDown = true;
            if (std::abs(s.y1 + 102) < 1e-3 && std::abs(s.y2 - 102) < 1e-3) acrossUp = true;
            if (std::abs(std::abs(s.y2) - 102) < 1e-3 && s.x2 < s.x1 + 7) crossing = true;
        }
    }
    EXPECT_TRUE(crossing);
    EXPECT_TRUE(acrossUp);
    EXPECT_TRUE(acrossDown);
    double tallest = 0;
    for (const Segment& s : UprightsIn(w.printer, QBColor(12))) tallest = std::max(tallest, std::abs(s.y1));
    EXPECT_GT(tallest, 102);
}

// Stochastics on an inverted printout: drawn as on the screen, unflipped.
TEST_F(OscillatorLines, StochasticsOnAnInvertedPrintout) {
    Fresh fresh(shown_);
    const int n = 6;
    Draw("mnuストキャス", n, true, true);
    ExpectSegments(LinesIn(w.printer, QBColor(8)), Expected(kFirst, last_, [&](int r) { return fresh.K(r, n); }),
                   1e-3, "%K");
}

}  // namespace
}  // namespace ranvik

namespace ranvik {
namespace {

// The line from the last warm-up bar (x = -4) to the first bar at or beyond
// the price pane's right edge; near the start of the file the warm-up is
// records 2 to n + 1 and the line starts inside the view.
TEST_F(OscillatorLines, WhereTheLineStartsAndEnds) {
    struct Case {
        int first;
        float viewWidth;
        double startX;
        double endX;
    };
    const Case cases[] = {
        {20, 203, -4, 206},           // ends at record 49, the first x past 203
        {5, 903, 7 * (10 - 5) + 3, 7 * (91 - 5) + 3},  // starts at record 10
    };
    const int n = 9;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        Choose("mnuモメンタム");
        DrawChart(shown_, c.first, c.viewWidth);
        w.fields.OscPeriodDaily = n;
        DrawIndicatorPane(w, file1);
        const std::vector<Segment> lines = LinesIn(w.indicator, QBColor(8));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front().x1, c.startX);
        EXPECT_EQ(lines.back().x2, c.endX);
        // Momentum opens the quick bar's period box.
        EXPECT_TRUE(w.mainBoxEnabled[3]);
    }
}

}  // namespace
}  // namespace ranvik
