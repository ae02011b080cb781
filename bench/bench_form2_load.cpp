// The data maintenance window loading a stock data file of 32,000 bars into
// its record grid, oldest first and newest first: the first load into a
// window just opened, which should stay within 100 ms, and a reload.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>

#include <malloc.h>
#include <sys/resource.h>

#include "bench/bench_main.h"
#include "core/program_state.h"
#include "core/quote_record.h"
#include "maintenance/form2.h"
#include "platform/runtime/dates.h"
#include "platform/ui/flex_grid.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

constexpr int kBars = 32000;

// Consecutive days from 1960 on, with prices that wander and every field
// filled, as a long daily file holds them.
std::string FileBytes() {
    QuoteRecord header;
    header.RecordNo = kBars + 1;
    header.QuoteDate = "01/04/60";
    header.High = 0;
    header.Low = 1e9f;
    std::string bars;
    unsigned seed = 12345;
    float price = 1500;
    for (int i = 0; i < kBars; ++i) {
        seed = seed * 1103515245u + 12345u;
        const float step = static_cast<float>((seed >> 16) % 41) - 20.0f;
        price = std::max(100.0f, price + step);
        QuoteRecord r;
        r.QuoteDate = FormatMmDdYy(AddDays(Date{1960, 1, 4}, i));
        r.Open = price;
        r.Close = price + 0.5f;
        r.High = price + 12.25f;
        r.Low = price - 7.5f;
        r.Volume = static_cast<float>(100000 + (seed >> 8) % 900000);
        r.SellBalance = static_cast<float>((seed >> 4) % 50000);
        r.BuyBalance = static_cast<float>((seed >> 6) % 50000);
        header.High = std::max(header.High, r.High);
        header.Low = std::min(header.Low, r.Low);
        header.Volume = std::max(header.Volume, r.Volume);
        header.SellBalance = std::max(header.SellBalance, r.SellBalance);
        header.BuyBalance = std::max(header.BuyBalance, r.BuyBalance);
        bars += r.Encode();
    }
    return header.Encode() + bars;
}

// A data maintenance window as the menu opens it, with the file chosen.
std::unique_ptr<Form2> FreshWindow(const std::string& path) {
    auto window = std::make_unique<Form2>();
    window->resize(800, 600);
    window->Load();
    window->DataFilePath = path;
    return window;
}

struct Fixture {
    test::TempFolder dir;
    std::string path = dir.File("1301d.KDT");
    std::unique_ptr<Form2> window;
    Fixture() {
        test::WriteBytes(path, FileBytes());
        window = FreshWindow(path);
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

long PageFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt + usage.ru_majflt;
}

// The load the user waits for: the first into a window just opened.  Each
// iteration opens a window (untimed) and times its first load.  Pages the
// load touches for the first time cost far more than the work done in them
// on a loaded machine: `page_faults` counts them, a load's own.  The memory
// the previous iteration's window freed goes back to the system first
// (untimed), as a program that has not loaded a file yet has none of it at
// hand.
void BM_FirstLoad(benchmark::State& state) {
    const std::string& path = Shared().path;
    long faults = 0;
    for (auto _ : state) {
        malloc_trim(0);
        std::unique_ptr<Form2> window = FreshWindow(path);
        window->Item("mnu逆表示", 1).SetChecked(state.range(0) != 0);
        const long faultsBefore = PageFaults();
        const auto start = std::chrono::steady_clock::now();
        window->LoadStockFile(0);
        const auto done = std::chrono::steady_clock::now();
        faults += PageFaults() - faultsBefore;
        state.SetIterationTime(std::chrono::duration<double>(done - start).count());
        if (window->FGrid1->Rows() != kBars + 1) state.SkipWithError("the grid does not hold every bar");
    }
    state.counters["page_faults"] = benchmark::Counter(static_cast<double>(faults), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FirstLoad)->Arg(0)->Arg(1)->ArgName("newestFirst")->Unit(benchmark::kMillisecond)->UseManualTime();

// Loading the shown file again, as every edit does.
void BM_Reload(benchmark::State& state) {
    Form2& window = *Shared().window;
    window.Item("mnu逆表示", 1).SetChecked(state.range(0) != 0);
    window.LoadStockFile(0);
    for (auto _ : state) {
        window.LoadStockFile(0);
        benchmark::DoNotOptimize(window.FGrid1->Rows());
    }
    if (window.FGrid1->Rows() != kBars + 1) state.SkipWithError("the grid does not hold every bar");
}
BENCHMARK(BM_Reload)->Arg(0)->Arg(1)->ArgName("newestFirst")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    return ranvik::bench::RunBenchmarks(argc, argv, [] { ranvik::Shared().window.reset(); });
}
