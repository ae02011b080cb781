// How fast the stock data store takes bars: a whole history appended in
// date order to a new file, one bar older than all others inserted into
// a full-sized file (every stored bar moves), and a history merged in random
// order, where every merge scans back and moves about half the stored bars.
//
// The first two stand beside copies of the resulting file made in the same
// iterations (BesideCopy): each reports its time as a multiple of them.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <stdexcept>
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
std::vector<QuoteRecord> BarsInOrder(int count) {
    std::vector<QuoteRecord> bars;
    Date d{1960, 1, 4};
    for (int i = 0; i < count; ++i) {
        bars.push_back(BarOf(d, 100.0f + static_cast<float>(i % 50)));
        d = AddDays(d, 1);
    }
    return bars;
}

// The bars merged one by one into a new file, as a collection run merges
// the rows it has read.
void FillInOrder(const std::string& path, const std::vector<QuoteRecord>& bars) {
    CreateDataFile(path);
    RecordFile f(path, QuoteRecord::kLength);
    for (const QuoteRecord& bar : bars) {
        Program().store.QuoteBufB = bar;
        MergeQuoteRecord(f);
    }
    f.Close();
}

// A plain copy: the file read with one system call and written with one
// into a file that did not exist.
void CopyToNewFile(const std::string& from, const std::string& to) {
    const int in = ::open(from.c_str(), O_RDONLY);
    if (in < 0) throw std::runtime_error("cannot open " + from);
    std::string bytes(static_cast<std::size_t>(::lseek(in, 0, SEEK_END)), '\0');
    const bool read = ::pread(in, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size());
    ::close(in);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (!read || out < 0) throw std::runtime_error("cannot copy " + from);
    const bool written = ::write(out, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ::close(out);
    if (!written) throw std::runtime_error("cannot write " + to);
}

// Times the operation and, right after it in each iteration, two copies of
// the file it left, so that the machine's load falls on all alike:
// - copy_ms, x_copy: the yardstick, the in-process copy of the test kit
//   (the file read whole and written over the copy of the iteration
//   before), the copy that rewriting the file in this program would make;
// - rawcopy_ms, x_rawcopy: a stricter one, the plain copy to a new file
//   (the copy of the iteration before removed untimed).
class BesideCopy {
public:
    explicit BesideCopy(benchmark::State& state) : state_(state) {}
    ~BesideCopy() {
        const auto runs = static_cast<double>(std::max<std::int64_t>(runs_, 1));
        state_.counters["copy_ms"] = Ms(copy_) / runs;
        state_.counters["x_copy"] = copy_.count() == 0 ? 0 : Ms(operation_) / Ms(copy_);
        state_.counters["rawcopy_ms"] = Ms(rawCopy_) / runs;
        state_.counters["x_rawcopy"] = rawCopy_.count() == 0 ? 0 : Ms(operation_) / Ms(rawCopy_);
    }
    BesideCopy(const BesideCopy&) = delete;
    BesideCopy& operator=(const BesideCopy&) = delete;

    template <class Operation>
    void Run(Operation operation, const std::string& result, const std::string& folder) {
        const std::string copy = folder + "copy.KDT";
        const std::string rawCopy = folder + "rawcopy.KDT";
        const auto start = Clock::now();
        operation();
        const auto done = Clock::now();
        test::WriteBytes(copy, test::ReadBytes(result));
        const auto copied = Clock::now();
        ::unlink(rawCopy.c_str());
        const auto rawStart = Clock::now();
        CopyToNewFile(result, rawCopy);
        const auto rawDone = Clock::now();
        operation_ += done - start;
        copy_ += copied - done;
        rawCopy_ += rawDone - rawStart;
        ++runs_;
        state_.SetIterationTime(std::chrono::duration<double>(done - start).count());
    }

private:
    using Clock = std::chrono::steady_clock;
    static double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }
    benchmark::State& state_;
    Clock::duration operation_{};
    Clock::duration copy_{};
    Clock::duration rawCopy_{};
    std::int64_t runs_ = 0;
};

void BM_Append30000DailyBars(benchmark::State& state) {
    test::TempFolder dir;
    const std::string path = dir.File("1301d.KDT");
    const std::vector<QuoteRecord> bars = BarsInOrder(30000);
    BesideCopy yardstick(state);
    for (auto _ : state) yardstick.Run([&] { FillInOrder(path, bars); }, path, dir.Path());
}
BENCHMARK(BM_Append30000DailyBars)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_InsertOldestInto32000Bars(benchmark::State& state) {
    test::TempFolder dir;
    const std::string path = dir.File("1301d.KDT");
    const std::string pristine = dir.File("pristine.KDT");
    FillInOrder(pristine, BarsInOrder(32000));
    BesideCopy yardstick(state);
    for (auto _ : state) {
        test::WriteBytes(path, test::ReadBytes(pristine));
        yardstick.Run(
            [&] {
                RecordFile f(path, QuoteRecord::kLength);
                Program().store.QuoteBufB = BarOf({1960, 1, 1}, 99.0f);
                MergeQuoteRecord(f);
                f.Close();
            },
            path, dir.Path());
    }
}
BENCHMARK(BM_InsertOldestInto32000Bars)->Unit(benchmark::kMillisecond)->UseManualTime();

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
