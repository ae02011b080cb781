// The table-dialect price reader.
#include "collect/price_table.h"

#include <optional>
#include <string_view>
#include <vector>

#include "collect/exchange_calendar.h"
#include "collect/page_text.h"
#include "collect/quote_number.h"
#include "collect/row_store.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"

namespace ranvik {

namespace {

constexpr int kDailyRows = 25;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsNumber(std::string text) { return NormalizeQuoteNumber(text); }

// The value of the cell on line k: from its first ">" to the next "<", the
// next line joined when the cell runs on.
std::string CellValue(const std::vector<std::string>& lines, std::size_t k) {
    const std::string& line = lines[k];
    const std::size_t gt = line.find('>');
    if (gt == std::string::npos) return {};
    std::string text = line.substr(gt + 1);
    if (text.find('<') == std::string::npos && k + 1 < lines.size()) text += Trim(lines[k + 1]);
    return Trim(text.substr(0, text.find('<')));
}

// The 現在値 price: the cell after the word, else the first cell of each
// line after it, up to one that is a price.
std::string CurrentPrice(const PageText& page) {
    const auto marker = page.FindLine("現在値");
    if (!marker) return {};
    const std::vector<std::string>& lines = page.Lines();
    std::size_t from = lines[*marker].find("現在値");
    for (std::size_t k = *marker; k < lines.size(); ++k, from = 0) {
        const auto cell = NextCell(lines[k], from);
        if (!cell) continue;
        const std::string_view text = cell->text;
        const bool closed = std::string_view(lines[k]).substr(cell->end, 2) == "</";
        if (text.size() >= 2 && ((IsNumber(std::string(text)) && text.size() != 4) || (text == "--" && closed)))
            return std::string(text);
    }
    return {};
}

// The digits and slashes a date text is made of, from `at`.
std::string DateRun(std::string_view line, std::size_t at) {
    std::string run;
    for (; at < line.size() && (IsDigit(line[at]) || line[at] == '/'); ++at) run += line[at];
    return run;
}

int Number(std::string_view digits) {
    int n = 0;
    for (const char c : digits) {
        if (!IsDigit(c) || n > 100000) return -1;
        n = n * 10 + (c - '0');
    }
    return digits.empty() ? -1 : n;
}

// A date run as a day: "yyyy/m/d" in full; "m/d" (or "/d" on a weekly page,
// the current month's) completed with the current year, or the year before
// when its month lies after the current month.
std::optional<Date> RunDate(const std::string& run, bool weekly, const Date& today) {
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (std::size_t slash; (slash = run.find('/', from)) != std::string::npos; from = slash + 1)
        parts.push_back(std::string_view(run).substr(from, slash - from));
    parts.push_back(std::string_view(run).substr(from));
    Date date;
    if (parts.size() == 3 && parts[0].size() == 4) {
        date = {Number(parts[0]), Number(parts[1]), Number(parts[2])};
    } else if (parts.size() == 2) {
        const int month = parts[0].empty() && weekly ? today.month : Number(parts[0]);
        date = {month > today.month ? today.year - 1 : today.year, month, Number(parts[1])};
    } else {
        return std::nullopt;
    }
    if (!IsValidDate(date) || date.year < 1960 || DayNumber(date) > DayNumber(today)) return std::nullopt;
    return date;
}

// Where a row's date stands, and the line after it.
struct RowStart {
    std::string run;     // empty: the reading ends
    std::size_t fields;  // the first line of the row's fields
};

RowStart DailyRowStart(const std::vector<std::string>& lines, std::size_t header) {
    const std::string& line = lines[header];
    const std::size_t gt = line.find('>', line.find("<th"));
    if (gt == std::string::npos) return {};
    if (gt + 1 < line.size() && line[gt + 1] != ' ') return {DateRun(line, gt + 1), header + 1};
    if (header + 1 >= lines.size()) return {};
    return {DateRun(Trim(lines[header + 1]), 0), header + 2};
}

// The week's date after the "<br>" of the fourth cell line after the first
// row's header; the fields are those of the first row.
RowStart WeeklyRowStart(const std::vector<std::string>& lines, std::size_t header) {
    std::size_t k = header + 1;
    for (int cells = 0; k < lines.size(); ++k)
        if (lines[k].find("<td") != std::string::npos && ++cells == 4) break;
    if (k >= lines.size()) return {};
    std::size_t br = lines[k].find("<br>");
    if (br == std::string::npos && ++k < lines.size()) br = lines[k].find("<br>");
    if (k >= lines.size() || br == std::string::npos || br == 0 || !IsDigit(lines[k][br - 1])) return {};
    const std::string& line = lines[k];
    std::size_t at = br + 4;
    while (at < line.size() && !IsDigit(line[at]) && line[at] != '/') ++at;
    return {DateRun(line, at), header + 2};
}

struct Fields {
    std::string open, high, low, close, volume = "0";
};

// The row's five cells, each a number after normalising; nullopt when one is
// not, or when the page ends first (`pageEnded`).
std::optional<Fields> ReadFields(const std::vector<std::string>& lines, std::size_t first, bool readVolume,
                                 bool& pageEnded) {
    if (first + 5 > lines.size()) {
        pageEnded = true;
        return std::nullopt;
    }
    Fields f;
    std::string* texts[] = {&f.open, &f.high, &f.low, &f.close};
    bool numbers = true;
    for (std::size_t i = 0; i < 4; ++i) {
        *texts[i] = CellValue(lines, first + i);
        numbers = NormalizeQuoteNumber(*texts[i]) && numbers;
    }
    if (readVolume) {
        f.volume = CellValue(lines, first + 4);
        numbers = NormalizeQuoteNumber(f.volume) && numbers;
    }
    if (!numbers) return std::nullopt;
    if (QuoteValue(f.open) == 0.0f && QuoteValue(f.high) == 0.0f && QuoteValue(f.low) == 0.0f) return std::nullopt;
    return f;
}

}  // namespace

void ImportPriceTable(const std::string& dataFile, const std::string& code, int dailyFlag, int mode) {
    auto& net = Program().collection;
    StartPriceReport();
    net.PagePriceText.clear();
    net.PagePriceNote.clear();
    const std::optional<PageText> page = PageText::Load(Program().download.PageFile1);
    if (page && mode > 1) net.PagePriceText = CurrentPrice(*page);

    const bool weekly = dailyFlag == 0;
    const bool readVolume = CodeNumber(code) > 50;
    const Date today = Today();
    int written = 0;
    RunStop stop = RunStop::None;
    const auto close = page ? page->FindLine("終値") : std::nullopt;
    const auto head = close ? page->FindLine("</thead>", *close + 1) : std::nullopt;
    std::optional<std::size_t> header = head ? page->FindLine("<th", *head + 1) : std::nullopt;
    for (int rows = 0; header && stop == RunStop::None;) {
        const std::vector<std::string>& lines = page->Lines();
        ++rows;
        const RowStart start = weekly ? WeeklyRowStart(lines, *header) : DailyRowStart(lines, *header);
        if (start.run.empty()) break;
        bool pageEnded = false;
        const auto fields = ReadFields(lines, start.fields, readVolume, pageEnded);
        if (pageEnded) break;
        std::optional<Date> date = RunDate(start.run, weekly, today);
        if (date && weekly) date = FridayOfWeek(*date);
        // 2020/10/01: the exchange's systems failed and nothing traded.
        if (date && fields && FormatMmDdYy(*date) != "10/01/20") {
            try {
                // Opening creates a missing file, and one without its header
                // would take the rows as garbage.
                if (!FileExists(dataFile)) throw FileError("no stock data file " + dataFile);
                RecordFile file(dataFile, QuoteRecord::kLength);
                const RowOutcome outcome = StoreQuoteRow(file, fields->open, fields->close, fields->high,
                                                         fields->low, FormatMmDdYy(*date), fields->volume);
                if (outcome == RowOutcome::FileFull) stop = RunStop::FileFull;
                if (Program().store.RecordWritten == kTrue) ++written;
            } catch (const FileError&) {
                stop = RunStop::FileFailed;
            }
        }
        if (weekly || rows >= kDailyRows) break;
        header = page->FindLine("<th", std::max(*header, start.fields) + 1);
    }
    ClosePriceReport(PriceReader::PriceTable, written, mode, stop);
}

}  // namespace ranvik
