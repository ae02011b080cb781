// BM_RedrawEveryLayer: RedrawChart of a 4,681-bar daily file in the full
// view, on a 1920 x 1080 screen (price pane, indicator pane and price-band
// pane, pixel ratio 1) and on recording surfaces of the same size.  The median of a screen
// redraw should fit in one 60 Hz frame (16 ms).
//
// The layers are named by the menu items that switch them on.  "heaviest"
// is the largest set the menus allow together (one overlay, one deviation
// rate, one oscillator, one volume indicator and every independent layer,
// the topics written down the pane from a list of three topics a year);
// then each exclusive overlay and each oscillator is timed alone.  Items of
// layers not built yet change nothing, so the same runs follow every drawer
// as it lands.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <string>

#include "bench/every_layer_chart.h"
#include "chart/drawing/redraw.h"

namespace ranvik {
namespace {

using bench::BenchHost;
using bench::Holder;
using bench::LayerSet;
using bench::LayerSets;

void RedrawEveryLayer(benchmark::State& state, bool screen, const LayerSet& layers) {
    if (!Holder()) Holder() = std::make_unique<bench::Chart>();
    BenchHost w(screen);
    w.fields.WindowNo = 1;
    for (const auto& [array, index] : layers.items) w.SetItem(array, index, true);
    if (layers.priceBandPane) w.checks[9] = 1;
    w.fields.DataFileName = Holder()->dir.File("1301d.KDT");
    ShowFullView(w);
    for (auto _ : state) {
        RedrawChart(w);
        w.Finish();
    }
    if (w.fields.ChartShown != 1) state.SkipWithError("the chart was not shown");
    for (const auto& [array, index] : layers.items) {
        if (array == "mnuTopicsDisp" && !w.Item(array, index).Checked()) {
            state.SkipWithError("the topics list was not found");
        }
    }
}

void RegisterAll() {
    for (const LayerSet& layers : LayerSets()) {
        for (bool screen : {true, false}) {
            const std::string name =
                std::string("BM_RedrawEveryLayer/") + (screen ? "screen/" : "recording/") + layers.name;
            benchmark::RegisterBenchmark(name.c_str(), [screen, layers](benchmark::State& state) {
                RedrawEveryLayer(state, screen, layers);
            })->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
        }
    }
}

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ranvik::RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ranvik::Holder().reset();
    return 0;
}
