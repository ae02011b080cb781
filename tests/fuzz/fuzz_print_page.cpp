// The printed page of the candle chart, with overlays and indicators on in
// any combination, on each paper size in both orientations, in colour or
// monochrome, from a stock data file of any bytes shown as a daily or a
// weekly file.  Printing only reads the data file, and a job that cannot be
// printed is dropped whole: the window is not left printing.
#include <array>

#include "print/print_job.h"
#include "tests/fuzz/chart_host.h"

namespace {

constexpr std::array<const char*, 12> kItems = {
    "mnuIdouHeikin", "mnu一目", "mnuボリンジャ", "mnuEnvelope", "mnuPibott",    "mnuParabolic",
    "mnuRSI",        "mnuMACD", "mnuDekidaka",   "mnuSinyouBB", "mnuKairiRitsu", "mnuTopicsDisp"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginChartRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint16_t bits = static_cast<std::uint16_t>(fuzz::TakeOptions(bytes) << 8 | fuzz::TakeOptions(bytes));
    fuzz::FuzzChartHost window;
    window.ShowKind(1);
    for (std::size_t k = 0; k < kItems.size(); ++k) window.SetItem(kItems[k], 1, (bits >> k & 1) != 0);
    const std::string name = fuzz::SaveDataFile(window, bytes, (bits >> 12 & 1) != 0);
    const fuzz::FolderFiles before = fuzz::FolderSnapshot();
    ShowChart(window);
    PrintOptions options;
    const int paper = bits >> 13 & 3;
    options.A4size = paper == 0;
    options.B5size = paper == 1;
    options.A5size = paper == 2;
    options.postcardSize = paper == 3;
    options.landscape = (bits >> 15 & 1) == 0;
    options.portrait = !options.landscape;
    options.colour = (size & 1) == 0;
    options.monochrome = !options.colour;
    PrintChart(window, window.paper, options);
    fuzz::Check(window.fields.PrintingNow == 0, "a print job ends with the window no longer printing");
    fuzz::CheckDrawingKeptFolder(before, name, window);
    return 0;
}
