// A full redraw of a long daily chart: 4,681 candles (volume box, wick, body)
// and four moving averages, on a 1920 x 1080 screen surface and on the
// recording surface.  The screen redraw should fit in one 60 Hz frame.
//
//   bench_surface [--png=<file>]   also writes the screen picture to a file
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>

#include "bench/surface_chart.h"
#include "platform/surface/recording_surface.h"
#include "platform/surface/screen_surface.h"

namespace ranvik {
namespace {

using bench::DrawChart;

void BM_ScreenSurface(benchmark::State& state) {
    ScreenSurface surface;
    surface.resize(1920, 1080);
    surface.SetPixelRatio(1);
    for (auto _ : state) {
        DrawChart(surface);
        benchmark::DoNotOptimize(surface.Image().constBits());  // the drawing finished
    }
}
BENCHMARK(BM_ScreenSurface)->Unit(benchmark::kMillisecond);

void BM_RecordingSurface(benchmark::State& state) {
    RecordingSurface surface(1920 * 15, 1080 * 15);
    for (auto _ : state) {
        surface.ClearLog();
        DrawChart(surface);
        benchmark::DoNotOptimize(surface.Calls().data());
    }
}
BENCHMARK(BM_RecordingSurface)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--png=", 6) == 0) {
            ranvik::ScreenSurface surface;
            surface.resize(1920, 1080);
            surface.SetPixelRatio(1);
            ranvik::DrawChart(surface);
            surface.SavePng(argv[i] + 6);
            argv[i--] = argv[--argc];
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
