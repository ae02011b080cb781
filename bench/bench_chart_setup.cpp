// What the chart set-up costs on the longest file a stock can have: 32,767
// records of daily bars.
//   BM_ShowChartOnePoint     ShowChart with one correction point: the
//                            points collected, the corrected range of the
//                            whole file, the view and the visible-range scan
//                            (should stay under 5 ms in the data-cut view)
//   BM_CorrectedCopyTwoPoints  the corrected copy of that file with two
//                            points, against BM_CopyFile, the same bytes
//                            copied by the file system (within 5 times)
// The copy is checked once against merging its bars one by one.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "bench/bench_main.h"
#include "chart/drawing/chart_setup.h"
#include "chart/drawing/split_correction.h"
#include "core/data_store.h"
#include "core/program_state.h"
#include "tests/chart/drawing/data_file_builder.h"
#include "tests/chart/drawing/test_chart_host.h"

namespace ranvik {
namespace {

constexpr int kBars = 32766;

struct LongFiles {
    LongFiles() {
        Program().app.AppDir = dir.Path();
        // A bar a day from 1960: the dates stay in order to the last one.
        test::DataFileBuilder one(kBars, test::Spacing::Days, {1960, 1, 1});
        one.Point(30000, "2 ").HeaderPoint(30000, "2 ");
        one.Write(dir.File("1301d.KDT"));
        test::DataFileBuilder two(kBars, test::Spacing::Days, {1960, 1, 1});
        two.Point(20000, "3 ").Point(30000, "2 ").HeaderPoint(30000, "2 ");
        two.Write(dir.File("1302d.KDT"));
        window.fields.WindowNo = 1;
    }
    test::TempFolder dir;
    test::TestChartHost window;
};

LongFiles& Files() { return bench::MadeOnce<LongFiles>(); }

// The view of a file this long: the newest bars in the data-cut view (0), or
// all but the first 4,680 in a view widened to fit the scroll range (1).
void BM_ShowChartOnePoint(benchmark::State& state) {
    LongFiles& files = Files();
    test::TestChartHost& w = files.window;
    w.SetItem("mnuGamen比", 5, state.range(0) == 0);
    for (auto _ : state) {
        w.fields.DataFileName = files.dir.File("1301d.KDT");
        w.fields.ViewWidth = w.fields.PartialViewWidth;
        ShowChart(w);
        w.price.ClearLog();
    }
    if (!w.Item("mnuHosei", 1).Checked() || w.fields.CorrectionFactors[0] != 1) {
        state.SkipWithError("the file was not shown with its correction point");
    }
    state.counters["bars shown"] = w.fields.ViewWidth / 7;
}
BENCHMARK(BM_ShowChartOnePoint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The bars of the two-point file divided as the copy must hold them, merged
// one at a time into a fresh file.
std::string MergedOneByOne(LongFiles& files) {
    const std::string path = files.dir.File("merged.KDT");
    CreateDataFile(path);
    RecordFile merged(path, QuoteRecord::kLength);
    RecordFile source(files.dir.File("1302d.KDT"), QuoteRecord::kLength, FileAccess::ReadOnly);
    for (int r = 2; r <= kBars + 1; ++r) {
        QuoteRecord bar = QuoteRecord::Decode(source.Read(r));
        const float c = r < 20000 ? 6.0f : r < 30000 ? 2.0f : 1.0f;
        if (c != 1) {
            bar.High /= c;
            bar.Low /= c;
            bar.Open /= c;
            bar.Close /= c;
            bar.Volume *= c;
            bar.BuyBalance *= c;
            bar.SellBalance *= c;
        }
        Program().store.QuoteBufB = bar;
        MergeQuoteRecord(merged);
    }
    merged.Close();
    return test::ReadBytes(path);
}

void BM_CorrectedCopyTwoPoints(benchmark::State& state) {
    LongFiles& files = Files();
    test::TestChartHost& w = files.window;
    w.fields.DataFileName = files.dir.File("1302d.KDT");
    ShowChart(w);
    w.price.ClearLog();
    if (w.fields.DataFileName != files.dir.File("Hosei1d.KDT") ||
        test::ReadBytes(w.fields.DataFileName) != MergedOneByOne(files)) {
        state.SkipWithError("the copy differs from merging its bars one by one");
        return;
    }
    for (auto _ : state) {
        w.fields.DataFileName = files.dir.File("1302d.KDT");
        ChartFile file1;
        file1.Open(w.fields.DataFileName);
        MakeCorrectedDataFile(w, file1);
    }
}
BENCHMARK(BM_CorrectedCopyTwoPoints)->Unit(benchmark::kMillisecond);

void BM_CopyFile(benchmark::State& state) {
    LongFiles& files = Files();
    for (auto _ : state) {
        std::filesystem::copy_file(files.dir.File("1302d.KDT"), files.dir.File("copied.KDT"),
                                   std::filesystem::copy_options::overwrite_existing);
    }
}
BENCHMARK(BM_CopyFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    return ranvik::bench::RunBenchmarks(argc, argv, [] { ranvik::bench::Held<ranvik::LongFiles>().reset(); });
}
