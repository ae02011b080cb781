// The five other chart kinds (stock comparison, reverse watch, point and
// figure, year-by-year comparison, three-line break in both forms), each
// with and without the yearly pane, on a stock data file of any bytes shown
// as a daily or a weekly file, drawn by the set-up and drawn again.  A
// drawing only reads its data file.
#include "chart/drawing/redraw.h"
#include "tests/fuzz/chart_host.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginChartRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint8_t options = fuzz::TakeOptions(bytes);
    fuzz::FuzzChartHost window;
    static const int kKinds[] = {2, 3, 4, 10, 11, 12};
    window.ShowKind(kKinds[options % 6]);
    window.checks[7] = (options & 0x08) != 0 ? 1 : 0;
    window.SetItem("mnuChartItemeyc", 1 + (options >> 5 & 1), true);
    window.mainBoxes[74] = "1";
    const std::string name = fuzz::SaveDataFile(window, bytes, (options & 0x10) != 0);
    const fuzz::FolderFiles before = fuzz::FolderSnapshot();
    ShowChart(window);
    RedrawChart(window);
    fuzz::CheckDrawingKeptFolder(before, name, window);
    return 0;
}
