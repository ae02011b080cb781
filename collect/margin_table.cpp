// The table-dialect margin reader.
#include "collect/margin_table.h"

#include <optional>
#include <string_view>

#include "collect/margin_history.h"
#include "collect/page_text.h"
#include "collect/quote_number.h"
#include "collect/row_store.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"

namespace ranvik {

namespace {

// The text of a "<th" header: after the tag's ">" up to the next "<", or the
// next line's when the header line holds none.
std::string HeaderText(const std::vector<std::string>& lines, std::size_t lineNo) {
    const std::string& line = lines[lineNo];
    const std::size_t th = line.find("<th");
    const std::size_t open = line.find('>', th);
    if (open != std::string::npos) {
        const std::string text = Trim(line.substr(open + 1, line.find('<', open + 1) - (open + 1)));
        if (!text.empty()) return text;
    }
    if (lineNo + 1 >= lines.size()) return {};
    const std::string next = Trim(lines[lineNo + 1]);
    return next.substr(0, next.find('<'));
}

// A balance cell: the digits and commas after its ">", commas dropped, up to
// anything else (a decimal point ends it).  nullopt for a cell without
// digits, and when the row (the lines before `rowEnd`) ends before the cell.
std::optional<float> NextBalance(const std::vector<std::string>& lines, std::size_t rowEnd, std::size_t& lineNo,
                                 std::size_t& at) {
    for (; lineNo < rowEnd; ++lineNo, at = 0) {
        const std::string& line = lines[lineNo];
        const std::size_t td = line.find("<td", at);
        if (td == std::string::npos) continue;
        const std::size_t open = line.find('>', td);
        if (open == std::string::npos) return std::nullopt;
        std::string digits;
        std::size_t k = open + 1;
        for (; k < line.size() && ((line[k] >= '0' && line[k] <= '9') || line[k] == ','); ++k)
            if (line[k] != ',') digits += line[k];
        at = k;
        if (digits.empty()) return std::nullopt;
        return QuoteValue(digits);
    }
    return std::nullopt;
}

}  // namespace

void ImportMarginTable(const std::string& dataFile, const std::string& /*code*/, int /*mode*/) {
    int written = 0;
    RunStop stop = RunStop::None;
    try {
        if (!FileExists(dataFile)) throw FileError("no stock data file " + dataFile);
        RecordFile file(dataFile, QuoteRecord::kLength);
        MarginBalanceStore balances(file);
        const std::optional<PageText> page = PageText::Load(Program().download.PageFile1);
        const auto ratio = page ? page->FindLine("信用倍率") : std::nullopt;
        const auto body = ratio ? page->FindLine("<tbody>", *ratio) : std::nullopt;
        if (body) {
            const std::vector<std::string>& lines = page->Lines();
            const Date today = Today();
            std::optional<std::size_t> header = page->FindLine("<th", *body);
            while (header) {
                const std::optional<std::size_t> next = page->FindLine("<th", *header + 1);
                const std::size_t rowEnd = next ? *next : lines.size();
                std::size_t lineNo = *header;
                const std::optional<PageDate> read = ReadPageDate(HeaderText(lines, lineNo));
                // The cells are looked for after the header's own tag.
                std::size_t at = lines[lineNo].find("<th") + 3;
                const auto sell = NextBalance(lines, rowEnd, lineNo, at);
                const auto buy = sell ? NextBalance(lines, rowEnd, lineNo, at) : std::nullopt;
                if (read && sell && buy) {
                    const Date date{read->year, read->month, read->day};
                    if (IsValidDate(date) && date.year >= 1960 && DayNumber(date) <= DayNumber(today) &&
                        balances.Store(MarginDateText(date), *sell, *buy))
                        ++written;
                }
                header = next;
            }
        }
    } catch (const FileError&) {
        stop = RunStop::FileFailed;
    }
    CloseMarginReport(written, stop);
}

}  // namespace ranvik
