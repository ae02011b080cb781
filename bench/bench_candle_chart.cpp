// BM_CandleChart: DrawCandleChart of a 4,681-bar daily file in the full
// view, on a 1920 x 1080 screen (price and indicator panes, pixel ratio 1)
// and on recording surfaces of the same size, with the layers of the
// candlestick pass on (volume bars, balances, parabolic, kagi, topics, date
// range, regression) and the other layers as they have landed.  Daily
// candles, and monthly candles from the monthly file of the last draw or
// rebuilt for every draw.
//
//   bench_candle_chart [--png=<prefix>]   also writes <prefix>daily.png and
//                                         <prefix>monthly.png (price pane)
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "bench/bench_main.h"
#include "bench/random_walk.h"
#include "bench/screen_host.h"
#include "chart/drawing/candle_chart.h"
#include "chart/drawing/redraw.h"
#include "core/program_state.h"
#include "tests/chart/drawing/data_file_builder.h"

namespace ranvik {
namespace {

constexpr int kBars = 4681;

using BenchHost = bench::ScreenHost;

// The random walk written into a program folder of its own.
struct Chart {
    Chart() {
        Program().app.AppDir = dir.Path();
        bench::RandomWalk(kBars).Write(dir.File("7203d.KDT"));
    }
    test::TempFolder dir;
};

std::unique_ptr<Chart>& Holder() {
    static std::unique_ptr<Chart> chart;
    return chart;
}

void SetUp(BenchHost& w, bool monthly) {
    if (!Holder()) Holder() = std::make_unique<Chart>();
    w.fields.WindowNo = 1;
    for (const auto& [array, index] : {std::pair<const char*, int>{"mnuDekidaka", 1}, {"mnuDekiIdou", 1},
                                       {"mnuSinyouBB", 1}, {"mnuParabolic", 1}, {"mnuKagiAshi", 1},
                                       {"mnuTopicsDisp", 1}, {"mnuFuncExItem", 1}, {"mnuIdouHeikin", 1},
                                       {"mnu線形回帰", 1}}) {
        w.SetItem(array, index, true);
    }
    w.fields.DataFileName = Holder()->dir.File("7203d.KDT");
    // Monthly candles of daily data take a view of their own width.
    w.checks[8] = monthly ? 1 : 0;
    ShowFullView(w);
}

enum class Kind { Daily, Monthly, MonthlyRebuilt };

void DrawCandles(benchmark::State& state, bool screen, Kind kind) {
    BenchHost w(screen);
    SetUp(w, kind != Kind::Daily);
    const std::string monthlyPath = Holder()->dir.File("Temp1m.KDT");
    for (auto _ : state) {
        if (kind == Kind::MonthlyRebuilt) {
            state.PauseTiming();
            std::remove(monthlyPath.c_str());
            w.fields.MonthlyFileName.clear();
            state.ResumeTiming();
        }
        ChartFile file1;
        file1.Open(w.fields.DataFileName);
        DrawCandleChart(w, file1);
        w.Finish();
    }
    if (w.fields.ChartShown != 1) state.SkipWithError("the chart was not shown");
}

void RegisterAll() {
    const std::pair<const char*, Kind> kinds[] = {
        {"daily", Kind::Daily}, {"monthly", Kind::Monthly}, {"monthly_rebuilt", Kind::MonthlyRebuilt}};
    for (const auto& [name, kind] : kinds) {
        for (bool screen : {true, false}) {
            const std::string full = std::string("BM_CandleChart/") + (screen ? "screen/" : "recording/") + name;
            const Kind k = kind;
            benchmark::RegisterBenchmark(full.c_str(), [screen, k](benchmark::State& state) {
                DrawCandles(state, screen, k);
            })->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
        }
    }
}

void SavePictures(const std::string& prefix) {
    for (bool monthly : {false, true}) {
        BenchHost w(true);
        SetUp(w, monthly);
        w.SavePng(prefix + (monthly ? "monthly.png" : "daily.png"));
    }
}

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    // The pictures are drawn once the application object exists, and their
    // option is taken off before the benchmark library reads the rest.
    return ranvik::bench::RunBenchmarks(
        argc, argv, [] { ranvik::Holder().reset(); },
        [](int& count, char** args) {
            for (int i = 1; i < count; ++i) {
                if (std::strncmp(args[i], "--png=", 6) == 0) {
                    ranvik::SavePictures(args[i] + 6);
                    args[i--] = args[--count];
                }
            }
            ranvik::RegisterAll();
        });
}
