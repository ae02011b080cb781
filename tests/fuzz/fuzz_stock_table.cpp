// The list editor's table reader on a table of any bytes: the grid's cells,
// the records its rows are saved as, and the save made on the table's bytes
// read back again.
#include "listedit/stock_table.h"
#include "platform/runtime/record_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    const std::string_view bytes = fuzz::InputOf(data, size);
    const std::string path = fuzz::FileIn("全銘柄リスト.eTBL");
    fuzz::WriteFile(path, bytes);
    listedit::StockTableCells cells;
    try {
        cells = listedit::LoadStockTableCells(path);
    } catch (const FileError&) {
        fuzz::Check(fuzz::ReadFile(path) == bytes, "a table that cannot be read is left as it was");
        return 0;
    }
    fuzz::Check(fuzz::ReadFile(path) == bytes, "loading leaves the table as it was");
    fuzz::Check(cells.rows.size() <= bytes.size() / ListEntry::kLength, "the grid shows no row the table does not hold");
    std::vector<ListEntry> entries;
    for (const listedit::StockRowTexts& row : cells.rows) entries.push_back(listedit::EntryFromRow(row));
    const std::string saved = SavedListTableBytes(bytes, entries);
    const std::string savedPath = fuzz::FileIn("東証プライムリスト.eTBL");
    fuzz::WriteFile(savedPath, saved);
    const listedit::StockTableCells again = listedit::LoadStockTableCells(savedPath);
    fuzz::Check(again.rows.size() == cells.rows.size(), "a saved table holds the rows it was saved with");
    // A text of bytes that are not CP932 is shown with stand-ins, which a
    // save writes as "?": only the other rows read back as they were shown.
    for (std::size_t r = 0; r < cells.rows.size(); ++r) {
        bool plain = true;
        for (const std::string& text : cells.rows[r]) plain = plain && text.find("\xEF\xBF\xBD") == std::string::npos;
        if (plain) fuzz::Check(again.rows[r] == cells.rows[r], "a saved row reads back with the texts it was saved with");
    }
    std::vector<ListEntry> entriesAgain;
    for (const listedit::StockRowTexts& row : again.rows) entriesAgain.push_back(listedit::EntryFromRow(row));
    fuzz::Check(SavedListTableBytes(saved, entriesAgain) == saved, "a saved table saved again unedited keeps its bytes");
    return 0;
}
