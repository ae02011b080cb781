// The five other chart kinds (stock comparison, reverse watch, point and
// figure, year-by-year comparison, three-line break in both forms), each
// with and without the yearly pane, on a stock data file of any bytes shown
// as a daily or a weekly file, drawn by the set-up and drawn again.  A
// drawing only reads its data file, hands its panes ordinary numbers and
// labels a pane can show, and a redraw of the same file and view draws the
// same picture.
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
    const std::size_t bars = bytes.size() / QuoteRecord::kLength;
    fuzz::CheckDrawnCalls(window, bars);
    fuzz::TakeDrawnCalls(window);
    RedrawChart(window);
    fuzz::CheckDrawnCalls(window, bars);
    fuzz::TakeDrawnCalls(window);
    // A pane keeps the font its last drawing set, so only from the second
    // redraw on does each find the panes as the one before found them.
    RedrawChart(window);
    const auto first = fuzz::TakeDrawnCalls(window);
    RedrawChart(window);
    fuzz::Check(fuzz::TakeDrawnCalls(window) == first, "a redraw of the same file and view draws the same picture");
    fuzz::CheckDrawingKeptFolder(before, name, window);
    return 0;
}
