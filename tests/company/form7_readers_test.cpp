#include <QGroupBox>
#include <QLabel>

#include "platform/color/color.h"
#include "platform/color/qt_color.h"
#include "platform/ui/chart_control.h"
#include "platform/ui/twips.h"
#include "tests/company/form7_fixture.h"

namespace ranvik {
namespace {

class Form7ReadersTest : public test::Form7Test {};

std::string Join(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes.append(line).append("\r\n");
    return bytes;
}

std::string Cells(std::initializer_list<const char*> values) {
    std::string line;
    for (const char* v : values) line.append("<td>").append(v).append("</td>");
    return line;
}

// The results page: the annual table with its cells on one line a row, the
// net assets per share, and the interim table with one cell a line.
std::string ResultsPage() {
    std::vector<std::string> l{
        "<h2>損益計算書</h2>",
        "<div class=\"tableType01_unit\"><span>単位：百万円</span></div>",
        "<table><tr><th>決算期</th>",
        "    " + Cells({"2021.03連", "2022.03連", "2023.03連", "2024.03連", "2025.03連"}),
        "</tr></thead>",
        "<tr><th>売上高</th>", Cells({"1,000,000", "1,000,000", "1,000,000", "1,000,000", "1,234,567"}),
        "<tr><th>営業利益</th>", Cells({"100,000", "100,000", "100,000", "100,000", "200,000"}),
        "<tr><th>経常利益</th>", Cells({"110,000", "110,000", "110,000", "110,000", "210,000"}),
        "<tr><th>当期利益</th>", Cells({"60,000", "60,000", "60,000", "60,000", "-1,234"}),
        "<tr><th>一株利益（円）</th>", Cells({"10", "10", "10", "10", "123.45"}),
        "<tr><th>一株配当（円）</th>", Cells({"30", "30", "30", "40", "50"}),
        "<tr><th>自己資本比率（％）</th>", Cells({"40", "40", "40", "40", "44.5"}),
        "<tr><th>総資産</th>", Cells({"2,000,000", "2,000,000", "2,000,000", "2,000,000", "2,000,000"}),
        "<tr><th>純資産合計</th>", Cells({"800,000", "800,000", "800,000", "800,000", "800,000"}),
        "<tr><th>営業利益率</th>", Cells({"10", "10", "10", "10", "16.2"}),
        "</table>",
        "<tr><th>一株純資産（円）</th>", "<td>1,234.56</td>", "</tr>",
        "<h2>中間業績</h2>",
        "<div class=\"tableType01_unit\"><span>単位：百万円</span></div>",
        "<table><tr><th>決算期</th>",
        "    " + Cells({"2020.09連", "2021.09連", "2022.09連", "2023.09連", "2024.09連"}),
        "</tr></thead>",
    };
    for (const char* row : {"<tr><th>売上高</th>", "<tr><th>営業利益</th>", "<tr><th>経常利益</th>",
                            "<tr><th>当期利益</th>", "<tr><th>一株利益（円）</th>", "<tr><th>一株配当（円）</th>"}) {
        l.push_back(row);
        for (const char* v : {"20", "20", "20", "20", "25"}) l.push_back(Cells({v}));
    }
    l.push_back("<h2>経営指標</h2>");
    return Join(l);
}

std::string IndicatorPage() {
    return Join({
        "<li>日経平均採用</li>",
        "<span>現在値</span><span>(15:00)</span>",
        "<span class=\"value now\">1,234</span>",
        "<dt>PER</dt>",
        "<dd class=\"detail_value\">12.5</dd>",
        "<dt>配当利回り</dt>",
        "<dd class=\"detail_value\">2.10</dd>",
        "<p class=\"m-stockInfo_date\">2025/03/14)</p>",
        "<dt>PBR</dt>",
        "<dd class=\"detail_value\">1.20</dd>",
        "<dt>ROE</dt>",
        "<dd class=\"detail_value\">8.50</dd>",
        "<dt>株式益回り</dt>",
        "<dd class=\"detail_value\">6.00</dd>",
        "<th>株主優待</th>",
        "<span class=\"m-stockInfo_detail_unit\">あり</span>",
    });
}

std::string Text(const QLabel* label) { return label->text().toStdString(); }

TEST_F(Form7ReadersTest, ADownloadedCompanyFillsLabelsGridAndCharts) {
    transfer.pages[Results("7203")] = ResultsPage();
    transfer.pages[Indicators("7203")] = IndicatorPage();
    transfer.pages[Quote("7203")] = Join({"<tr><th>1株配当</th><td>50.00</td><td>2025/03</td></tr>"});
    Form7* w = OpenFor("7203", "<東証>トヨタ自動車");
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->Maximized());

    // Indicator page.
    EXPECT_EQ(Text(w->Label15), "12.5 倍");
    EXPECT_EQ(Text(w->Label7), "2.10 %");
    EXPECT_EQ(Text(w->Label12), "1.20 倍");
    EXPECT_EQ(Text(w->Label16), "8.50 %");
    EXPECT_EQ(Text(w->Label11), "6.00 %");
    const std::string priceLine = " 2025/03/14 15:00 株価：1,234";
    EXPECT_EQ(w->Fields().PriceLine, priceLine);
    EXPECT_EQ(w->Fields().SavedPriceLine, priceLine);
    EXPECT_EQ(Label17(), "<東証>トヨタ自動車(100株)" + priceLine);
    EXPECT_EQ(Text(w->Label18), "  株主優待 日経平均採用");
    // 10 twips right of the title, to the nearest pixel.
    EXPECT_NEAR(LeftOf(w->Label18), LeftOf(w->Label17) + WidthOf(w->Label17) + 10, kTwipsPerPixel / 2);
    EXPECT_EQ(FromQColor(w->Label18->palette().color(QPalette::WindowText)), QBColor(13));

    // Annual results.
    EXPECT_EQ(w->Frame1->title().toStdString(), "投 資 指 標 2025.03");
    EXPECT_EQ(Text(w->Label3), "50(+10.00) 円");
    EXPECT_EQ(Text(w->Label4), "123.45 円");
    EXPECT_EQ(Text(w->Label8), "1,234.56 円");
    FlexGrid& grid = *w->MSFGrid1;
    EXPECT_EQ(grid.TextMatrix(0, 5), "2025.03  ");
    EXPECT_EQ(grid.TextMatrix(1, 0), "売上高");
    EXPECT_EQ(grid.TextMatrix(1, 5), "12345.67");
    EXPECT_EQ(grid.TextMatrix(4, 5), "-12.34");
    EXPECT_EQ(grid.TextMatrix(5, 4), "40");
    EXPECT_EQ(grid.TextMatrix(9, 0), "営業利益率");
    EXPECT_EQ(grid.TextMatrix(9, 1), "10.00");
    EXPECT_EQ(grid.TextMatrix(10, 5), "44.50");
    ChartControl& income = *w->MSChart[1];
    EXPECT_EQ(income.Title(), "損益計算書 (億円)");
    EXPECT_EQ(income.RowLabelAt(1), "売上高");
    EXPECT_EQ(income.RowLabelAt(2), "営業利益");  // the design's
    EXPECT_FLOAT_EQ(static_cast<float>(income.DataAt(1, 5)), 12345.67f);
    EXPECT_DOUBLE_EQ(income.DataAt(4, 5), -12.34);
    EXPECT_DOUBLE_EQ(w->MSChart[2]->DataAt(1, 5), 44.5);
    EXPECT_EQ(w->MSChart[3]->Title(), "貸借対照表 (億円)");
    EXPECT_DOUBLE_EQ(w->MSChart[3]->DataAt(2, 1), 8000);
    EXPECT_EQ(w->MSChart[5]->Title(), "営業利益率 (％)");
    EXPECT_EQ(w->MSChart[5]->ColumnLabelAt(5), "2025.03(連)");
    EXPECT_TRUE(w->MSChart[5]->ShowLegend());
    EXPECT_DOUBLE_EQ(w->MSChart[5]->DataAt(1, 2), 10);

    // Interim results and the quote page's dividend.
    EXPECT_EQ(w->MSChart[4]->Title(), "中間損益計算書 (億円)");
    EXPECT_DOUBLE_EQ(w->MSChart[4]->DataAt(1, 5), 0.25);
    EXPECT_EQ(w->MSChart[4]->ColumnLabelAt(1), "2020.09(連)");
    EXPECT_EQ(w->Frame2->title().toStdString(), "中間投資指標 2024.09");
    EXPECT_EQ(Text(w->Label19), "25(+5.00) 円");
    EXPECT_EQ(Text(w->Label20), "25 円");
    EXPECT_EQ(Text(w->Label21), "50.00 円 (2025/03)");
    EXPECT_EQ(w->Fields().UnitDivisor, 100);

    for (int no = 1; no <= 5; ++no) EXPECT_TRUE(w->MSChart[no]->isVisibleTo(w)) << no;
    for (const QGroupBox* frame : {w->Frame1, w->Frame2, w->Frame3}) EXPECT_TRUE(frame->isVisibleTo(w));
    EXPECT_FALSE(w->MSFGrid1->isVisibleTo(w));  // the results-data item has no mark

    // The next company's pages hold none of the markers: placeholders, and
    // nothing of the first company left in the grid.
    form->mnu会社Item_Click(1);
    OpenFor("8058", "三菱商事");
    EXPECT_TRUE(w->MSFGrid1->isVisibleTo(w));
    EXPECT_EQ(Text(w->Label15), " -");
    EXPECT_EQ(Text(w->Label16), " --");
    EXPECT_EQ(Text(w->Label3), " -");
    EXPECT_EQ(Text(w->Label8), " -");
    EXPECT_EQ(Text(w->Label21), "---");
    EXPECT_EQ(Label17(), "三菱商事(100株)");
    // The title takes the width of its text, whichever title came before.
    EXPECT_EQ(w->Label17->width(), w->Label17->sizeHint().width());
    OpenFor("1301", "<東証>極洋ホールディングス・インターナショナル・グループ株式会社");
    EXPECT_EQ(w->Label17->width(), w->Label17->sizeHint().width());
    EXPECT_EQ(w->Frame1->title().toStdString(), "投 資 指 標 ");
    EXPECT_EQ(w->MSChart[1]->Title(), "損益計算書 ");
    EXPECT_DOUBLE_EQ(w->MSChart[1]->DataAt(1, 5), 0);
    for (int column = 1; column <= 5; ++column) {
        EXPECT_EQ(grid.TextMatrix(0, column), "") << column;
        EXPECT_EQ(grid.TextMatrix(5, column), "") << column;
        EXPECT_EQ(grid.TextMatrix(1, column), "-") << column;
    }
}

TEST_F(Form7ReadersTest, APageFileThatCannotBeReadLeavesThePlaceholders) {
    Form7* w = OpenFor("1301", "極洋");
    ASSERT_NE(w, nullptr);
    // The debug item reads the saved pages, which this folder lacks.
    Program().app.DebugPages = kTrue;
    Program().app.SavedPageDir = dir.File("none/");
    OpenFor("8058", "三菱商事");
    EXPECT_EQ(w->Fields().LoadedCode, "8058");
    EXPECT_EQ(Text(w->Label12), " -");
    EXPECT_EQ(Text(w->Label19), " -");
    EXPECT_EQ(Text(w->Label21), "---");
    EXPECT_EQ(w->MSChart[4]->Title(), "中間損益計算書 ");
    EXPECT_TRUE(w->Frame3->isVisibleTo(w));
}

}  // namespace
}  // namespace ranvik
