// BM_PrintPage: the printed page of a 4,681-bar daily file in the full view
// (1920 x 820 price pane), every overlay on (volume bars, balances,
// parabolic, kagi, pivot, moving averages, regression, RSI band), drawn on
// the recording printer, and the same page written as an A4 PDF.
//
//   bench_print_page [--pdf=<path>]   also writes the page to <path>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/random_walk.h"
#include "chart/drawing/redraw.h"
#include "core/program_state.h"
#include "print/print_job.h"
#include "tests/chart/drawing/data_file_builder.h"
#include "tests/chart/drawing/test_chart_host.h"

namespace ranvik {
namespace {

constexpr int kBars = 4681;

class BenchHost : public test::TestChartHost {
public:
    BenchHost() : TestChartHost({.paneWidth = 1920 * 15, .priceHeight = 820 * 15, .indicatorHeight = 260 * 15}) {}
    Surface* PrintPage() override { return &paper->Page(); }
    Printer* paper = &recording;
    RecordingPrinter recording;
};

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

void SetUp(BenchHost& w) {
    if (!Holder()) Holder() = std::make_unique<Chart>();
    w.fields.WindowNo = 1;
    w.fields.StockTitle = "トヨタ自動車";
    for (const auto& [array, index] :
         {std::pair<const char*, int>{"mnuDekidaka", 1}, {"mnuSinyouBB", 1}, {"mnuParabolic", 1},
          {"mnuKagiAshi", 1}, {"mnuPibott", 1}, {"mnuIdouHeikin", 1}, {"mnu線形回帰", 1}, {"mnuRSI", 1},
          {"mnuFuncExItem", 3}}) {
        w.SetItem(array, index, true);
    }
    w.fields.ParabolicAF = 0.02f;
    w.fields.KagiPct = 3;
    w.fields.DataFileName = Holder()->dir.File("7203d.KDT");
    ShowFullView(w);
}

void PrintOnRecorder(benchmark::State& state) {
    BenchHost w;
    SetUp(w);
    for (auto _ : state) {
        w.recording.Recorder().ClearLog();
        if (PrintChart(w, w.recording, {}) != PrintOutcome::Printed) state.SkipWithError("not printed");
    }
}

void PrintToPdf(benchmark::State& state) {
    BenchHost w;
    SetUp(w);
    test::TempFolder out;
    for (auto _ : state) {
        std::unique_ptr<SystemPrinter> pdf = SystemPrinter::PdfInFolder(out.Path());
        w.paper = pdf.get();
        if (PrintChart(w, *pdf, {}) != PrintOutcome::Printed) state.SkipWithError("not printed");
        state.PauseTiming();
        for (const auto& f : pdf->WrittenFiles()) std::filesystem::remove(f);
        w.paper = &w.recording;
        state.ResumeTiming();
    }
}

BENCHMARK(PrintOnRecorder)->Name("BM_PrintPage/recording")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(PrintToPdf)->Name("BM_PrintPage/pdf")->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

void SavePdf(const std::string& path) {
    BenchHost w;
    SetUp(w);
    const std::filesystem::path target(path);
    std::unique_ptr<SystemPrinter> pdf =
        SystemPrinter::PdfInFolder(target.has_parent_path() ? target.parent_path().string() : ".");
    w.paper = pdf.get();
    PrintChart(w, *pdf, {});
    if (!pdf->WrittenFiles().empty()) std::filesystem::rename(pdf->WrittenFiles().front(), target);
}

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--pdf=", 6) == 0) {
            ranvik::SavePdf(argv[i] + 6);
            argv[i--] = argv[--argc];
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ranvik::Holder().reset();
    return 0;
}
