// The oscillators' numbers apart from the pane: RCI's ranks, the vector's
// centre and scale, OBV's labels, the MACD periods and clip level, the
// deviation frame's ladder, and the values of a range of 0.
#include <gtest/gtest.h>

#include <vector>

#include "chart/panes/oscillator_math.h"

namespace ranvik {
namespace {

ValueWindow WindowOf(std::vector<float> values) {
    values.insert(values.begin(), 0);
    return values;
}

TEST(OscillatorMath, RciRanksWithTies) {
    struct Case {
        std::vector<float> closes;  // oldest first
        float rci;
    };
    const Case cases[] = {
        {{5, 7, 7, 3}, -50},                     // ranks 3, 1, 1, 4
        {{1, 2, 3, 4, 5, 6}, 100},               // rising
        {{6, 5, 4, 3, 2, 1}, -100},              // falling
        {std::vector<float>(15, 100), -81.25f},  // all equal: rank 1 each
        {{3, 1, 2}, -50},
    };
    for (const Case& c : cases) {
        const int n = static_cast<int>(c.closes.size());
        EXPECT_NEAR(RciOf(WindowOf(c.closes), n), c.rci, 1e-4) << n;
    }
}

// The ranker carried along a window moving bar by bar gives what ranking
// each window afresh gives, ties and all.
TEST(OscillatorMath, RciRankerSlides) {
    std::vector<float> closes;
    for (int i = 0; i < 200; ++i) closes.push_back(static_cast<float>((i * 37) % 23 + (i / 50) * 5));
    for (int n : {2, 5, 15, 75}) {
        ValueWindow window(static_cast<std::size_t>(n) + 1);
        for (int i = 1; i <= n; ++i) window[static_cast<std::size_t>(i)] = closes[static_cast<std::size_t>(i - 1)];
        RciRanker ranker;
        ranker.Reset(window, n);
        EXPECT_NEAR(ranker.Value(window, n), RciOf(window, n), 1e-4);
        for (std::size_t next = static_cast<std::size_t>(n); next < closes.size(); ++next) {
            std::copy(window.begin() + 2, window.end(), window.begin() + 1);
            window[static_cast<std::size_t>(n)] = closes[next];
            ranker.Slide(window, n);
            ASSERT_NEAR(ranker.Value(window, n), RciOf(window, n), 1e-4) << n << " " << next;
        }
    }
}

TEST(OscillatorMath, VectorCentreAndFit) {
    EXPECT_EQ(VectorCentre(25), 13);
    EXPECT_EQ(VectorCentre(6), 4);  // 3.5 to the even 4
    EXPECT_EQ(VectorCentre(12), 6);  // 6.5 to the even 6
    EXPECT_EQ(VectorCentre(4), 2);   // 2.5 to the even 2
    // n = 4, m = 2: Sxx = 1 + 0 + 1 + 4 = 6; closes 10, 20, 30, 40 give a
    // mean of 25 and Sxy = 15 + 0 + 5 + 30 = 50.
    const ValueWindow w = WindowOf({10, 20, 30, 40});
    EXPECT_NEAR(VectorOf(w, 4, 100), 50.0 / 6 / 25 * 1000, 1e-3);
    // A mean of 0 leaves nothing to measure the slope against.
    EXPECT_EQ(VectorOf(WindowOf({-5, 5, -5, 5}), 4, 0), 0);
}

TEST(OscillatorMath, VectorScale) {
    struct Case {
        double high, low;
        bool monthly, daily;
        int s;
    };
    const Case cases[] = {
        {1000, 880, false, true, 3},   // 12 % over 4
        {1000, 880, false, false, 6},  // over 2 weekly
        {1000, 880, true, true, 12},   // over 1 monthly
        {1000, 990, false, true, 1},   // 0 becomes 1
        {0, 0, false, true, 1},        // no price shown
        {-5, -10, false, true, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(VectorScale(c.high, c.low, c.monthly, c.daily), c.s) << c.high << " " << c.low;
}

TEST(OscillatorMath, ObvLabels) {
    struct Case {
        double largest;
        int unit;
        const char* at4;
        const char* at8;
    };
    const Case cases[] = {
        {23456789, 1000, "9,000", "18,000"},
        {9000000, 1, "3,600,000", "7,200,000"},
        {5000, 1, "2,000", "4,000"},
    };
    for (const Case& c : cases) {
        const ObvScale s = ObvScaleOf(c.largest);
        EXPECT_EQ(s.unit, c.unit);
        EXPECT_EQ(ObvLabel(s, 4), c.at4);
        EXPECT_EQ(ObvLabel(s, -4), c.at4);
        EXPECT_EQ(ObvLabel(s, 8), c.at8);
        EXPECT_EQ(ObvLabel(s, 0), "");
    }
}

TEST(OscillatorMath, RangeOfZeroAndRsiWithoutChange) {
    EXPECT_EQ(RangePercent(0, 0), 50);
    EXPECT_EQ(RangePercent(3, 4), 75);
    EXPECT_EQ(RsiOf(0, 0), 0);
    EXPECT_EQ(RsiOf(3, 1), 75);
    // The stochastics rings start as three copies: %D equals %K and SLOW %D
    // equals %D; a suspended range leaves them in the middle.
    StochasticRings rings;
    rings.Start(20, 5);
    EXPECT_EQ(rings.PercentD(), 25);
    EXPECT_EQ(rings.SlowD(), 25);
    rings.Step(0, 0);
    EXPECT_NEAR(rings.PercentD(), 100.0 * 10 / 40, 1e-5);
    rings.Step(0, 0);
    rings.Step(0, 0);
    EXPECT_EQ(rings.PercentD(), 50);
}

TEST(OscillatorMath, SmoothedAverageIsNotRecursive) {
    // The mean of the three closes before t, moved half the way to t's.
    const ValueWindow w = WindowOf({10, 20, 30, 100});
    EXPECT_NEAR(SmoothedAverage(w, 3, 4), 20 + (100 - 20) * 2.0 / 4, 1e-5);
}

TEST(OscillatorMath, MacdPeriods) {
    struct Case {
        MacdPeriods p;
        bool valid;
    };
    const Case cases[] = {
        {{12, 26, 9}, true},   {{26, 26, 9}, true},   {{27, 26, 9}, false}, {{0, 26, 9}, false},
        {{12, 0, 9}, false},   {{12, 26, 0}, false},  {{-1, 26, 9}, false}, {{12, 32760, 9}, false},
        {{12, 32758, 9}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacdPeriodsValid(c.p), c.valid) << c.p.shortPeriod << "/" << c.p.longPeriod << "/" << c.p.signal;
    }
    EXPECT_NEAR(MacdClipLevelOf(1600, false, false), 200, 1e-4);
    EXPECT_NEAR(MacdClipLevelOf(1600, true, false), 320, 1e-4);
    EXPECT_NEAR(MacdClipLevelOf(1600, false, true), 400, 1e-4);
}

TEST(OscillatorMath, DeviationLadder) {
    struct Case {
        int ds;
        bool enlarged;
        int step;
        int lowest;  // the first level, a - DS
        double factor;
    };
    const Case cases[] = {
        {3, false, 2, -2, 1},   {5, false, 2, -4, 1},   {7, false, 2, -6, 1},    {12, false, 5, -10, 1},
        {18, false, 5, -15, 1}, {30, false, 10, -20, 1}, {6, true, 4, -4, 1.2},  {10, true, 4, -8, 1.2},
        {14, true, 4, -12, 1.2}, {24, true, 5, -20, 1}, {36, true, 10, -30, 1.2}, {60, true, 10, -50, 1.2},
    };
    for (const Case& c : cases) {
        const DeviationLadder l = DeviationLadderOf(c.ds, c.enlarged);
        EXPECT_EQ(l.step, c.step) << c.ds;
        EXPECT_EQ(l.offset - c.ds, c.lowest) << c.ds;
        EXPECT_EQ(l.offsetFactor, c.factor) << c.ds;
    }
}

}  // namespace
}  // namespace ranvik
