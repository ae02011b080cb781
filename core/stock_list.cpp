#include "core/stock_list.h"

#include "platform/lists/list_table.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"

namespace ranvik {

std::optional<ListChoice> FindListChoice(std::string_view choice) {
    static constexpr ListChoice kChoices[] = {
        {"全銘柄", kAllStocksTable, ListRowStyle::Plain, false},
        {"東証プライム", kPrimeTable, ListRowStyle::ColourGrouped, false},
        {"東証スタンダード", kStandardTable, ListRowStyle::ColourGrouped, false},
        {"東証グロース", kGrowthTable, ListRowStyle::ColourGrouped, false},
        {"名証", kNagoyaTable, ListRowStyle::ColourGrouped, false},
        {kOtherChoice, kAllStocksTable, ListRowStyle::Plain, true},
    };
    for (const auto& c : kChoices)
        if (c.choice == choice) return c;
    return std::nullopt;
}

bool ShownInOther(const ListEntry& entry) {
    if (entry.Market == "n") return false;
    return !(entry.Market == "t" && entry.Section >= 1 && entry.Section <= 3);
}

std::string MarketCell(const ListEntry& entry) { return entry.Market + " " + std::to_string(entry.Section); }

StockListRow PlainStockListRow(const ListEntry& entry) {
    StockListRow row;
    row.cells = {entry.Code, entry.StockName, MarketCell(entry), std::to_string(entry.TradingUnit)};
    return row;
}

int CodeForeColour(std::string_view code, int groupColour) {
    if (code <= std::string_view("0100")) return 0;
    switch (groupColour) {
        case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 8: case 9: case 12:
            return 15;
        default:
            return 0;
    }
}

StockListRow GroupedRowBuilder::Next(const ListEntry& entry) {
    StockListRow row;
    row.plain = false;
    if (entry.IsHeading()) {
        row.cells = {"", entry.StockName, "", ""};
        row.codeBack = kButtonFace;
        row.nameFore = 12;
        group_ = group_ % 14 + 1;
        return row;
    }
    row.cells = {entry.Code, entry.StockName, MarketCell(entry), std::to_string(entry.TradingUnit)};
    row.codeBack = group_;
    row.codeFore = CodeForeColour(entry.Code, group_);
    row.nameFore = 0;
    return row;
}

std::string MarketLabelOf(std::string_view marketCell) {
    if (marketCell.empty()) return "";
    const std::string letter = LeftChars(marketCell, 1);
    const std::string digit = RightChars(marketCell, 1);
    auto numbered = [&](std::string_view exchange) {
        std::string label = "<";
        label.append(exchange).append(digit).append("> ");
        return label;
    };
    if (letter == "t") {
        if (digit == "0") return "<東証>";
        if (digit == "1") return "<東プ>";
        if (digit == "2") return "<東ス>";
        if (digit == "3") return "<東グ>";
        if (digit == "4") return "<東Ｐ>";
        return numbered("東");
    }
    if (letter == "n") {
        if (digit == "0") return "<名証>";
        if (digit == "1") return "<名プ>";
        if (digit == "2") return "<名メ>";
        if (digit == "3") return "<名ネ>";
        return numbered("名");
    }
    if (letter == "f") {
        if (digit == "0") return "<福証>";
        if (digit == "3") return "<福Ｑ>";
        return numbered("福");
    }
    if (letter == "s") {
        if (digit == "0") return "<札証>";
        if (digit == "3") return "<札ア>";
        return numbered("札");
    }
    if (letter == "k") return "<京証>";
    if (letter == "h") return "<広証>";
    if (letter == "g") return "<潟証>";
    return "";
}

std::string ListTableName(std::string_view tableFile) {
    if (tableFile.size() >= kListTableExtension.size() &&
        tableFile.substr(tableFile.size() - kListTableExtension.size()) == kListTableExtension)
        tableFile.remove_suffix(kListTableExtension.size());
    return std::string(tableFile);
}

std::string Message030(std::string_view tableFile) {
    return "030, <" + ListTableName(tableFile) + "> --- この銘柄リストは使えません";
}

std::string Message053(std::string_view tableFile) { return "053, " + ListTableName(tableFile) + "が見つかりません"; }

std::string Message052() { return "052, \"" + ListTableName(kAllStocksTable) + "\"が見つかりません"; }

std::vector<DataFileRow> ListDataFileRows(const std::string& folder, bool adminMode) {
    std::vector<DataFileRow> rows;
    for (const auto& name : ListFolder(folder, "*.KDT")) {
        const std::string head = LeftChars(name, 5);
        if (!adminMode && (head == "Temp1" || head == "Temp2" || head == "Temp3")) continue;
        rows.push_back({name, "", "", name});
    }
    return rows;
}

void LookUpDataFileRows(std::vector<DataFileRow>& rows, const std::string& allStocksTablePath) {
    const std::vector<ListEntry> table = ReadListTable(allStocksTablePath).entries;
    // The cursor moves on as the codes rise, so a folder and a table in the
    // same order cost one pass.  A code that lies behind the cursor is still
    // found by going round to the start: a table edited out of code order
    // must not lose its names.
    std::size_t cursor = 0;
    for (auto& row : rows) {
        if (row.file.empty()) break;
        const std::string code = LeftChars(row.file, 4);
        const std::string period = MidChars(row.file, 5, 1);
        const char* mark = period == "w" ? "(週) " : period == "d" ? "(日) " : nullptr;

        std::optional<std::size_t> found;
        for (std::size_t i = 0; i < table.size() && !found; ++i) {
            const std::size_t k = (cursor + i) % table.size();
            if (table[k].Code == code) found = k;
        }
        if (found) {
            cursor = *found;
            const ListEntry& e = table[*found];
            if (mark != nullptr) row.name = mark + e.StockName;
            row.unit = std::to_string(e.TradingUnit);
            row.market = MarketCell(e);
            const std::size_t comma = row.name.find(',');
            if (comma != std::string::npos) row.name.resize(comma);
        } else {
            if (mark != nullptr) row.name = mark + code;
            cursor = 0;
        }
    }
}

}  // namespace ranvik
