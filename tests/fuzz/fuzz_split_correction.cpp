// The split correction on a stock data file of any bytes whose header names
// a point (its multiplier field a number): the set-up's writes (the derived
// multiplier written back, the corrected copy of a file of several points),
// the correction switched off or on from the chart menu and the chart drawn
// again, and the file shown once more, for the candle chart and a kind
// drawn from the corrected file.  The data file changes in nothing but its
// multipliers; the corrected copy, the only other file, holds the source's
// bars on their dates, and a new showing leaves no second copy.
#include <set>

#include "chart/drawing/redraw.h"
#include "tests/fuzz/chart_host.h"

namespace {

using ranvik::QuoteRecord;

// The date fields of the records the header counts, whole records only.
// A set: the copy is stored as the merge stores bars, so a source out of
// date order comes out in order and a date twice comes out once.
std::set<std::string> Dates(const std::string& bytes) {
    std::set<std::string> dates;
    if (bytes.size() < QuoteRecord::kLength) return dates;
    const int count = QuoteRecord::Decode(std::string_view(bytes).substr(0, QuoteRecord::kLength)).RecordNo;
    for (std::size_t r = 2; r <= static_cast<std::size_t>(std::max(count, 0)) && r * QuoteRecord::kLength <= bytes.size();
         ++r) {
        dates.insert(bytes.substr((r - 1) * QuoteRecord::kLength + 28, 8));
    }
    return dates;
}

void CheckCopies(const std::string& source) {
    int copies = 0;
    for (const auto& [file, bytes] : ranvik::fuzz::FolderSnapshot()) {
        if (file.rfind("Hosei", 0) != 0) continue;
        ++copies;
        ranvik::fuzz::Check(Dates(bytes) == Dates(ranvik::fuzz::ReadFile(source)),
                            "the corrected copy holds a bar on each date of the source's and on no other");
    }
    ranvik::fuzz::Check(copies <= 1, "a window keeps one corrected copy at most");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginChartRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint8_t options = fuzz::TakeOptions(bytes);
    fuzz::FuzzChartHost window;
    window.ShowKind((options & 1) == 0 ? 1 : 11);
    window.fields.CorrectionWanted = (options & 2) != 0 ? 0 : -1;
    const std::string name = fuzz::SaveDataFile(window, bytes, (options & 4) != 0);
    const std::string source = window.fields.DataFileName;
    const fuzz::FolderFiles before = fuzz::FolderSnapshot();
    ShowChart(window);
    CheckCopies(source);
    // The menu item switches the correction; the chart is drawn again.
    MenuItem item = window.Item("mnuHosei", 1);
    if (item.Enabled()) {
        item.SetChecked(!item.Checked());
        window.fields.CorrectionWanted = item.Checked() ? -1 : 0;
        RedrawChart(window);
    }
    window.fields.DataFileName = source;
    ShowChart(window);
    CheckCopies(source);
    fuzz::CheckDrawingKeptFolder(before, name, window);
    return 0;
}
