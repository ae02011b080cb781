// The chart program's list table reading on a table of any bytes: the
// start-up's version check, the list pane filled from the table a choice
// names (plain or grouped rows), and the data-file grid completed from the
// all-stocks table.  Reading never changes a table, and the list shows no
// row the table does not hold.
#include <QComboBox>
#include <algorithm>

#include "core/list_pane.h"
#include "core/startup_checks.h"
#include "core/stock_list.h"
#include "platform/lists/list_table.h"
#include "platform/ui/flex_grid.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint8_t options = fuzz::TakeOptions(bytes);
    const std::string_view choice = kListChoices[options % 6];
    const std::string file(FindListChoice(choice)->tableFile);
    const std::string path = fuzz::FileIn(file);
    fuzz::WriteFile(path, bytes);
    ReadListTableVersion(path);
    FlexGrid grid;
    QComboBox chooser;
    for (std::string_view c : kListChoices) chooser.addItem(QString::fromUtf8(c.data(), static_cast<int>(c.size())));
    chooser.setCurrentIndex(options % 6);
    try {
        BuildStockList(grid, fuzz::FileIn(""), chooser);
        // The title row, a row for each entry after the header and one blank
        // row at the end: no row the table does not hold.
        const auto entries = static_cast<int>(bytes.size() / ListEntry::kLength);
        fuzz::Check(grid.Rows() <= std::max(entries, 1) + 1, "the list shows no row the table does not hold");
    } catch (const FileError&) {
        // The pane reports a table it cannot read.
    }
    if (file == kAllStocksTable) {
        for (const char* name : {"1301d.KDT", "7203w.KDT", "9984d.KDT"}) fuzz::WriteFile(fuzz::FileIn(name), "");
        std::vector<DataFileRow> rows = ListDataFileRows(fuzz::FileIn(""), options & 0x80);
        try {
            LookUpDataFileRows(rows, path);
        } catch (const FileError&) {
        }
    }
    fuzz::Check(fuzz::ReadFile(path) == bytes, "reading leaves the table as it was");
    return 0;
}
