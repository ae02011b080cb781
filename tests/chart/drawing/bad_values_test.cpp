// Values no sane file holds (not finite, or far off every other price or
// volume) drawn as the candle chart with its overlays, oscillators, volume,
// price-band pane and yearly pane: every drawer returns and logs no more than
// a pane can show, and the price range of the view is taken from the values
// that can be placed.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "tests/chart/drawing/drawing_fixture.h"
#include "tests/support/hang_guard.h"

namespace ranvik {
namespace {

using test::DataFileBuilder;
using test::Spacing;

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

enum class Field { Close, High, Low, Volume, All };

struct ValueCase {
    const char* what;
    Field field;
    float value;
};
constexpr ValueCase kValues[] = {
    {"close +Inf", Field::Close, kInf},   {"close NaN", Field::Close, kNaN},     {"close 1e12", Field::Close, 1e12f},
    {"close 3e38", Field::Close, 3e38f},  {"high +Inf", Field::High, kInf},      {"low -Inf", Field::Low, -kInf},
    {"low -3e38", Field::Low, -3e38f},    {"volume +Inf", Field::Volume, kInf},  {"volume 3e38", Field::Volume, 3e38f},
    {"every value NaN", Field::All, kNaN},
};

void Set(QuoteRecord& r, Field field, float value) {
    switch (field) {
        case Field::Close: r.Close = value; break;
        case Field::High: r.High = value; break;
        case Field::Low: r.Low = value; break;
        case Field::Volume: r.Volume = value; break;
        case Field::All: r.Open = r.High = r.Low = r.Close = r.Volume = r.BuyBalance = r.SellBalance = value; break;
    }
}

using Items = std::vector<std::pair<std::string, int>>;

// The heaviest set the menus allow together, and each exclusive overlay
// with one oscillator.
std::vector<Items> LayerSets() {
    std::vector<Items> sets = {{{"mnuIdouHeikin", 1}, {"mnuKairiRitsu", 1}, {"mnuRCI", 1}, {"mnuDekiIdou", 1},
                                {"mnuDekidaka", 1}, {"mnuSinyouBB", 1}, {"mnuParabolic", 1}, {"mnuKagiAshi", 1},
                                {"mnu線形回帰", 1}, {"mnuFuncExItem", 1}}};
    const char* overlays[] = {"mnu一目", "mnuボリンジャ", "mnuEnvelope", "mnuHLband", "mnuBBdaikin",
                              "mnu陰陽足", "mnu3Days",    "mnuPibott",   "mnuIdouHeikin"};
    const char* oscillators[] = {"mnuRSI", "mnuストキャス", "mnuPerOscillator", "mnuモメンタム", "mnuMACD",
                                 "mnuVector", "mnuOBV",       "mnuKairiRitsu",    "mnuRCI"};
    for (std::size_t i = 0; i < std::size(overlays); ++i) sets.push_back({{overlays[i], 1}, {oscillators[i], 1}});
    return sets;
}

class CandleBadValues : public test::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        w.checks[7] = 1;  // the yearly pane
        w.checks[9] = 1;  // the price-band pane
    }
    void Use(const Items& items, bool on) {
        for (const auto& [array, index] : items) w.SetItem(array, index, on);
    }
};

TEST_F(CandleBadValues, EveryLayerReturnsWithinWhatThePanesShow) {
    for (const Items& items : LayerSets()) {
        Use(items, true);
        for (const bool monthly : {false, true}) {
            w.checks[8] = monthly ? 1 : 0;
            for (const ValueCase& v : kValues) {
                // 600 weekdays: the bad bar lies in the view of the newest bars.
                DataFileBuilder b(600, Spacing::Weekdays, {2019, 1, 7});
                Set(b[560], v.field, v.value);
                b.Seal();
                const std::string what = items.front().first + (monthly ? ", monthly, " : ", daily, ") + v.what;
                for (RecordingSurface* s : {&w.price, &w.indicator, &w.yearPane, &w.bandVolume}) s->ClearLog();
                {
                    test::HangGuard guard(what);
                    w.fields.ViewWidth = 0;
                    Show(b);
                }
                for (const RecordingSurface* s : {&w.price, &w.indicator, &w.yearPane, &w.bandVolume})
                    EXPECT_LT(s->Calls().size(), 60000u) << what;
            }
        }
        Use(items, false);
    }
}

// A bar whose high is infinite leaves the price scale of the view to the
// bars that can be placed: the same as when that bar's high is its close.
TEST_F(CandleBadValues, TheViewsRangeLeavesOutValuesThatAreNotFinite) {
    DataFileBuilder sane(600, Spacing::Weekdays, {2019, 1, 7});
    DataFileBuilder bad = sane;
    for (const Field field : {Field::High, Field::Low}) {
        DataFileBuilder expected = sane;
        Set(expected[560], field, expected[560].Close);
        expected.Seal();
        Set(bad[560], field, field == Field::High ? kInf : -kInf);
        bad.Seal();
        Show(expected);
        const double top = w.fields.PriceTop, bottom = w.fields.PriceBottom;
        Show(bad);
        EXPECT_EQ(w.fields.PriceTop, top);
        EXPECT_EQ(w.fields.PriceBottom, bottom);
        bad = sane;
    }
}

}  // namespace
}  // namespace ranvik
