// BM_VolumePane: the volume-area indicators alone (DrawVolumePane) over a
// 4,681-bar daily file in the full view, after the candlestick chart has
// set up the view and the volume area, on a 1920 x 1080 screen (price pane
// and indicator pane, pixel ratio 1) and on recording surfaces of the same
// size: the three volume moving averages (5, 25 and a quick-bar period of
// 100), each ratio indicator with 25 bars, and the enlarged area's volume
// scale.  The whole redraw must fit in one 60 Hz frame (16 ms), so this part
// should take a small share of it.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_main.h"
#include "bench/screen_host.h"
#include "chart/drawing/chart_file.h"
#include "chart/drawing/redraw.h"
#include "chart/panes/volume_pane.h"
#include "chart/panes/volume_scale.h"
#include "core/program_state.h"
#include "tests/chart/drawing/data_file_builder.h"

namespace ranvik {
namespace {

constexpr int kBars = 4681;

class BenchHost : public bench::ScreenHost {
public:
    explicit BenchHost(bool screen) : ScreenHost(screen) { mainBoxes = {{32, "5"}, {33, "25"}, {56, "25"}}; }
};

struct Chart {
    Chart() {
        Program().app.AppDir = dir.Path();
        test::DataFileBuilder file(kBars);
        for (int r = 2; r <= kBars + 1; ++r) {
            file[r].Volume = static_cast<float>(20000 + (r * 7919) % 50000);
            if (r % 3 == 0) file[r].Close = file[r].Open - 5;
        }
        file.Seal().Write(dir.File("1301d.KDT"));
    }
    test::TempFolder dir;
};

std::unique_ptr<Chart>& Holder() {
    static std::unique_ptr<Chart> chart;
    return chart;
}

enum class Layer { Averages, Ratio1, Ratio2, Wako, Psychological, Scale };

void VolumePane(benchmark::State& state, bool screen, Layer layer) {
    if (!Holder()) Holder() = std::make_unique<Chart>();
    Program().windows.ActiveWindowNo = 1;
    BenchHost w(screen);
    w.fields.WindowNo = 1;
    w.fields.DataFileName = Holder()->dir.File("1301d.KDT");
    w.SetItem("mnuDekidaka", 1, true);
    if (layer == Layer::Scale) w.SetItem("mnuGamen比", 2, true);
    ShowFullView(w);
    switch (layer) {
        case Layer::Averages: w.SetItem("mnuDekiIdou", 1, true); break;
        case Layer::Ratio1: w.SetItem("mnuVolRate", 1, true); break;
        case Layer::Ratio2: w.SetItem("mnuVolRate", 2, true); break;
        case Layer::Wako: w.SetItem("mnuVolRate", 3, true); break;
        case Layer::Psychological: w.SetItem("mnuPSY", 1, true); break;
        case Layer::Scale: break;
    }
    if (layer == Layer::Averages) w.fields.VolumeIndicatorPeriod = 100;
    ChartFile file1;
    file1.Open(w.fields.DataFileName);
    for (auto _ : state) {
        if (layer == Layer::Scale) {
            double maximum = w.fields.MaxVolume;
            DrawVolumeScale(w, maximum, 1);
        } else {
            DrawVolumePane(w, file1);
        }
        w.Finish();
    }
    if (w.fields.ChartShown != 1) state.SkipWithError("the chart was not shown");
}

void RegisterAll() {
    const std::pair<Layer, const char*> layers[] = {{Layer::Averages, "averages"},
                                                    {Layer::Ratio1, "ratio1"},
                                                    {Layer::Ratio2, "ratio2"},
                                                    {Layer::Wako, "wako"},
                                                    {Layer::Psychological, "psychological"},
                                                    {Layer::Scale, "scale"}};
    for (const auto& [layer, label] : layers) {
        for (bool screen : {true, false}) {
            const std::string name =
                std::string("BM_VolumePane/") + (screen ? "screen/" : "recording/") + label;
            const Layer l = layer;
            benchmark::RegisterBenchmark(name.c_str(), [screen, l](benchmark::State& state) {
                VolumePane(state, screen, l);
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
