// The volume area's numbers: the volume unit, the trading unit, the scale
// step and the four ratio indicators.
#include "chart/panes/volume_figures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ranvik {
namespace {

TEST(VolumeFigures, VolumeUnitSwitchesAboveOneHundredMillion) {
    EXPECT_EQ(VolumeUnitOf(0), 1);
    EXPECT_EQ(VolumeUnitOf(100000000), 1);  // equal stays 1
    EXPECT_EQ(VolumeUnitOf(150000000), 1000);
}

TEST(VolumeFigures, TradingUnitFromTheUnitText) {
    struct Case {
        std::string text;
        int unit;
    };
    const Case cases[] = {
        {"(100株)", 100},
        {"(1000株)", 1000},
        {"(1株)", 1},
        {"", 1000},          // no "株"
        {"(100)", 1000},
        {"(0株)", 1000},     // a unit of 0 would divide the step by nothing
        {"(-5株)", 1000},
        {"(株)", 1000},      // no number
        {"(単元株)", 1000},
        {"(99.6株)", 100},   // rounded
    };
    for (const Case& c : cases) EXPECT_EQ(TradingUnitOf(c.text), c.unit) << c.text;
}

TEST(VolumeFigures, ScaleStepIsWholeUnitsSquaredOrUnits) {
    struct Case {
        double m;
        int u;
        double step;
    };
    const Case cases[] = {
        {1000000, 100, 160000},  // 10,000 × (166,667 \ 10,000)
        {50000, 1000, 8000},     // U² gives 0: 1000 × (8,333 \ 1000)
        {3000, 1000, 1000},      // U gives 0 too: U itself
        {250000, 100, 40000},
        {6, 1, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(VolumeScaleStep(c.m, c.u), c.step) << c.m << " / " << c.u;
}

// Windows given as their up, down and even volumes (one bar each) and the
// number of rising bars among n.
TEST(VolumeFigures, RatiosOverAWindow) {
    auto window = [](float up, float down, float even, int risingOf25) {
        std::vector<RatioBar> bars;
        if (up != 0) bars.push_back({100, 110, up});
        if (down != 0) bars.push_back({110, 100, down});
        if (even != 0) bars.push_back({100, 100, even});
        for (int i = static_cast<int>(bars.size()); i < 25; ++i) {
            const bool rising = i < risingOf25;
            bars.push_back(rising ? RatioBar{1, 2, 0} : RatioBar{2, 1, 0});
        }
        return bars;
    };
    struct Case {
        const char* name;
        float up, down, even;
        double r1, r2, wako;
    };
    const Case cases[] = {
        {"mixed", 300, 100, 100, 350.0 / 150 * 100, 70, 20},
        {"only rising", 300, 0, 0, 600, 100, 100},
        {"only even", 0, 0, 400, 100, 50, -100},
        {"no volume", 0, 0, 0, 0, 0, 0},
        {"only falling", 0, 500, 0, 0, 0, -100},
    };
    for (const Case& c : cases) {
        const RatioSums s = SumsOf(window(c.up, c.down, c.even, 0));
        EXPECT_NEAR(RatioValue(VolumeRatioKind::Ratio1, s, 25), c.r1, 1e-9) << c.name;
        EXPECT_NEAR(RatioValue(VolumeRatioKind::Ratio2, s, 25), c.r2, 1e-9) << c.name;
        EXPECT_NEAR(RatioValue(VolumeRatioKind::Wako, s, 25), c.wako, 1e-9) << c.name;
    }
}

TEST(VolumeFigures, PsychologicalLineCountsBarsByTheirOwnOpenAndClose) {
    std::vector<RatioBar> bars;
    for (int i = 0; i < 13; ++i) bars.push_back({100, 101, 0});
    for (int i = 0; i < 6; ++i) bars.push_back({100, 100, 5});  // even: not rising
    for (int i = 0; i < 6; ++i) bars.push_back({101, 100, 5});
    const RatioSums s = SumsOf(bars);
    EXPECT_EQ(s.rising, 13);
    EXPECT_DOUBLE_EQ(RatioValue(VolumeRatioKind::Psychological, s, 25), 52);
}

}  // namespace
}  // namespace ranvik
