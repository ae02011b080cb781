#include "platform/lists/list_table.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/text_file.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {
constexpr std::int64_t kMaxRecords = 32767;

double CellNumber(std::string_view text) {
    const double v = RoundHalfEven(Val(TrimLeft(text)));
    return std::isfinite(v) ? v : 0.0;
}
}  // namespace

ListTable::ListTable(const std::string& path) {
    if (!FileExists(path)) throw FileError("list table not found: " + path);
    file_.Open(path, ListEntry::kLength);
}

ListEntry ListTable::Read(std::int64_t recordNo) { return ListEntry::Decode(file_.Read(recordNo)); }

void ListTable::Write(std::int64_t recordNo, const ListEntry& entry) { file_.Write(recordNo, entry.Encode()); }

ListTableContents ReadListTable(const std::string& path) {
    ListTable table(path);
    ListTableContents contents;
    contents.header = table.Header();
    const std::int64_t last = table.LastRecord(contents.header);
    if (last >= 2) {
        contents.entries.reserve(static_cast<std::size_t>(last - 1));
        for (std::int64_t k = 2; k <= last; ++k) contents.entries.push_back(table.Read(k));
    }
    return contents;
}

std::string SavedListTableBytes(std::string_view table, std::vector<ListEntry> entries) {
    if (static_cast<std::int64_t>(entries.size()) + 1 > kMaxRecords)
        throw FileError("too many entries for one list table");
    if (table.size() < ListEntry::kLength) throw FileError("list table without a header");
    const std::size_t newLength = ListEntry::kLength * (entries.size() + 1);
    std::string bytes(table);
    if (bytes.size() < newLength) bytes.resize(newLength, '\0');
    // Only the header's RecordNo changes: its other fields keep their very
    // bytes, whatever code page they were written in.
    PutInteger(bytes, 0, static_cast<std::int16_t>(entries.size() + 1));
    const std::int16_t reserved = ListEntry::Decode(table.substr(0, ListEntry::kLength)).Reserved;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].RecordNo = static_cast<std::int16_t>(i + 2);
        entries[i].Reserved = reserved;
        bytes.replace((i + 1) * ListEntry::kLength, ListEntry::kLength, entries[i].Encode());
    }
    return bytes;
}

void WriteListEntries(const std::string& path, std::vector<ListEntry> entries) {
    const std::optional<std::string> table = FileExists(path) ? ReadFileBytes(path) : std::nullopt;
    if (!table) throw FileError("list table not found: " + path);
    if (!ReplaceFileBytes(path, SavedListTableBytes(*table, std::move(entries))))
        throw FileError("list table not saved: " + path);
}

std::string ListTableBytes(ListEntry header, std::vector<ListEntry> entries) {
    if (static_cast<std::int64_t>(entries.size()) + 1 > kMaxRecords)
        throw FileError("too many entries for one list table");
    header.RecordNo = static_cast<std::int16_t>(entries.size() + 1);
    std::string bytes = header.Encode();
    bytes.reserve(ListEntry::kLength * (entries.size() + 1));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].RecordNo = static_cast<std::int16_t>(i + 2);
        entries[i].Reserved = header.Reserved;
        bytes += entries[i].Encode();
    }
    return bytes;
}

std::uint8_t SectionFromCell(std::string_view text) {
    return static_cast<std::uint8_t>(std::clamp(CellNumber(text), 0.0, 255.0));
}

std::int16_t UnitFromCell(std::string_view text) {
    return static_cast<std::int16_t>(std::clamp(CellNumber(text), -32768.0, 32767.0));
}

ListEntry ListEntryFromRow(const ListRowCells& row) {
    ListEntry e;
    const std::string code = Trim(row.code);
    if (code.empty()) {
        e.Code = std::string(kHeadingCode);
        e.StockName = Trim(row.name);
        return e;
    }
    e.Code = code;
    e.StockName = Trim(row.name);
    e.Market = Trim(row.market);
    e.Section = SectionFromCell(row.section);
    e.TradingUnit = UnitFromCell(row.unit);
    e.UNI = Trim(row.uni);
    return e;
}

}  // namespace ranvik
