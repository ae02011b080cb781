// The chart set-up on a stock data file of any bytes and any length, shown
// as a daily or a weekly file in a chart window of recording panes.  The
// window only reads its data file.
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
    ShowChart(window);
    fuzz::Check(fuzz::SameButMultipliers(fuzz::ReadFile(path), bytes),
                "the chart window changes nothing of its data file but the split-correction marks");
    return 0;
}
