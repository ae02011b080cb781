#pragma once
// The chart window of the redraw benchmarks: the test window's controls with
// screen panes of a 1920 x 1080 screen (price pane, indicator pane and
// price-band pane, pixel ratio 1) in place of the recording ones when asked,
// a 4,681-bar daily file and a topics list as dense as the delivered one.
// The layers are named by the menu items that switch them on.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/screen_host.h"
#include "core/program_state.h"
#include "tests/chart/drawing/data_file_builder.h"
#include "tests/chart/drawing/test_chart_host.h"

namespace ranvik::bench {

constexpr int kEveryLayerBars = 4681;

struct LayerSet {
    std::string name;
    std::vector<std::pair<std::string, int>> items;  // menu item array and index
    bool priceBandPane = false;
};

inline std::vector<LayerSet> LayerSets() {
    std::vector<LayerSet> sets;
    sets.push_back({"heaviest",
                    {{"mnuIdouHeikin", 1}, {"mnuKairiRitsu", 1}, {"mnuRCI", 1}, {"mnuDekiIdou", 1},
                     {"mnuDekidaka", 1}, {"mnuSinyouBB", 1}, {"mnuParabolic", 1}, {"mnuKagiAshi", 1},
                     {"mnu線形回帰", 1}, {"mnuTopicsDisp", 2}, {"mnuFuncExItem", 1}},
                    true});
    for (const char* overlay : {"mnuIdouHeikin", "mnu一目", "mnuボリンジャ", "mnuEnvelope", "mnuHLband",
                                "mnuBBdaikin", "mnu陰陽足", "mnu3Days", "mnuPibott"}) {
        sets.push_back({overlay, {{overlay, 1}}});
    }
    for (const char* oscillator : {"mnuRSI", "mnuストキャス", "mnuPerOscillator", "mnuモメンタム", "mnuMACD",
                                   "mnuRCI", "mnuVector", "mnuOBV", "mnuKairiRitsu"}) {
        sets.push_back({oscillator, {{oscillator, 1}}});
    }
    return sets;
}

// The chart window of the benchmark, with the price-band pane on the screen
// too when asked.
class BenchHost : public ScreenHost {
public:
    explicit BenchHost(bool screen) : ScreenHost(screen, {.band = true}) {}
};

struct Chart {
    Chart() {
        Program().app.AppDir = dir.Path();
        test::DataFileBuilder(kEveryLayerBars).Write(dir.File("1301d.KDT"));
        WriteDenseTopics(dir.File("チャートNEWS.etxt"));
    }
    test::TempFolder dir;
};

inline std::unique_ptr<Chart>& Holder() {
    static std::unique_ptr<Chart> chart;
    return chart;
}

// The largest set of layers the menus allow together.
inline const LayerSet& EveryLayer() {
    static const LayerSet heaviest = LayerSets().front();
    return heaviest;
}

}  // namespace ranvik::bench
