// BM_PricePane: the overlay pass alone (DrawPricePane) over a 4,681-bar daily
// file in the full view, after the view and its price scale are set up, on
// a 1920 x 1080 screen (price pane and indicator pane, pixel ratio 1) and on
// recording surfaces of the same size.  Each exclusive overlay in turn, with
// the extended panel's usual periods and a quick-bar period of 100 for the
// moving averages' fourth line; then the moving averages with each
// deviation rate.  The whole redraw must fit in one 60 Hz frame (16 ms), so
// this part should take a small share of it.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/bench_main.h"
#include "bench/screen_host.h"
#include "chart/drawing/chart_file.h"
#include "chart/drawing/price_pane.h"
#include "chart/drawing/redraw.h"
#include "core/program_state.h"
#include "tests/chart/drawing/data_file_builder.h"

namespace ranvik {
namespace {

constexpr int kBars = 4681;

class BenchHost : public bench::ScreenHost {
public:
    explicit BenchHost(bool screen) : ScreenHost(screen) {
        mainBoxes = {{20, "5"},  {21, "25"}, {22, "75"}, {66, "3"},  {79, "3"},
                     {68, "25"}, {36, "25"}, {37, "5"},  {39, "10"}, {54, "20"}};
    }
};

struct Chart {
    Chart() {
        Program().app.AppDir = dir.Path();
        test::DataFileBuilder(kBars).Write(dir.File("1301d.KDT"));
    }
    test::TempFolder dir;
};

std::unique_ptr<Chart>& Holder() {
    static std::unique_ptr<Chart> chart;
    return chart;
}

void PricePane(benchmark::State& state, bool screen, const std::vector<std::string>& items) {
    if (!Holder()) Holder() = std::make_unique<Chart>();
    BenchHost w(screen);
    w.fields.WindowNo = 1;
    w.fields.DataFileName = Holder()->dir.File("1301d.KDT");
    ShowFullView(w);
    for (const std::string& item : items) w.SetItem(item, 1, true);
    if (items.front() == "mnuIdouHeikin") w.fields.BandPeriod = 100;
    ChartFile file1;
    file1.Open(w.fields.DataFileName);
    for (auto _ : state) {
        DrawPricePane(w, file1);
        w.Finish();
    }
    if (w.fields.ChartShown != 1) state.SkipWithError("the chart was not shown");
}

void RegisterAll() {
    std::vector<std::vector<std::string>> sets;
    for (const char* overlay : {"mnuIdouHeikin", "mnuボリンジャ", "mnuEnvelope", "mnuHLband", "mnuBBdaikin",
                                "mnu陰陽足", "mnu3Days"}) {
        sets.push_back({overlay});
    }
    sets.push_back({"mnuIdouHeikin", "mnuKairiRitsu"});
    sets.push_back({"mnuIdouHeikin", "mnu2LineKairiRitsu"});
    sets.push_back({"mnuボリンジャ", "mnuKairiRitsu"});
    for (const auto& items : sets) {
        std::string label;
        for (const std::string& item : items) label += (label.empty() ? "" : "+") + item;
        for (bool screen : {true, false}) {
            const std::string name = std::string("BM_PricePane/") + (screen ? "screen/" : "recording/") + label;
            benchmark::RegisterBenchmark(name.c_str(), [screen, items](benchmark::State& state) {
                PricePane(state, screen, items);
            })->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
        }
    }
}

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    return ranvik::bench::RunBenchmarks(
        argc, argv, [] { ranvik::Holder().reset(); }, [](int&, char**) { ranvik::RegisterAll(); });
}
