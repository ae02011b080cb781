// Reading files far longer than the program writes them: every key of a
// settings file behind 330,000 foreign lines, and the monthly file of a
// 20,000-bar stock data file whose dates are out of order.  The tests check
// that both give the right answers; how long they take is measured here.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/bench_main.h"
#include "chart/drawing/chart_file.h"
#include "chart/drawing/monthly_file.h"
#include "chart/window/form3.h"
#include "core/program_state.h"
#include "core/settings_file.h"
#include "tests/chart/drawing/data_file_builder.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

void BM_SettingsEveryKeyOfALongFile(benchmark::State& state) {
    test::TempFolder dir;
    ResetProgramState();
    Program().app.AppDir = dir.Path();
    std::string bytes;
    for (int k = 0; k < 330000; ++k) bytes += "a\r\n";
    bytes += "Version=4.4.5\r\n";
    for (const SettingKey& key : SettingKeys()) {
        std::string value(key.designValue);
        value.resize(3, ' ');
        bytes += std::string(key.key) + "'" + value + "'\r\n";
    }
    test::WriteBytes(SettingsFilePath(), bytes);
    int found = 0;
    for (auto _ : state) {
        found = 0;
        for (const SettingKey& key : SettingKeys()) {
            ReadIniValue(key.key);
            found += Program().settings.IniValue == key.designValue;
        }
    }
    if (found != static_cast<int>(SettingKeys().size())) state.SkipWithError("a key was not found");
    state.counters["keys"] = found;
    ResetProgramState();
}
BENCHMARK(BM_SettingsEveryKeyOfALongFile)->Unit(benchmark::kMillisecond);

void BM_MonthlyFileOfOutOfOrderBars(benchmark::State& state) {
    test::TempFolder dir;
    ResetProgramState();
    Program().app.AppDir = dir.Path();
    test::DataFileBuilder large(20000);
    for (int r = 2; r <= 20001; ++r) {
        char date[16];
        std::snprintf(date, sizeof date, "%2d/%2d/%02d", (r * 7) % 12 + 1, (r * 13) % 28 + 1, (r * 31) % 100);
        large[r].QuoteDate = date;
    }
    large.Write(dir.File("1301d.KDT"));
    Form3 window;
    auto& f = window.Fields();
    f.WindowNo = 1;
    f.DataFileName = dir.File("1301d.KDT");
    f.RecordCount = large.Header().RecordNo;
    f.IsDaily = -1;
    for (auto _ : state) {
        f.MonthlyFileName.clear();
        ChartFile file1;
        file1.Open(f.DataFileName);
        MakeMonthlyFile(window, file1);
    }
    const std::string monthly = test::ReadBytes(dir.File(f.MonthlyFileName));
    if (monthly.size() < 1000 * QuoteRecord::kLength) state.SkipWithError("too few months");
    state.counters["months"] = static_cast<double>(monthly.size() / QuoteRecord::kLength);
    ResetProgramState();
}
BENCHMARK(BM_MonthlyFileOfOutOfOrderBars)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) { return ranvik::bench::RunBenchmarks(argc, argv); }
