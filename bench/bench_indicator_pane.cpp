// BM_IndicatorPane: the indicator pane alone (DrawIndicatorPane) over a
// 4,681-bar daily file in the full view, after the candlestick chart has set
// up the view, on a 1920 x 1080 screen (price pane and indicator pane, pixel
// ratio 1) and on recording surfaces of the same size: each oscillator at its
// default period (RSI and RCI 15, the others 25, MACD 12/26/9), RCI also at
// 75 (its ranks cost n log n per bar), and each deviation rate, whose lines
// the price pane's pass draws, as that pass followed by the pane's frame.
// The whole redraw must fit in one 60 Hz frame (16 ms).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_main.h"
#include "bench/screen_host.h"
#include "chart/drawing/chart_file.h"
#include "chart/drawing/price_pane.h"
#include "chart/drawing/redraw.h"
#include "chart/panes/indicator_pane.h"
#include "core/program_state.h"
#include "tests/chart/drawing/data_file_builder.h"

namespace ranvik {
namespace {

constexpr int kBars = 4681;

class BenchHost : public bench::ScreenHost {
public:
    explicit BenchHost(bool screen) : ScreenHost(screen) {
        // The moving averages for the deviation rates; the oscillators'
        // boxes empty, so that each takes its default.
        mainBoxes = {{20, "5"}, {21, "25"}, {22, "75"}};
    }
};

struct Chart {
    Chart() {
        Program().app.AppDir = dir.Path();
        test::DataFileBuilder file(kBars);
        for (int r = 2; r <= kBars + 1; ++r) {
            file[r].Volume = static_cast<float>(20000 + (r * 7919) % 50000);
            file[r].Close = file[r].Open + static_cast<float>((r * 37) % 11) - 5;
        }
        file.Seal().Write(dir.File("1301d.KDT"));
    }
    test::TempFolder dir;
};

std::unique_ptr<Chart>& Holder() {
    static std::unique_ptr<Chart> chart;
    return chart;
}

struct Layer {
    const char* label;
    const char* item;
    int period;  // 0: the default
};

void IndicatorPane(benchmark::State& state, bool screen, const Layer& layer) {
    if (!Holder()) Holder() = std::make_unique<Chart>();
    Program().windows.ActiveWindowNo = 1;
    BenchHost w(screen);
    w.fields.WindowNo = 1;
    w.fields.DataFileName = Holder()->dir.File("1301d.KDT");
    ShowFullView(w);
    for (const char* item : {"mnuRSI", "mnuストキャス", "mnuPerOscillator", "mnuモメンタム", "mnuMACD", "mnuRCI",
                             "mnuVector", "mnuOBV", "mnuKairiRitsu", "mnu2LineKairiRitsu"}) {
        w.SetItem(item, 1, std::string(item) == layer.item);
    }
    const bool deviation = std::string(layer.item).find("Kairi") != std::string::npos;
    w.SetItem("mnuIdouHeikin", 1, deviation);
    w.fields.OscPeriodDaily = static_cast<std::int16_t>(layer.period);
    ChartFile file1;
    file1.Open(w.fields.DataFileName);
    for (auto _ : state) {
        if (deviation) DrawPricePane(w, file1);
        DrawIndicatorPane(w, file1);
        w.Finish();
    }
    if (w.fields.ChartShown != 1) state.SkipWithError("the chart was not shown");
}

void RegisterAll() {
    static const Layer layers[] = {
        {"rsi15", "mnuRSI", 0},           {"stochastics25", "mnuストキャス", 0},
        {"percentR25", "mnuPerOscillator", 0}, {"momentum25", "mnuモメンタム", 0},
        {"macd12-26-9", "mnuMACD", 0},    {"rci15", "mnuRCI", 0},
        {"rci75", "mnuRCI", 75},          {"vector25", "mnuVector", 0},
        {"obv25", "mnuOBV", 0},           {"deviation+pricepane", "mnuKairiRitsu", 0},
        {"twoLineDeviation+pricepane", "mnu2LineKairiRitsu", 0},
    };
    for (const Layer& layer : layers) {
        for (bool screen : {true, false}) {
            const std::string name =
                std::string("BM_IndicatorPane/") + (screen ? "screen/" : "recording/") + layer.label;
            benchmark::RegisterBenchmark(name.c_str(), [screen, &layer](benchmark::State& state) {
                IndicatorPane(state, screen, layer);
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
