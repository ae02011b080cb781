// The monthly file maker on a stock data file of any bytes and any length:
// a chart window showing the file by months, as a daily or a weekly file.
// The monthly file is the window's own; the data file is only read.
#include "chart/drawing/chart_setup.h"
#include "tests/chart/drawing/test_chart_host.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    const std::string_view bytes = fuzz::InputOf(data, size);
    const std::string path = fuzz::FileIn(size % 2 == 0 ? "1301d.KDT" : "1301w.KDT");
    fuzz::WriteFile(path, bytes);
    test::TestChartHost window;
    window.fields.WindowNo = 1;
    window.fields.StockSource = 1;
    window.fields.DataFileName = path;
    window.checks[8] = 1;
    ShowChart(window);
    fuzz::Check(fuzz::SameButMultipliers(fuzz::ReadFile(path), bytes),
                "the chart window changes nothing of its data file but the split-correction marks");
    // The months carry the dates of the data file's bars, whatever they are.
    if (!window.fields.MonthlyFileName.empty()) {
        fuzz::CheckDataFile(fuzz::FileIn(window.fields.MonthlyFileName), false);
    }
    return 0;
}
