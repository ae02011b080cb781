#pragma once
// Stock list table files: records of ListEntry in the program folder, named
// with the extension ".eTBL".  Reading is record by record, as both programs
// walk a table; writing follows the list editor's save: the file is never
// shortened and only the header's RecordNo marks where the table ends.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/lists/list_entry.h"
#include "platform/runtime/record_file.h"

namespace ranvik {

// The tables delivered with the programs.
inline constexpr std::string_view kAllStocksTable = "全銘柄リスト.eTBL";
inline constexpr std::string_view kPrimeTable = "東証プライムリスト.eTBL";
inline constexpr std::string_view kStandardTable = "東証スタンダードリスト.eTBL";
inline constexpr std::string_view kGrowthTable = "東証グロースリスト.eTBL";
inline constexpr std::string_view kNagoyaTable = "名証全リスト.eTBL";
inline constexpr std::string_view kListTableExtension = ".eTBL";

// A table's header Section of this value or more marks a table the chart
// program must not use.
inline constexpr std::uint8_t kRefusedTableCheck = 11;

// An open table.  Opening never creates a file: a table that is not there is
// a FileError, as every caller has tested its existence first.
class ListTable {
public:
    explicit ListTable(const std::string& path);

    ListEntry Read(std::int64_t recordNo);
    void Write(std::int64_t recordNo, const ListEntry& entry);
    // Record 1.
    ListEntry Header() { return Read(1); }
    // Whole records the file holds, the table's own and any left behind it.
    std::int64_t RecordsInFile() { return file_.RecordCount(); }
    // The table's last record: the header's RecordNo, but never past the
    // records the file holds (a table cut short by a failed copy or save
    // counts more than it has).
    std::int64_t LastRecord(const ListEntry& header) { return std::min<std::int64_t>(header.RecordNo, RecordsInFile()); }
    void Close() { file_.Close(); }

private:
    RecordFile file_;
};

// Every entry of a table, records 2 to its last record (records of a table
// whose header holds less than 2 are none).
struct ListTableContents {
    ListEntry header;
    std::vector<ListEntry> entries;
};
ListTableContents ReadListTable(const std::string& path);

// The list editor's save, made on the bytes of the table as it stands: the
// header keeps every field but RecordNo, which becomes entries.size() + 1;
// entry i becomes record i + 2 with its RecordNo and the header's Reserved.
// Records past the new end stay as they were, as the chart program never
// reads them.  A table without a whole header, or more entries than record
// numbers can address, is a FileError.
std::string SavedListTableBytes(std::string_view table, std::vector<ListEntry> entries);
// The same save on the file: the new bytes go to a temporary file that is
// renamed over the table, so a failed save leaves the old table whole.  A
// missing table is a FileError and is not created.
void WriteListEntries(const std::string& path, std::vector<ListEntry> entries);

// A whole new table as bytes: the header (its RecordNo set), then the entries
// numbered from 2 and carrying the header's Reserved.  The delivered tables
// are built this way.
std::string ListTableBytes(ListEntry header, std::vector<ListEntry> entries);

// One grid row of the list editor made into a record.  A row whose code,
// trimmed of blanks, is empty is a heading line: code "****", the name
// trimmed, market and UNI blank, section and unit 0.  Otherwise the texts
// are trimmed and the section and unit cells read as numbers.
struct ListRowCells {
    std::string code;
    std::string name;
    std::string market;
    std::string section;
    std::string unit;
    std::string uni;
};
ListEntry ListEntryFromRow(const ListRowCells& row);

// A cell's numeric value: the number at the start of its text (leading
// blanks skipped; no number gives 0), rounded to a whole number with halves
// to even.  Values beyond a field's range are held at its limits rather than
// wrapped into a different number.
std::uint8_t SectionFromCell(std::string_view text);
std::int16_t UnitFromCell(std::string_view text);

}  // namespace ranvik
