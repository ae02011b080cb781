// Stock list table records as grid texts and back.
#include "listedit/stock_table.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/runtime/ansi_text.h"
#include "platform/runtime/record_file.h"
#include "platform/runtime/text_file.h"

namespace ranvik::listedit {

StockTableCells LoadStockTableCells(const std::string& path) {
    // Read whole and only read: opening a table must never change it.
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) throw FileError("list table cannot be read: " + path);
    const std::int64_t inFile = static_cast<std::int64_t>(bytes->size() / ListEntry::kLength);
    if (inFile < 1) throw FileError("list table without a header: " + path);
    auto record = [&](std::int64_t k) {
        return ListEntry::Decode(std::string_view(*bytes).substr(static_cast<std::size_t>(k - 1) * ListEntry::kLength,
                                                                  ListEntry::kLength));
    };
    StockTableCells cells;
    const std::int64_t counted = std::max<std::int64_t>(record(1).RecordNo, 1);
    const std::int64_t last = std::min(counted, inFile);
    cells.cutShort = last < counted;
    cells.lastRecord = static_cast<int>(last);
    cells.rows.reserve(static_cast<std::size_t>(last - 1));
    for (std::int64_t k = 2; k <= last; ++k) {
        const ListEntry e = record(k);
        // The name without the blanks that pad its field: text typed after
        // them would lie past the field's end and be lost on saving.
        const std::string name = TrimRight(e.StockName);
        if (e.Code == kHeadingCode) {
            cells.rows.push_back({"", "    " + name, "", "", "", ""});
        } else {
            cells.rows.push_back({e.Code, name, e.Market, std::to_string(e.Section),
                                  std::to_string(e.TradingUnit), e.UNI});
        }
    }
    return cells;
}

ListEntry EntryFromRow(const StockRowTexts& row) {
    return ListEntryFromRow({row[0], row[1], row[2], row[3], row[4], row[5]});
}

}  // namespace ranvik::listedit
