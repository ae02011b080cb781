// What a scroll step of a chart window costs over the redraw it triggers: a
// window showing the newest bars of a 32,767-record daily file (the
// data-cut view), its scroll bar stepped back and forth by one bar.  The
// stand-in candle drawer draws on the window's screen panes.  Compare the
// step with the redraw alone; the mapping is also timed by itself.
#include <benchmark/benchmark.h>

#include <QScrollBar>
#include <memory>

#include "bench/bench_main.h"
#include "chart/drawing/redraw.h"
#include "chart/window/form3.h"
#include "chart/window/scroll_mapping.h"
#include "core/program_state.h"
#include "platform/surface/screen_surface.h"
#include "tests/support/data_files.h"

namespace ranvik {
namespace {

struct LongChart {
    LongChart() {
        Program().app.AppDir = dir.Path();
        test::WriteDataFile(dir.File("1301d.KDT"), 32766);
        Program().windows.NewWindowNo = 1;
        window.resize(1400, 900);
        window.Load();
        window.Item("mnuGamen比", 5).SetChecked(true);
        window.Fields().DataFileName = dir.File("1301d.KDT");
        ShowPartialView(window);
    }
    test::TempFolder dir;
    Form3 window;
};

// Made on first use and gone before the application: a window must not
// outlive it.
LongChart& Chart() { return bench::MadeOnce<LongChart>(); }

void BM_RedrawAlone(benchmark::State& state) {
    Form3& w = Chart().window;
    for (auto _ : state) {
        RedrawChart(w);
        benchmark::DoNotOptimize(w.Picture1->Image().constBits());
    }
}
BENCHMARK(BM_RedrawAlone)->Unit(benchmark::kMicrosecond);

void BM_ScrollStepWithItsRedraw(benchmark::State& state) {
    Form3& w = Chart().window;
    const int max = w.HScroll1->maximum();
    int step = -7;
    for (auto _ : state) {
        w.HScroll1->setValue(w.HScroll1->value() + step);
        step = -step;
        benchmark::DoNotOptimize(w.Picture1->Image().constBits());
    }
    if (w.Fields().FirstRecord < 2 || w.HScroll1->value() > max) state.SkipWithError("the scroll bar left its range");
}
BENCHMARK(BM_ScrollStepWithItsRedraw)->Unit(benchmark::kMicrosecond);

void BM_ScrollMappingAlone(benchmark::State& state) {
    int value = 30000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FirstRecordForScroll(value, 32767, false, true));
        value ^= 7;
    }
}
BENCHMARK(BM_ScrollMappingAlone);

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    return ranvik::bench::RunBenchmarks(argc, argv, [] { ranvik::bench::Held<ranvik::LongChart>().reset(); });
}
