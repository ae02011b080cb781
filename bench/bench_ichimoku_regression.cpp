// BM_Ichimoku and BM_RegressionTrend: the Ichimoku overlay (cloud pass and
// line pass, as a draw runs them) and the regression trend alone over a
// 4,681-bar daily file in the full view, after the view and its price scale
// are set up, on a 1920 x 1080 screen (pixel ratio 1) and on recording
// surfaces of the same size.  The whole redraw must fit in one 60 Hz frame
// (16 ms), so each should take a small share of it.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_main.h"
#include "bench/screen_host.h"
#include "chart/drawing/chart_file.h"
#include "chart/drawing/ichimoku.h"
#include "chart/drawing/regression_trend.h"
#include "chart/drawing/redraw.h"
#include "core/program_state.h"
#include "tests/chart/drawing/data_file_builder.h"

namespace ranvik {
namespace {

constexpr int kBars = 4681;

class BenchHost : public bench::ScreenHost {
public:
    explicit BenchHost(bool screen) : ScreenHost(screen) { mainBoxes = {{58, "9"}, {59, "26"}, {62, "25"}, {63, "75"}}; }
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

enum class Layer { IchimokuCloud, IchimokuCloudOnly, Regression };

void Overlay(benchmark::State& state, bool screen, Layer layer) {
    if (!Holder()) Holder() = std::make_unique<Chart>();
    BenchHost w(screen);
    w.fields.WindowNo = 1;
    w.fields.DataFileName = Holder()->dir.File("1301d.KDT");
    ShowFullView(w);
    w.SetItem("mnu一目雲のみ", 1, layer == Layer::IchimokuCloudOnly);
    w.fields.RegressionPeriods[3] = 200;
    ChartFile file1;
    file1.Open(w.fields.DataFileName);
    std::int64_t lastRecord = w.fields.RecordCount;
    double lastX = 7.0 * (w.fields.RecordCount - w.fields.FirstRecord);
    for (auto _ : state) {
        if (layer == Layer::Regression) {
            DrawRegressionTrend(w, file1, lastRecord, lastX);
        } else {
            w.fields.IchimokuCloudPass = -1;
            DrawIchimoku(w, file1);
            if (layer == Layer::IchimokuCloud) {
                w.fields.IchimokuCloudPass = 0;
                DrawIchimoku(w, file1);
            }
        }
        w.Finish();
    }
    if (w.fields.ChartShown != 1) state.SkipWithError("the chart was not shown");
}

void RegisterAll() {
    const std::pair<const char*, Layer> layers[] = {{"BM_Ichimoku/cloud+lines", Layer::IchimokuCloud},
                                                    {"BM_Ichimoku/cloud-only", Layer::IchimokuCloudOnly},
                                                    {"BM_RegressionTrend/three-periods", Layer::Regression}};
    for (const auto& [label, layer] : layers) {
        for (bool screen : {true, false}) {
            const std::string name = std::string(label) + (screen ? "/screen" : "/recording");
            benchmark::RegisterBenchmark(name.c_str(), [screen, layer = layer](benchmark::State& state) {
                Overlay(state, screen, layer);
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
