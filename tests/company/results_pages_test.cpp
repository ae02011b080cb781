#include "company/results_pages.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "platform/runtime/ansi_text.h"

namespace ranvik {
namespace {

using Lines = std::vector<std::string>;
using Cells = std::array<std::string, 5>;

std::string Bytes(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes.append(line).append("\r\n");
    return bytes;
}

// A results table as the site writes it: the unit, the head with one period
// cell a line, then a row heading and its five cells, one a line.
struct Table {
    std::string heading = "損益計算書";
    std::string unit = "百万円";
    Cells periods{"2021.03連", "2022.03連", "2023.03連", "2024.03連", "2025.03連"};
    std::vector<std::pair<std::string, Cells>> rows;

    Lines Build() const {
        Lines l{"<h2>" + heading + "</h2>", "<div class=\"tableType01_unit\"><span>単位：" + unit + "</span></div>",
                "<table><thead>", "<tr><th>決算期</th>"};
        for (const std::string& p : periods) l.push_back("    <td>" + p + "</td>");
        l.push_back("</tr></thead>");
        for (const auto& [name, cells] : rows) {
            l.push_back("<tr><th>" + name + "</th>");
            for (const std::string& c : cells) l.push_back("    <td class=\"num\">" + c + "</td>");
            l.push_back("</tr>");
        }
        l.push_back("</table>");
        return l;
    }
    Cells& Row(const std::string& name) {
        for (auto& [n, cells] : rows)
            if (n == name) return cells;
        throw std::logic_error(name);
    }
};

Table AnnualTable() {
    Table t;
    t.rows = {
        {"売上高", {"1,234,567", "1,000,000", "1,000,000", "1,000,000", "1,000,000"}},
        {"営業利益", {"0", "100,000", "100,000", "100,000", "100,000"}},
        {"経常利益", {"50,000", "50,000", "50,000", "50,000", "200,000"}},
        {"当期利益", {"-1,234", "30,000", "30,000", "30,000", "△5,000"}},
        {"一株利益（円）", {"10.5", "11.5", "12.5", "13.5", "123.45"}},
        {"一株配当（円）", {"30", "35", "---", "40", "50"}},
        {"自己資本比率（％）", {"40.5", "0", "42.25", "43", "44.5"}},
        {"総資産", {"2,000,000", "2,000,000", "2,000,000", "2,000,000", "2,500,000"}},
        {"純資産合計", {"800,000", "800,000", "800,000", "800,000", "900,000"}},
        {"営業利益率（％）", {"0.0", "10.0", "10.0", "10.0", "10.0"}},
    };
    return t;
}

Lines AnnualPage(const Table& t) {
    Lines l{"<html><body>"};
    const Lines table = t.Build();
    l.insert(l.end(), table.begin(), table.end());
    for (const char* s : {"<table>", "<tr><th>一株純資産（円）</th>", "    <td>1,100.00</td>",
                                 "    <td>1,234.56</td>", "</tr>", "</table>", "</body></html>"})
        l.push_back(s);
    return l;
}

AnnualResults ReadAnnual(const Lines& lines) {
    const PageText page(Bytes(lines));
    return ParseAnnualResults(&page);
}

using Grid = std::array<std::array<std::string, 6>, 11>;
Grid Written(const ResultsGridCells& cells, Grid grid) {
    WriteResultsGrid(cells, [&](int r, int c, const std::string& text) { grid[r][c] = text; });
    return grid;
}
// (An overload rather than a default argument of "{}": clang 14 crashes
// evaluating that default for an array of strings.)
Grid Written(const ResultsGridCells& cells) { return Written(cells, Grid()); }

TEST(AnnualResultsTest, AFullTableFillsGridChartsAndLabels) {
    const AnnualResults r = ReadAnnual(AnnualPage(AnnualTable()));
    const Grid g = Written(r.grid);
    const Grid expected{{
        {"", "2021.03  ", "2022.03  ", "2023.03  ", "2024.03  ", "2025.03  "},
        {"売上高", "12345.67", "10000", "10000", "10000", "10000"},
        {"営業利益", "-", "1000", "1000", "1000", "1000"},  // 0 shows "-"
        {"経常利益", "500", "500", "500", "500", "2000"},
        {"当期利益", "-12.34", "300", "300", "300", "-50"},
        {"１株配当", "30", "35", "-", "40", "50"},
        {"総資産", "20000", "20000", "20000", "20000", "25000"},
        {"純資産", "8000", "8000", "8000", "8000", "9000"},
        {"", "", "", "", "", ""},
        {"営業利益率", "0.00", "10.00", "10.00", "10.00", "10.00"},
        {"自己資本比率", "40.50", "-", "42.25", "43.00", "44.50"},
    }};
    for (int row = 0; row < 11; ++row) EXPECT_EQ(g[row], expected[row]) << "grid row " << row;

    EXPECT_EQ(r.Label3, "50(+10.00) 円");
    EXPECT_EQ(r.Label4, "123.45 円");
    EXPECT_EQ(r.Label8, "1,234.56 円");
    EXPECT_EQ(r.Frame1Caption, "投 資 指 標 2025.03");
    EXPECT_EQ(r.unitDivisor, 100);

    EXPECT_EQ(r.MSChart1.title, "損益計算書 (億円)");
    EXPECT_EQ(r.MSChart1.rowLabel1, "売上高");
    EXPECT_EQ(r.MSChart1.values[0], (Cells{"12345.67", "10000", "10000", "10000", "10000"}));
    EXPECT_EQ(r.MSChart1.values[1][0], "0");  // the chart gets the 0 the grid shows as "-"
    EXPECT_EQ(r.MSChart1.values[3][0], "-12.34");
    EXPECT_FALSE(r.MSChart1.columnLabels[0].has_value());
    EXPECT_EQ(r.MSChart3.title, "貸借対照表 (億円)");
    EXPECT_EQ(r.MSChart3.values[1], (Cells{"8000", "8000", "8000", "8000", "9000"}));
    EXPECT_FALSE(r.MSChart2.title.has_value());
    EXPECT_EQ(r.MSChart2.values[0], (Cells{"40.5", "0", "42.25", "43", "44.5"}));
    EXPECT_EQ(r.MSChart5.title, "営業利益率 (％)");
    EXPECT_TRUE(r.MSChart5.legend);
    EXPECT_EQ(r.MSChart5.values[0], (Cells{"0", "10", "10", "10", "10"}));
    EXPECT_EQ(r.MSChart5.columnLabels[0], "2021.03(連)");
    EXPECT_EQ(r.MSChart5.columnLabels[4], "2025.03(連)");
}

TEST(AnnualResultsTest, EachVariationOnItsOwnPage) {
    struct Case {
        const char* name;
        std::function<void(Table&, Lines&)> edit;
        std::function<void(const AnnualResults&, const Grid&)> check;
    };
    const auto build = [](Table& t, Lines& l) { l = AnnualPage(t); };
    const Case cases[] = {
        {"ordinary revenue in place of sales",
         [&](Table& t, Lines& l) {
             t.rows[0].first = "経常収益";
             build(t, l);
         },
         [](const AnnualResults& r, const Grid& g) {
             EXPECT_EQ(g[1][0], "経常収益");
             EXPECT_EQ(r.MSChart1.rowLabel1, "経常収益");
         }},
        {"a unit of thousands divides by nothing",
         [&](Table& t, Lines& l) {
             t.unit = "千円";
             build(t, l);
         },
         [](const AnnualResults& r, const Grid& g) {
             EXPECT_EQ(g[1][2], "1000000");
             EXPECT_EQ(g[4][1], "-1234");
             EXPECT_EQ(r.MSChart1.title, "損益計算書 千円");
             EXPECT_EQ(r.unitDivisor, 1);
             EXPECT_EQ(g[9][2], "10.00");  // the margin does not depend on the unit
         }},
        {"an unchanged dividend",
         [&](Table& t, Lines& l) {
             t.Row("一株配当（円）")[3] = "50";
             build(t, l);
         },
         [](const AnnualResults& r, const Grid&) { EXPECT_EQ(r.Label3, "50(-) 円"); }},
        {"a lower dividend",
         [&](Table& t, Lines& l) {
             t.Row("一株配当（円）") = {"30", "35", "40", "50", "30"};
             build(t, l);
         },
         [](const AnnualResults& r, const Grid&) { EXPECT_EQ(r.Label3, "30(-20.00) 円"); }},
        {"a dividend and earnings that are no numbers",
         [&](Table& t, Lines& l) {
             t.Row("一株配当（円）")[4] = "未定";
             t.Row("一株利益（円）")[4] = "---";
             build(t, l);
         },
         [](const AnnualResults& r, const Grid& g) {
             EXPECT_EQ(r.Label3, " -");
             EXPECT_EQ(r.Label4, " -");
             EXPECT_EQ(g[5][5], "-");
         }},
        {"no operating profit in the latest period: margins on ordinary profit",
         [&](Table& t, Lines& l) {
             t.Row("営業利益")[4] = "-";
             build(t, l);
         },
         [](const AnnualResults& r, const Grid& g) {
             EXPECT_EQ(r.MSChart5.title, "経常利益率 (％)");
             EXPECT_EQ(g[9], (std::array<std::string, 6>{"経常利益率", "4.05", "5.00", "5.00", "5.00", "20.00"}));
         }},
        {"sales of 0",
         [&](Table& t, Lines& l) {
             t.Row("売上高")[1] = "0";
             build(t, l);
         },
         [](const AnnualResults& r, const Grid& g) {
             EXPECT_EQ(r.MSChart5.values[0][1], "0");
             EXPECT_EQ(g[9][2], "-");
         }},
        {"the operating margin row before the table",
         [&](Table& t, Lines& l) {
             build(t, l);
             l.insert(l.begin() + 1, {"<tr><th>営業利益率</th>", "<td>9.9</td>", "</tr>"});
         },
         [](const AnnualResults& r, const Grid& g) {
             EXPECT_EQ(g[2][5], "1000");
             EXPECT_EQ(r.Label8, "1,234.56 円");
         }},
        {"the operating margin row met first while operating profit is sought",
         [&](Table& t, Lines& l) {
             std::swap(t.rows[1], t.rows[9]);  // 営業利益率 in its place, 営業利益 last
             build(t, l);
         },
         [](const AnnualResults&, const Grid& g) {
             EXPECT_EQ(g[2], (std::array<std::string, 6>{"営業利益", "-", "0.1", "0.1", "0.1", "0.1"}));
             EXPECT_EQ(g[3][5], "2000");
         }},
        {"a missing row marker loses the rows after it",
         [&](Table& t, Lines& l) {
             t.rows[3].first = "純利益";
             build(t, l);
         },
         [](const AnnualResults& r, const Grid& g) {
             EXPECT_EQ(g[3][5], "2000");
             for (int row : {4, 6, 7, 10}) EXPECT_EQ(g[row][5], "-") << row;
             EXPECT_EQ(g[5][5], "");  // the dividend row is not written
             EXPECT_EQ(r.Label3, " -");
             EXPECT_EQ(r.Label4, " -");
             EXPECT_EQ(r.Label8, "1,234.56 円");  // found after a move back
         }},
        {"no income statement on the page",
         [&](Table& t, Lines& l) {
             t.heading = "財務諸表";
             build(t, l);
         },
         [](const AnnualResults& r, const Grid& g) {
             EXPECT_EQ(r.MSChart1.title, "損益計算書 ");
             EXPECT_EQ(r.MSChart3.title, "貸借対照表 ");
             EXPECT_FALSE(r.MSChart5.legend);
             EXPECT_EQ(r.MSChart5.title, "経常利益率 (％)");
             EXPECT_EQ(r.MSChart5.columnLabels[0], "");
             EXPECT_EQ(g[0][1], "");
             EXPECT_EQ(g[1][1], "-");
             EXPECT_EQ(g[1][0], "");
             EXPECT_EQ(r.Label8, "1,234.56 円");
             EXPECT_EQ(r.Frame1Caption, "投 資 指 標 ");
             EXPECT_FALSE(r.unitDivisor.has_value());
         }},
        {"an empty period and all cells of a row on one line",
         [&](Table& t, Lines& l) {
             t.periods[4] = "-";
             build(t, l);
             for (std::size_t i = 0; i < l.size(); ++i) {
                 if (l[i] != "<tr><th>総資産</th>") continue;
                 l.erase(l.begin() + static_cast<std::ptrdiff_t>(i) + 1, l.begin() + static_cast<std::ptrdiff_t>(i) + 6);
                 l.insert(l.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                          "<td>100</td><td>200</td> <td>300</td><td>400</td><td>500");
                 break;
             }
         },
         [](const AnnualResults& r, const Grid& g) {
             EXPECT_EQ(g[0][5], "     ---     ");
             EXPECT_EQ(r.MSChart5.columnLabels[4], "");
             EXPECT_EQ(r.Frame1Caption, "投 資 指 標 ");
             EXPECT_EQ(g[6], (std::array<std::string, 6>{"総資産", "1", "2", "3", "4", "-"}));
         }},
        {"net assets per share ending in a hyphen",
         [&](Table& t, Lines& l) {
             build(t, l);
             for (std::string& s : l)
                 if (s == "    <td>1,234.56</td>") s = "    <td>-</td>";
         },
         [](const AnnualResults& r, const Grid&) { EXPECT_EQ(r.Label8, "-"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Table t = AnnualTable();
        Lines lines;
        c.edit(t, lines);
        const AnnualResults r = ReadAnnual(lines);
        c.check(r, Written(r.grid));
    }
}

TEST(AnnualResultsTest, ANewCompanyLeavesNoTextOfTheOneBefore) {
    const Grid first = Written(ReadAnnual(AnnualPage(AnnualTable())).grid);
    Table t = AnnualTable();
    t.periods[3] = t.periods[4] = "";
    t.rows.resize(5);  // no dividend row and nothing after it
    const Grid second = Written(ReadAnnual(AnnualPage(t)).grid, first);
    EXPECT_EQ(second[0][4], "     ---     ");
    EXPECT_EQ(second[0][5], "     ---     ");
    EXPECT_EQ(second[5], (std::array<std::string, 6>{"１株配当", "", "", "", "", ""}));
    EXPECT_EQ(second[6][1], "-");
    // Without a table at all, not even the period row keeps the old labels.
    const PageText none("<p>メンテナンス中</p>\r\n");
    const Grid third = Written(ParseAnnualResults(&none).grid, first);
    EXPECT_EQ(third[0], (std::array<std::string, 6>{"", "", "", "", "", ""}));
    EXPECT_EQ(third[5][5], "");
}

// ---- Interim results ----

Table InterimTable() {
    Table t;
    t.heading = "中間業績";
    t.periods = {"2020.09連", "2021.09連", "2022.09連", "2023.09連", "2024.09連"};
    t.rows = {
        {"売上高", {"500,000", "500,000", "500,000", "500,000", "600,000"}},
        {"営業利益", {"50,000", "50,000", "50,000", "50,000", "60,000"}},
        {"経常利益", {"55,000", "55,000", "55,000", "55,000", "66,000"}},
        {"当期利益", {"30,000", "30,000", "30,000", "30,000", "-3,000"}},
        {"一株利益（円）", {"5", "5", "5", "5", "30.5"}},
        {"一株配当（円）", {"20", "20", "20", "20", "25"}},
    };
    return t;
}

Lines InterimPage(const Table& t, const Lines& between = {}) {
    Lines l{"<html><body>", "<h2>中間業績</h2>"};
    l.insert(l.end(), between.begin(), between.end());
    Lines table = t.Build();
    table.erase(table.begin());  // the heading stands above
    l.insert(l.end(), table.begin(), table.end());
    l.push_back("<h2>経営指標</h2>");
    l.push_back("</body></html>");
    return l;
}

InterimResults ReadInterim(const Lines& lines) {
    const PageText page(Bytes(lines));
    return ParseInterimResults(&page);
}

void ExpectEmptyInterim(const InterimResults& r) {
    EXPECT_EQ(r.MSChart4.title, "中間損益計算書 ");
    EXPECT_FALSE(r.MSChart4.legend);
    EXPECT_EQ(r.MSChart4.values[0], (Cells{"0", "0", "0", "0", "0"}));
    EXPECT_EQ(r.MSChart4.columnLabels[0], "");
    EXPECT_EQ(r.Label19, " -");
    EXPECT_EQ(r.Label20, " -");
    EXPECT_EQ(r.Frame2Caption, "中間投資指標 ");
    EXPECT_FALSE(r.unitDivisor.has_value());
}

TEST(InterimResultsTest, AnInterimTableFillsItsChartAndPanel) {
    const InterimResults r = ReadInterim(InterimPage(InterimTable()));
    EXPECT_EQ(r.MSChart4.title, "中間損益計算書 (億円)");
    EXPECT_TRUE(r.MSChart4.legend);
    EXPECT_EQ(r.MSChart4.rowLabel1, "売上高");
    EXPECT_EQ(r.MSChart4.values[0], (Cells{"5000", "5000", "5000", "5000", "6000"}));
    EXPECT_EQ(r.MSChart4.values[3], (Cells{"300", "300", "300", "300", "-30"}));
    EXPECT_EQ(r.MSChart4.columnLabels[4], "2024.09(連)");
    EXPECT_EQ(r.Label20, "30.5 円");
    EXPECT_EQ(r.Label19, "25(+5.00) 円");
    EXPECT_EQ(r.Frame2Caption, "中間投資指標 2024.09");
    EXPECT_EQ(r.unitDivisor, 100);
}

TEST(InterimResultsTest, TheEmptyBlockTestComparesPositionsWithinTheirLines) {
    // The note stands left of where the heading stands on its own line.
    ExpectEmptyInterim(ReadInterim({"<h2>中間業績</h2>", "<p>該当データはありません</p>", "<div><h2>経営指標</h2></div>"}));
    // The note further right than the heading: the block is read as a table.
    const InterimResults table =
        ReadInterim(InterimPage(InterimTable(), {"<div class=\"note\">該当データは一部です</div>"}));
    EXPECT_EQ(table.MSChart4.values[0][4], "6000");
    EXPECT_EQ(table.Label19, "25(+5.00) 円");
    // A note with no heading after it: the block is read.
    const InterimResults noHeading =
        ReadInterim({"<h2>中間業績</h2>", "<p>該当データは</p>", "<h2>その他</h2>"});
    EXPECT_EQ(noHeading.MSChart4.title, "中間損益計算書 ");
    EXPECT_EQ(noHeading.unitDivisor, 1);  // a head was sought, and none found
    // No interim block at all.
    ExpectEmptyInterim(ReadInterim({"<h2>通期業績</h2>"}));
    ExpectEmptyInterim(ParseInterimResults(nullptr));
}

TEST(InterimResultsTest, PeriodsCellsAndMissingRows) {
    Table t = InterimTable();
    t.periods[4] = "-";
    const InterimResults noPeriod5 = ReadInterim(InterimPage(t));
    EXPECT_EQ(noPeriod5.Frame2Caption, "中間投資指標 2023.09");
    EXPECT_EQ(noPeriod5.MSChart4.columnLabels[4], "");
    EXPECT_EQ(noPeriod5.MSChart4.columnLabels[3], "2023.09(連)");

    // Cells 2 to 5 are the four lines after the first, whatever they hold.
    Lines lines = InterimPage(InterimTable());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != "<tr><th>営業利益</th>") continue;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i) + 2, "<!-- -->");
        break;
    }
    const InterimResults shifted = ReadInterim(lines);
    EXPECT_EQ(shifted.MSChart4.values[1], (Cells{"500", "0", "500", "500", "500"}));

    // A row marker missing: that row and the later ones stay at zero.
    Table missing = InterimTable();
    missing.rows[4].first = "EPS";
    const InterimResults r = ReadInterim(InterimPage(missing));
    EXPECT_EQ(r.MSChart4.values[3][4], "-30");
    EXPECT_EQ(r.Label20, " -");
    EXPECT_EQ(r.Label19, " -");
}

TEST(ResultsPagesTest, PagesCutAnywhereOrInAnotherCodePageAreReadWithoutFailing) {
    Lines lines = AnnualPage(AnnualTable());
    const Lines interim = InterimPage(InterimTable());
    lines.insert(lines.end() - 1, interim.begin() + 1, interim.end() - 1);
    const std::string bytes = Bytes(lines);
    for (std::size_t size = 0; size <= bytes.size(); size += 3) {
        const PageText page(bytes.substr(0, size));
        const AnnualResults annual = ParseAnnualResults(&page);
        const InterimResults r = ParseInterimResults(&page);
        EXPECT_EQ(annual.MSChart1.values.size(), 4u);
        EXPECT_EQ(r.MSChart4.values.size(), 4u);
    }
    const PageText whole(bytes);
    EXPECT_EQ(ParseAnnualResults(&whole).Label3, "50(+10.00) 円");
    EXPECT_EQ(ParseInterimResults(&whole).Label19, "25(+5.00) 円");

    // In Shift-JIS none of the Japanese markers is there.
    const PageText sjis(ToAnsi(bytes));
    const AnnualResults annual = ParseAnnualResults(&sjis);
    EXPECT_EQ(annual.MSChart1.title, "損益計算書 ");
    EXPECT_EQ(annual.Label3, " -");
    EXPECT_EQ(annual.Label8, " -");
    EXPECT_EQ(Written(annual.grid)[1][1], "-");
    EXPECT_EQ(ParseInterimResults(&sjis).MSChart4.title, "中間損益計算書 ");
    EXPECT_EQ(ParseDividendPerShare(&sjis), "---");

    // A value line without "</td>" counts as 0 and ends its row.
    Table t = AnnualTable();
    t.Row("売上高")[1] = "1,000,000<br>";
    Lines unclosed = AnnualPage(t);
    for (std::string& s : unclosed)
        if (s == "    <td class=\"num\">1,000,000<br></td>") s = "    <td class=\"num\">1,000,000";
    const Grid g = Written(ReadAnnual(unclosed).grid);
    EXPECT_EQ(g[1], (std::array<std::string, 6>{"売上高", "12345.67", "-", "-", "-", "-"}));
    EXPECT_EQ(g[2][5], "1000");
}

// ---- Dividend per share of the quote page ----

TEST(DividendPerShareTest, ValueAndPeriodOfTheMarkerLine) {
    struct Case {
        const char* line;
        const char* caption;
    } const cases[] = {
        {"<tr><th>1株配当</th><td>50.00</td><td>2025/03</td></tr>", "50.00 円 (2025/03)"},
        {"<dt>1株配当</dt><dd>---</dd><dd>2025/03</dd>", "---  (2025/03)"},
        {"<dt>1株配当</dt><dd>5</dd><dd>12.5</dd><dd>2025/03</dd>", "12.5 円 (2025/03)"},
        {"<dt>1株配当</dt><dd>---<br></dd><dd>1,200</dd><dd>(2025/03)</dd><dd>2025/03</dd>", "1,200 円 (2025/03)"},
        {"<dt>1株配当</dt><dd>50.00</dd>", "50.00 円 ()"},
        {"<dt>1株配当</dt><dd>50", "  ()"},  // an unclosed tag ends the search with the line
        {"<dt>1株配当</dt>", "  ()"},
        {"<dt>１株配当</dt><dd>50.00</dd>", "---"},  // the full-width 1 is another word
        {"<dt>配当</dt><dd>50.00</dd>", "---"},
    };
    for (const Case& c : cases) {
        const PageText page(Bytes({"<html>", c.line, "</html>"}));
        EXPECT_EQ(ParseDividendPerShare(&page), c.caption) << c.line;
    }
    EXPECT_EQ(ParseDividendPerShare(nullptr), "---");

    // A quote page on one long line, its marker followed by many cells and
    // no period: read to the line's end in good time.
    std::string longLine = "<dt>1株配当</dt><dd>12.5</dd>";
    for (int i = 0; i < 40000; ++i) longLine += "<td>株</td>";
    const PageText page(longLine);
    EXPECT_EQ(ParseDividendPerShare(&page), "12.5 円 ()");
}

}  // namespace
}  // namespace ranvik
