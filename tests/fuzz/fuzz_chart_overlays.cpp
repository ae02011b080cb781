// The candle chart with its overlays and indicators switched on in any
// combination, with and without the yearly pane and by months, on a stock
// data file of any bytes shown as a daily or a weekly file, drawn by the
// set-up and drawn again.  A drawing only reads its data file and leaves
// the menu's check marks as it found them.
#include <array>

#include "chart/drawing/redraw.h"
#include "tests/fuzz/chart_host.h"

namespace {

// The chart menu's items a drawing reads, one input bit each.
constexpr std::array<const char*, 26> kItems = {
    "mnuIdouHeikin", "mnu一目",     "mnu一目雲のみ",  "mnuボリンジャ",       "mnuEnvelope", "mnuHLband",
    "mnuBBdaikin",   "mnu陰陽足",   "mnu3Days",       "mnuPibott",           "mnuParabolic", "mnu線形回帰",
    "mnuRSI",        "mnuストキャス", "mnuPerOscillator", "mnuモメンタム",     "mnuMACD",     "mnuRCI",
    "mnuVector",     "mnuOBV",      "mnuKairiRitsu",  "mnu2LineKairiRitsu",  "mnuDekidaka", "mnuDekiIdou",
    "mnuPSY",        "mnuSinyouBB"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginChartRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    std::uint32_t bits = 0;
    for (int k = 0; k < 4; ++k) bits = bits << 8 | fuzz::TakeOptions(bytes);
    fuzz::FuzzChartHost window;
    window.ShowKind(1);
    for (std::size_t k = 0; k < kItems.size(); ++k) window.SetItem(kItems[k], 1, (bits >> k & 1) != 0);
    window.checks[7] = (bits >> 26 & 1) != 0 ? 1 : 0;
    window.checks[8] = (bits >> 27 & 1) != 0 ? 1 : 0;
    window.SetItem("mnuKagiAshi", 1 + static_cast<int>(bits >> 28 & 1), true);
    const std::string name = fuzz::SaveDataFile(window, bytes, (bits >> 29 & 1) != 0);
    const fuzz::FolderFiles before = fuzz::FolderSnapshot();
    ShowChart(window);
    RedrawChart(window);
    // An item a drawing switches off for a while is on again after it.
    for (std::size_t k = 0; k < kItems.size(); ++k) {
        fuzz::Check(window.Item(kItems[k], 1).Checked() == ((bits >> k & 1) != 0), "a drawing leaves the menu's marks as they were");
    }
    fuzz::CheckDrawingKeptFolder(before, name, window);
    return 0;
}
