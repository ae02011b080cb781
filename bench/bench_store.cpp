// How fast the stock data store takes bars: a whole history appended in
// date order to a new file, one bar older than all others inserted into
// a full-sized file (every stored bar moves), and a history merged in random
// order, where every merge scans back and moves about half the stored bars.
#include <benchmark/benchmark.h>

#include <random>
#include <utility>
#include <vector>

#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/dates.h"
#include "tests/support/test_support.h"

namespace {

using namespace ranvik;

QuoteRecord BarOf(const Date& d, float price) {
    QuoteRecord r;
    r.QuoteDate = FormatMmDdYy(d);
    r.Open = r.Close = price;
    r.High = price + 1;
    r.Low = price - 1;
    r.Volume = 1000;
    return r;
}

// Consecutive days from 1960 on; 30,000 of them reach into the 2040s, still
// inside the two-digit year window.
void FillInOrder(const std::string& path, int bars) {
    CreateDataFile(path);
    RecordFile f(path, QuoteRecord::kLength);
    Date d{1960, 1, 4};
    for (int i = 0; i < bars; ++i) {
        Program().store.QuoteBufB = BarOf(d, 100.0f + static_cast<float>(i % 50));
        MergeQuoteRecord(f);
        d = AddDays(d, 1);
    }
}

void BM_Append30000DailyBars(benchmark::State& state) {
    test::TempFolder dir;
    const std::string path = dir.File("1301d.KDT");
    for (auto _ : state) FillInOrder(path, 30000);
}
BENCHMARK(BM_Append30000DailyBars)->Unit(benchmark::kMillisecond);

void BM_InsertOldestInto32000Bars(benchmark::State& state) {
    test::TempFolder dir;
    const std::string path = dir.File("1301d.KDT");
    const std::string pristine = dir.File("pristine.KDT");
    FillInOrder(pristine, 32000);
    for (auto _ : state) {
        state.PauseTiming();
        test::WriteBytes(path, test::ReadBytes(pristine));
        state.ResumeTiming();
        RecordFile f(path, QuoteRecord::kLength);
        Program().store.QuoteBufB = BarOf({1960, 1, 1}, 99.0f);
        MergeQuoteRecord(f);
    }
}
BENCHMARK(BM_InsertOldestInto32000Bars)->Unit(benchmark::kMillisecond);

// 5,105 consecutive days from 2001, merged in a fixed random order: the
// shape of a history rebuilt from pages that arrive out of date order.
void BM_Merge5105BarsInRandomOrder(benchmark::State& state) {
    constexpr int kBars = 5105;
    std::vector<QuoteRecord> bars;
    Date d{2001, 1, 4};
    for (int i = 0; i < kBars; ++i) {
        bars.push_back(BarOf(d, 100.0f + static_cast<float>(i % 50)));
        d = AddDays(d, 1);
    }
    std::mt19937 random(20190813);
    for (std::size_t i = bars.size() - 1; i > 0; --i)
        std::swap(bars[i], bars[std::uniform_int_distribution<std::size_t>(0, i)(random)]);

    test::TempFolder dir;
    const std::string path = dir.File("1301d.KDT");
    for (auto _ : state) {
        CreateDataFile(path);
        RecordFile f(path, QuoteRecord::kLength);
        for (const auto& bar : bars) {
            Program().store.QuoteBufB = bar;
            MergeQuoteRecord(f);
        }
    }
}
BENCHMARK(BM_Merge5105BarsInRandomOrder)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
