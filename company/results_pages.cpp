// The annual results table, the interim results and the dividend per share.
#include "company/results_pages.h"

#include "company/page_reader.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

using Periods = std::array<float, 5>;

// The five value cells of an annual table row whose marker line is current.
// Cell 1 is on the next line holding "<td"; each later cell stands behind
// the previous one's "</td>" on the same line, or on the next line.  A page
// that ends first, or a cell without "</td>", gives empty texts from there.
std::array<std::optional<std::string>, 5> AnnualRowCells(PageCursor& page) {
    std::array<std::optional<std::string>, 5> cells;
    if (page.Advance("<td") == 0) return cells;
    std::size_t end = 0;
    cells[0] = ValueCellTextFrom(page.Line(), 1, end);
    for (std::size_t k = 1; k < 5; ++k) {
        if (!cells[k - 1]) return cells;
        if (const std::size_t td = FindIn(page.Line(), "<td", end); td > 0) {
            cells[k] = ValueCellTextFrom(page.Line(), td, end);
        } else {
            if (!page.ReadLine()) return cells;
            cells[k] = ValueCellTextFrom(page.Line(), 1, end);
        }
    }
    return cells;
}

// The interim table's cells: cell 1 on the next line holding "<td", cells
// 2 to 5 on the four lines after it, whatever they hold.
std::array<std::optional<std::string>, 5> InterimRowCells(PageCursor& page) {
    std::array<std::optional<std::string>, 5> cells;
    if (page.Advance("<td") == 0) return cells;
    cells[0] = ValueCellText(page.Line());
    for (std::size_t k = 1; k < 5; ++k) {
        if (!page.ReadLine()) return cells;
        cells[k] = ValueCellText(page.Line());
    }
    return cells;
}

ChartTexts EmptyChart(std::size_t rows) {
    ChartTexts chart;
    chart.values.assign(rows, {});
    return chart;
}

// A caption and what follows it, joined by appending.
std::string Joined(const char* caption, const std::string& rest) {
    std::string text(caption);
    text.append(rest);
    return text;
}

std::string DashForZero(float value, const std::string& text) { return value == 0 ? "-" : text; }

}  // namespace

AnnualResults ParseAnnualResults(const PageText* page) {
    AnnualResults out;
    out.MSChart1 = EmptyChart(4);
    out.MSChart2 = EmptyChart(1);
    out.MSChart3 = EmptyChart(2);
    out.MSChart5 = EmptyChart(1);
    std::array<Periods, 4> income{};
    std::array<Periods, 2> balance{};
    Periods equity{};
    float previousDividend = 0;
    ResultsHeader head;
    auto& grid = out.grid;

    PageCursor cursor(page);
    if (cursor.Advance("損益計算書") > 0) {
        head = ParseResultsHeader(cursor);
        out.unitDivisor = head.unitDivisor;
        const float divisor = static_cast<float>(head.unitDivisor);
        // Each marker ending in bytes takes only the word that character
        // begins: 営業利 E7 9B is 営業利益 (and 営業利益率), 純資産 E5 90 is 純資産合計.
        static constexpr std::array<std::string_view, 10> kMarkers{
            "<th",           "営業利\xE7\x9B", "経常利\xE7\x9B", "当期利\xE7\x9B", "一株利益（\xE5",
            "一株配当（\xE5", "自己資本比率",  "総資産",        "純資産\xE5\x90", "営業利益率"};
        for (std::size_t row = 1; row <= 10; ++row) {
            if (row == 1) {
                cursor.MoveBack();
                cursor.Advance("</thead>");
            } else if (row == 10) {
                cursor.MoveBack();
            }
            if (cursor.Advance(kMarkers[row - 1]) == 0) continue;
            if (row == 1) {
                const std::string label = FirstRowLabel(cursor.Line());
                out.MSChart1.rowLabel1 = label;
                static constexpr std::array<const char*, 6> kLabels{"営業利益", "経常利益", "当期利益",
                                                                    "１株配当", "総資産",   "純資産"};
                grid[1][0] = label;
                for (std::size_t r = 2; r <= 7; ++r) grid[r][0] = kLabels[r - 2];
                for (std::size_t k = 1; k <= 5; ++k) grid[0][k] = "     ---     ";
            }
            const auto cells = AnnualRowCells(cursor);
            for (std::size_t k = 0; k < 5; ++k) {
                const std::string text = cells[k].value_or("");
                const Figure f = ReadFigure(text);
                if (row <= 4) {
                    income[row - 1][k] = f.value / divisor;
                } else if (row == 5) {
                    if (k == 4 && f.numeric) out.Label4 = text + " 円";
                } else if (row == 6) {
                    grid[5][k + 1] = f.numeric ? FigureText(f.value) : "-";
                    if (k == 3) previousDividend = f.value;
                    if (k == 4 && f.numeric) out.Label3 = DividendWithChange(text, f.value - previousDividend);
                } else if (row == 7) {
                    equity[k] = f.value;
                } else if (row <= 9) {
                    balance[row - 8][k] = f.value / divisor;
                }
            }
        }
    }

    // Net assets per share: the row's last value cell.
    cursor.MoveBack();
    if (cursor.Advance("一株純資産") > 0) {
        while (cursor.ReadLine() && FindIn(cursor.Line(), "</tr>") == 0) {
            if (FindIn(cursor.Line(), "<td") == 0) continue;
            if (auto text = ValueCellText(cursor.Line())) out.Label8 = IsNumeric(*text) ? *text + " 円" : *text;
        }
    }

    const bool anyPeriod = head.AnyPeriod();
    out.MSChart1.title = Joined("損益計算書 ", anyPeriod ? head.unitLabel : "");
    out.MSChart3.title = Joined("貸借対照表 ", anyPeriod ? head.unitLabel : "");
    out.MSChart5.legend = anyPeriod;
    for (std::size_t k = 0; k < 5; ++k) {
        const std::string& period = head.periods[k];
        if (period.empty()) {
            out.MSChart5.columnLabels[k] = "";
            continue;
        }
        grid[0][k + 1] = PeriodLabel(period) + "  ";
        if (k == 4) out.Frame1Caption = Joined("投 資 指 標 ", PeriodLabel(period));
        out.MSChart5.columnLabels[k] = PeriodChartLabel(period);
    }
    for (std::size_t r = 0; r < 4; ++r) {
        for (std::size_t k = 0; k < 5; ++k) {
            out.MSChart1.values[r][k] = FigureText(income[r][k]);
            grid[r + 1][k + 1] = DashForZero(income[r][k], FigureText(income[r][k]));
        }
    }
    for (std::size_t r = 0; r < 2; ++r) {
        for (std::size_t k = 0; k < 5; ++k) {
            out.MSChart3.values[r][k] = FigureText(balance[r][k]);
            grid[r + 6][k + 1] = DashForZero(balance[r][k], FigureText(balance[r][k]));
        }
    }
    grid[10][0] = "自己資本比率";
    for (std::size_t k = 0; k < 5; ++k) {
        out.MSChart2.values[0][k] = FigureText(equity[k]);
        grid[10][k + 1] = DashForZero(equity[k], TwoDecimals(equity[k]));
    }
    // The margin rests on operating profit unless the latest period has
    // none, as banks and insurers report no operating profit.
    const bool operating = income[1][4] != 0;
    const Periods& basis = operating ? income[1] : income[2];
    out.MSChart5.title = operating ? "営業利益率 (％)" : "経常利益率 (％)";
    grid[9][0] = operating ? "営業利益率" : "経常利益率";
    for (std::size_t k = 0; k < 5; ++k) {
        const float sales = income[0][k];
        if (sales != 0) {
            const float margin = basis[k] / sales * 100;
            out.MSChart5.values[0][k] = FigureText(margin);
            grid[9][k + 1] = TwoDecimals(margin);
        } else {
            out.MSChart5.values[0][k] = "0";
            grid[9][k + 1] = "-";
        }
    }
    return out;
}

void WriteResultsGrid(const ResultsGridCells& cells,
                      const std::function<void(int row, int column, const std::string& text)>& setCell) {
    for (int row = 0; row < 11; ++row)
        for (int column = 1; column < 6; ++column) setCell(row, column, "");
    for (int row = 0; row < 11; ++row)
        for (int column = 0; column < 6; ++column)
            if (const auto& text = cells[row][column]) setCell(row, column, *text);
}

InterimResults ParseInterimResults(const PageText* page) {
    InterimResults out;
    out.MSChart4 = EmptyChart(4);
    std::array<Periods, 4> interim{};
    float previousDividend = 0;
    ResultsHeader head;

    PageCursor cursor(page);
    if (cursor.Advance("中間業績") > 0) {
        // A block that says it has no data (該当データは…) before the next
        // heading is empty.  The two positions are compared as numbers, each
        // within its own line, as the page has always been read.
        bool empty = false;
        if (const std::size_t none = cursor.Advance("該当データは"); none > 0) {
            const std::size_t heading = cursor.Advance("経営指標");
            empty = heading > 0 && heading > none;
        }
        if (!empty) {
            cursor.MoveBack();
            cursor.Advance("中間業績");
            head = ParseResultsHeader(cursor);
            out.unitDivisor = head.unitDivisor;
            const float divisor = static_cast<float>(head.unitDivisor);
            static constexpr std::array<std::string_view, 6> kMarkers{
                "<th", "営業利\xE7\x9B", "経常利\xE7\x9B", "当期利\xE7\x9B", "一株利益（\xE5", "一株配当（\xE5"};
            for (std::size_t row = 1; row <= 6; ++row) {
                if (cursor.Advance(kMarkers[row - 1]) == 0) break;
                if (row == 1) out.MSChart4.rowLabel1 = FirstRowLabel(cursor.Line());
                const auto cells = InterimRowCells(cursor);
                for (std::size_t k = 0; k < 5; ++k) {
                    const std::string text = cells[k].value_or("");
                    const Figure f = ReadFigure(text);
                    if (row <= 4) {
                        interim[row - 1][k] = f.value / divisor;
                    } else if (row == 5) {
                        if (k == 4 && f.numeric) out.Label20 = text + " 円";
                    } else {
                        if (k == 3) previousDividend = f.value;
                        if (k == 4 && f.numeric) out.Label19 = DividendWithChange(text, f.value - previousDividend);
                    }
                }
            }
        }
    }

    const bool anyPeriod = head.AnyPeriod();
    out.MSChart4.title = Joined("中間損益計算書 ", anyPeriod ? head.unitLabel : "");
    out.MSChart4.legend = anyPeriod;
    for (std::size_t k = 0; k < 5; ++k) {
        const std::string& period = head.periods[k];
        out.MSChart4.columnLabels[k] = period.empty() ? std::string() : PeriodChartLabel(period);
        if (!period.empty() && k >= 3) out.Frame2Caption = Joined("中間投資指標 ", PeriodLabel(period));
        for (std::size_t r = 0; r < 4; ++r) out.MSChart4.values[r][k] = FigureText(interim[r][k]);
    }
    return out;
}

std::string ParseDividendPerShare(const PageText* page) {
    PageCursor cursor(page);
    if (cursor.Advance("1株配\xE5") == 0) return "---";
    // The quote page may stand on one long line: the walk goes by bytes,
    // which in UTF-8 find the same tags as characters would.
    const std::string_view line = cursor.Line();
    constexpr auto npos = std::string_view::npos;

    // The value: the first text between tags of two characters or more that
    // is a number, or a "---" closed by "</".
    std::string value;
    std::size_t valueEnd = npos;
    for (std::size_t from = line.find("1株配\xE5");;) {
        const std::size_t open = line.find('>', from);
        if (open == npos) break;
        const std::size_t lt = line.find('<', open + 1);
        if (lt == npos) break;
        const std::string_view text = line.substr(open + 1, lt - open - 1);
        if ((CharCount(text) >= 2 && IsNumeric(text)) || (text == "---" && line.substr(lt, 2) == "</")) {
            value = text;
            valueEnd = lt;
            break;
        }
        from = open + 1;
    }
    // The period behind it: a text of seven characters opening with a year.
    std::string period;
    for (std::size_t lt = valueEnd; lt != npos;) {
        const std::size_t open = line.find('>', lt + 1);
        if (open == npos) break;
        lt = line.find('<', open + 1);
        if (lt == npos) break;
        const std::string_view text = line.substr(open + 1, lt - open - 1);
        if (CharCount(text) == 7 && IsNumeric(LeftChars(text, 4))) {
            period = text;
            break;
        }
    }
    return value + (IsNumeric(value) ? " 円" : " ") + " (" + period + ")";
}

}  // namespace ranvik
