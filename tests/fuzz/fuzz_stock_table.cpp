// The list editor's table reader on a table of any bytes: the grid's cells,
// the records its rows are saved as, and the save made on the table's bytes
// read back again.
#include "listedit/stock_table.h"
#include "platform/runtime/record_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

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
    // A saved row reads back as it was shown, but for the blanks around its
    // texts, which a save drops and a field's filling brings back.  A text of
    // bytes that are not CP932 is shown with stand-ins, which a save writes
    // as "?", and a heading line keeps only its text: those are left out.
    for (std::size_t r = 0; r < cells.rows.size(); ++r) {
        bool plain = true;
        for (const std::string& text : cells.rows[r]) plain = plain && text.find("\xEF\xBF\xBD") == std::string::npos;
        if (!plain) continue;
        const bool heading = Trimmed(cells.rows[r][0]).empty();
        for (std::size_t c = heading ? 1 : 0; c < (heading ? 2 : 6); ++c) {
            fuzz::Check(Trimmed(again.rows[r][c]) == Trimmed(cells.rows[r][c]),
                        "a saved row reads back with the texts it was saved with");
        }
    }
    std::vector<ListEntry> entriesAgain;
    for (const listedit::StockRowTexts& row : again.rows) entriesAgain.push_back(listedit::EntryFromRow(row));
    fuzz::Check(SavedListTableBytes(saved, entriesAgain) == saved, "a saved table saved again unedited keeps its bytes");
    return 0;
}
