// The topics of one year from the topics list, written across or down the
// price pane or the printed page.
#include "chart/drawing/topics.h"

#include <optional>

#include "core/data_store.h"
#include "core/program_state.h"
#include "core/stock_list.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/text_file.h"
#include "platform/runtime/utf8.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

constexpr double kOpenArcStart = 0.7854;  // the upper quarter, 45 to 135 degrees
constexpr double kOpenArcEnd = 2.3562;
constexpr double kCloseArcStart = 4.08408;  // the lower part, 234 to 324 degrees
constexpr double kCloseArcEnd = 5.65488;

bool IsVoicingMark(char32_t c) { return c == U'ﾞ' || c == U'ﾟ'; }

// "/" and what reads as a number: alone, only a digit does.  The full-width
// digits, which read as numbers too, stand upright in a column as they are.
bool TakesBlankAsNumber(char32_t c) { return c == U'/' || (c >= U'0' && c <= U'9'); }

bool TakesBlankAsLetter(char32_t c) {
    return c == U'I' || c == U'Ｉ' || (c >= U'a' && c <= U'z') || (c >= U'ａ' && c <= U'ｚ');
}

std::optional<std::string> Substitute(char32_t c) {
    switch (c) {
        case U'ｰ':
        case U'-': return std::string(" ｌ");
        case U'ー': return std::string(" |");
        case U',':
        case U'、': return std::string("　`");
        case U'.':
        case U'。': return std::string("　°");
        case U'：':
        case U':': return std::string("×");
        default: return std::nullopt;
    }
}

std::vector<std::string> ListLines(const std::string& path) {
    std::vector<std::string> lines;
    if (std::optional<std::vector<TextLine>> read = ReadTextLines(path)) {
        lines.reserve(read->size());
        for (TextLine& line : *read) lines.push_back(std::move(line.text));
    }
    return lines;
}

// The sizes of one call: the pane's font size, and for the columns their
// step, the parentheses' radius and the arcs' offset from the column's x.
struct TopicLayout {
    double paneFontSize = 8;
    double printerFontSize = 9;
    double columnStep = 0;
    double arcRadius = 0;
    double arcOffset = 0;
};

double PaneFontSize(const Surface& pane) {
    if (pane.ScaleWidth() > 2800) return 6;
    if (pane.ScaleWidth() > 1900) return 7;
    return 8;
}

TopicLayout LayoutOf(const Surface& pane, bool printing, PaperSetting paper) {
    TopicLayout l;
    l.paneFontSize = PaneFontSize(pane);
    const double perTwip = pane.ScaleWidth() / pane.Width();
    l.arcOffset = RoundHalfEven(20 - l.paneFontSize);
    if (!printing) {
        l.columnStep = RoundHalfEven(160 * perTwip);
        l.arcRadius = 12 * (l.paneFontSize + 2) * perTwip;
        return l;
    }
    l.printerFontSize = paper.paperSize == 43 ? 5 : paper.paperSize == 11 ? l.paneFontSize : l.paneFontSize + 1;
    double step = RoundHalfEven(pane.ScaleWidth() / (paper.paperSize == 43 ? 65 : 55));
    if (paper.orientation == 2 && (paper.paperSize == 9 || paper.paperSize == 13)) step -= Fix(step / 3);
    l.columnStep = step;
    l.arcRadius = 8 * (l.paneFontSize + 2) * perTwip;
    return l;
}

void ReportMissingList(ChartHost& w) {
    ShowMessage(std::string(kMessage305), std::string(kMainWindowTitle), MessageIcon::Exclamation);
    w.Item("mnuTopicsDisp", 1).SetChecked(false);
    w.Item("mnuTopicsDisp", 2).SetChecked(false);
}

// Texts that do not fit the page lose characters from their end; 20 units
// a character is the page's own measure.
std::string FitOnPage(const Surface& page, std::string text) {
    std::size_t count = CharCount(text);
    while (count > 0 && page.CurrentX() + 20.0 * static_cast<double>(count) >= page.ScaleWidth()) {
        --count;
        text = LeftChars(text, count);
    }
    return text;
}

void WriteAcross(Surface& target, bool printing, double x, const std::vector<std::string>& topics) {
    for (const std::string& topic : topics) {
        target.SetCurrentX(x + 6);
        target.Print(printing ? FitOnPage(target, topic) : topic);
    }
}

void WriteDown(Surface& target, bool printing, bool inverted, double& x, double firstY, double q,
               double paneWidth, const TopicLayout& l, const std::vector<std::string>& topics) {
    // An inverted chart has y growing downwards: the offsets turn round.
    const double dir = inverted ? -1 : 1;
    const double openDrop = printing ? q : 2 * q;
    const double closeRise = printing ? q / 2 : q;
    const double afterClose = printing ? q : 1.5 * q;
    const Color color = target.ForeColor();
    for (const std::string& topic : topics) {
        target.SetCurrentY(firstY);
        for (const TopicCell& cell : VerticalCells(topic)) {
            const double centreX = x + l.arcOffset;
            switch (cell.kind) {
                case TopicCell::Kind::Text:
                    target.SetCurrentX(x + (cell.shifted ? 10 : 7));
                    target.Print(cell.text);
                    break;
                case TopicCell::Kind::OpenArc: {
                    const double y = target.CurrentY() - dir * openDrop;
                    target.Circle(centreX, y, l.arcRadius, color, kOpenArcStart, kOpenArcEnd);
                    target.SetCurrentX(centreX);
                    target.SetCurrentY(y);
                    break;
                }
                case TopicCell::Kind::CloseArc: {
                    const double y = target.CurrentY() + dir * closeRise;
                    target.Circle(centreX, y, l.arcRadius, color, kCloseArcStart, kCloseArcEnd);
                    target.SetCurrentX(centreX);
                    target.SetCurrentY(y - dir * afterClose);
                    break;
                }
            }
        }
        x += l.columnStep;
        if (x > paneWidth) break;
    }
}

}  // namespace

std::string TopicYearText(int year) {
    if (year < 60) return std::to_string(2000 + year);
    if (year < 100) return std::to_string(1900 + year);
    return std::to_string(year);
}

std::vector<std::string> TopicsOfYear(const std::vector<std::string>& lines, std::string_view yearText) {
    std::vector<std::string> topics;
    std::size_t i = 0;
    while (i < lines.size() && Trim(lines[i]) != yearText) ++i;
    for (++i; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line.front() != '-') break;
        topics.push_back(line.substr(1));
    }
    return topics;
}

std::vector<TopicCell> VerticalCells(std::string_view topic) {
    const std::vector<char32_t> chars = utf8::Decode(topic);
    std::vector<TopicCell> cells;
    cells.reserve(chars.size());
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        TopicCell cell;
        utf8::Append(cell.text, c);
        if (c == U'(' || c == U'（') {
            if (i + 1 >= chars.size() || !IsVoicingMark(chars[i + 1])) {
                cell.kind = TopicCell::Kind::OpenArc;
                cells.push_back(cell);
                continue;
            }
        }
        if (c == U')' || c == U'）') {
            if (i + 1 >= chars.size() || !IsVoicingMark(chars[i + 1])) {
                cell.kind = TopicCell::Kind::CloseArc;
                cells.push_back(cell);
                continue;
            }
        }
        if (i + 1 < chars.size() && IsVoicingMark(chars[i + 1])) {
            utf8::Append(cell.text, chars[++i]);
        } else if (TakesBlankAsNumber(c) || TakesBlankAsLetter(c)) {
            cell.text += ' ';
        } else if (std::optional<std::string> substitute = Substitute(c)) {
            cell.text = *substitute;
        } else if (c == U'く') {
            cell.shifted = true;
        }
        cells.push_back(std::move(cell));
    }
    return cells;
}

void DrawTopics(ChartHost& w, double& x, double& textHeight, int twoDigitYear) {
    // Topics are drawn only while one of the two layouts is chosen; a caller
    // that asks once more after a missing list switched them off gets
    // nothing, and the message is not shown again.
    const bool across = w.Item("mnuTopicsDisp", 1).Checked();
    if (!across && !w.Item("mnuTopicsDisp", 2).Checked()) return;
    ChartWindowState& f = w.Fields();
    Surface& pane = w.PricePane();
    Surface* page = f.PrintingNow == kTrue ? w.PrintPage() : nullptr;
    const bool printing = page != nullptr;
    const double q = textHeight;
    const bool inverted = f.InvertedChart == kTrue;
    const double firstY = inverted ? f.PriceBottom + q : f.PriceTop - q;
    const TopicLayout layout = LayoutOf(pane, printing, w.PrintPaper());
    const double x0 = x;

    pane.SetForeColor(QBColor(6));
    pane.SetCurrentY(firstY);
    pane.SetFontSize(layout.paneFontSize);
    double printerFontAtEntry = 0;
    if (printing) {
        printerFontAtEntry = page->FontSize();
        page->SetForeColor(QBColor(2));
        page->SetCurrentY(pane.CurrentY());
        page->SetFontSize(layout.printerFontSize);
    }

    const std::string& appDir = Program().app.AppDir;
    const std::string name(kTopicsFileName);
    if (FileExistsIn(name, appDir) == 0) {
        ReportMissingList(w);
    } else {
        const std::vector<std::string> topics = TopicsOfYear(ListLines(appDir + name), TopicYearText(twoDigitYear));
        Surface& target = printing ? *page : pane;
        if (across) {
            WriteAcross(target, printing, x, topics);
        } else {
            WriteDown(target, printing, inverted, x, firstY, q, pane.ScaleWidth(), layout, topics);
        }
    }

    x = x0;
    pane.SetFontSize(9);
    if (printing) page->SetFontSize(RoundHalfEven(printerFontAtEntry));
}

}  // namespace ranvik
