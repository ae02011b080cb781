// The printed page on the recording printer, against values worked out here.
#include <cmath>

#include "platform/runtime/number_format.h"
#include "tests/print/print_fixture.h"

namespace ranvik::test {
namespace {

using Kind = RecordedCall::Kind;

TEST_F(PrintTest, PageScaleWidensTheChartAndIsKept) {
    Show(DataFileBuilder(300));
    Print();
    const Surface& pic = w.price;
    const double W = pic.ScaleWidth() * 0.1;
    const float H = static_cast<float>(pic.ScaleHeight() * 0.33);
    const Surface& page = w.recording.Page();
    EXPECT_NEAR(w.fields.SavedScaleHeight, H / 2 * 2.37 + pic.ScaleHeight() * 1.1, 1e-6);
    EXPECT_NEAR(w.fields.SavedScaleTop, pic.ScaleTop() - H / 2, 1e-3);
    EXPECT_NEAR(w.fields.VolumePaneFactor, (H / 135.0 / pic.ScaleHeight() + 1) * 1.279 * 1.2, 1e-9);
    EXPECT_NEAR(w.fields.VolumePaneFactor, 1.5386, 1e-3);
    EXPECT_NEAR(page.ScaleLeft(), pic.ScaleLeft() - W, 1e-4);
    EXPECT_NEAR(page.ScaleWidth(), pic.ScaleWidth() + 2 * W, 1e-4);
    EXPECT_EQ(w.recording.endDocs, 1);
}

// The grid starts at PriceBottom when that is a multiple of the step, else
// at the next multiple above; every third line is heavy; the line on
// PriceTop is the frame's, but its label is printed.
TEST_F(PrintTest, PriceGridStartHeavyLinesAndTopLabel) {
    struct Case {
        double bottom, top;
        float step;
        double first;
    };
    const Case cases[] = {{1000, 1500, 100, 1000}, {1010, 1500, 100, 1100}, {950, 1400, 50, 950}, {-30, 200, 20, 0}};  // Fix truncates toward zero
    for (const Case& c : cases) {
        Show(DataFileBuilder(120));
        w.fields.PriceBottom = c.bottom;
        w.fields.PriceTop = c.top;
        w.fields.PriceGridStep = c.step;
        w.fields.AxisFormat = "#,##0";
        Print();
        std::vector<RecordedCall> grid;
        for (const auto& l : Calls(Kind::Line)) {
            if (l.state.Style == DrawStyle::Dot && l.y1 == l.y2) grid.push_back(l);
        }
        ASSERT_FALSE(grid.empty()) << c.bottom;
        EXPECT_DOUBLE_EQ(grid.front().y1, c.first) << c.bottom;
        for (std::size_t i = 0; i < grid.size(); ++i) {
            const bool heavy = i % 3 == 2;
            EXPECT_EQ(grid[i].state.DrawWidth, heavy ? 2 : 1) << c.bottom << " line " << i;
            EXPECT_EQ(grid[i].color, heavy ? QBColor(13) : QBColor(6));
            EXPECT_NE(grid[i].y1, c.top);
        }
        const bool topOnGrid = std::fmod(c.top - c.first, c.step) == 0;
        EXPECT_EQ(FindText(FormatNumber(c.top, "#,##0")) != nullptr, topOnGrid) << c.bottom;
    }
}

TEST_F(PrintTest, LowerPaneRepeatsLabelsAndClosesWithALine) {
    Show(DataFileBuilder(120));
    w.SetItem("mnu陰陽足", 1, true);
    w.fields.AxisFormat = "#,##0";
    Print();
    const std::string label = FormatNumber(w.fields.PriceBottom + 0, "#,##0");
    int grid = 0;
    for (const auto& t : Texts()) {
        if (std::fabs(t.x1 - (w.recording.Page().ScaleLeft() + w.price.ScaleWidth() * 0.1 / 2)) < 1e-3) ++grid;
    }
    std::size_t dotted = 0;
    for (const auto& l : Calls(Kind::Line)) dotted += l.state.Style == DrawStyle::Dot ? 1 : 0;
    EXPECT_GE(grid, 2 * static_cast<int>(dotted));
    const double bottom = w.fields.PriceBottom - w.fields.PriceSpan;
    bool closing = false;
    for (const auto& l : Calls(Kind::Line)) {
        closing |= l.y1 == bottom && l.y2 == bottom && l.x1 == 0 && l.color == QBColor(6);
    }
    EXPECT_TRUE(closing);
}

// Date axis marks by the chart's width: quarter lines between 5000 and
// 13000, month lines up to 5000, month numbers up to 3000 (daily).
TEST_F(PrintTest, DailyDateAxisByWidth) {
    struct Case {
        double width;
        bool quarterLines, monthLines, monthNumbers;
    };
    const Case cases[] = {
        {2500, false, true, true}, {4000, false, true, false}, {8000, true, false, false}, {14000, false, false, false}};
    for (const Case& c : cases) {
        Show(DataFileBuilder(2200));
        w.fields.IsDaily = kTrue;
        w.price.Scale(0, w.fields.PriceTop, c.width, w.fields.ClipLevelL);
        Print();
        int light = 0, yearLines = 0;
        for (const auto& l : Calls(Kind::Line)) {
            if (l.x1 == l.x2 && l.color == RGB(200, 200, 200)) ++light;
            if (l.x1 == l.x2 && l.color == RGB(100, 100, 100)) ++yearLines;
        }
        int numbers = 0, years = 0;
        for (const auto& t : Texts()) {
            if (t.color == QBColor(2) && t.text.size() <= 4 && t.text[0] == ' ') ++numbers;
            if (t.text.rfind(" '", 0) == 0) ++years;
        }
        EXPECT_GT(yearLines, 0) << c.width;
        EXPECT_EQ(years, yearLines) << c.width;
        EXPECT_EQ(light > 0, c.quarterLines || c.monthLines) << c.width;
        EXPECT_EQ(numbers > 0, c.monthNumbers) << c.width;
    }
}

TEST_F(PrintTest, WideViewsLabelOnlyYearsDivisibleByFive) {
    DataFileBuilder file(1500, Spacing::Weeks, {1990, 1, 5});
    Show(file);
    w.fields.IsDaily = 0;
    w.fields.FirstRecord = 2;
    w.fields.ViewWidth = 10000;
    w.price.Scale(0, w.fields.PriceTop, 10000, w.fields.ClipLevelL);
    Print();
    std::vector<std::string> years;
    for (const auto& t : Texts()) {
        if (t.text.rfind(" '", 0) == 0) years.push_back(t.text);
    }
    ASSERT_FALSE(years.empty());
    for (const auto& y : years) EXPECT_EQ(std::stoi(y.substr(2)) % 5, 0) << y;
}

TEST_F(PrintTest, BalanceLegendOnlyWithBalancesAlone) {
    DataFileBuilder file(120);
    for (int r = 2; r <= file.LastRecord(); ++r) file[r].SellBalance = 500, file[r].BuyBalance = 900;
    file.Seal();
    Show(file);
    w.SetItem("mnuSinyouBB", 1, true);
    w.SetItem("mnuDekidaka", 1, false);
    Print();
    const RecordedCall* sell = FindText("信用売残");
    ASSERT_NE(sell, nullptr);
    EXPECT_EQ(sell->color, QBColor(9));
    EXPECT_DOUBLE_EQ(sell->y1, w.fields.PriceBottom);
    ASSERT_NE(FindText(" 信用買残"), nullptr);
    EXPECT_EQ(FindText(" 信用買残")->color, QBColor(13));
    w.SetItem("mnuDekidaka", 1, true);
    Print();
    EXPECT_EQ(FindText("信用売残"), nullptr);
}

TEST_F(PrintTest, CandleColoursMarkTheFileExtremes) {
    DataFileBuilder file(60);
    file[20].High = 5000;
    file.Seal();
    Show(file);
    Print();
    int red = 0, blue = 0;
    for (const auto& l : Calls(Kind::Line)) {
        if (l.x1 != l.x2 || l.state.DrawWidth != 2) continue;
        if (l.color == RGB(255, 0, 0)) ++red;
        if (l.color == RGB(0, 120, 200)) ++blue;
    }
    EXPECT_GE(red, 1);
    EXPECT_GT(blue, 10);
}

// The factor is a single-precision value: from 0.02 it ends at 0.22 (after
// 0.19999999), from 0.03 at 0.21.
TEST_F(PrintTest, ParabolicFactorStopsPastTwoTenths) {
    struct Case {
        float start, last;
    };
    for (const Case c : {Case{0.02f, 0.22f}, Case{0.03f, 0.21f}}) {
        DataFileBuilder file(200);
        for (int r = 2; r <= file.LastRecord(); ++r) {
            file[r].Open = static_cast<float>(1000 + 10 * r);
            file[r].Close = file[r].Open + 8;
            file[r].High = file[r].Open + 9;
            file[r].Low = file[r].Open - 1;
        }
        file.Seal();
        Show(file);
        w.SetItem("mnuParabolic", 1, true);
        w.fields.ParabolicAF = c.start;
        Print();
        EXPECT_EQ(w.fields.ParabolicUp, kTrue);
        EXPECT_NEAR(w.fields.ParabolicAFNow, c.last, 1e-6) << c.start;
        EXPECT_GT(w.fields.ParabolicAFNow, 0.2f);
    }
    float af = 0.02f;
    for (int i = 0; i < 9; ++i) af = af + 0.02f;
    EXPECT_LT(af, 0.2f);
}

TEST_F(PrintTest, KagiWithoutTimeAxisStepsFromTheLeftEdge) {
    DataFileBuilder file(60);
    const float closes[] = {1000, 990, 980, 1100, 1120, 1000};
    for (int i = 0; i < 6; ++i) {
        file[2 + i].Close = closes[i];
        file[2 + i].Open = closes[i];
    }
    file.Seal();
    Show(file);
    w.fields.FirstRecord = 3;
    w.fields.KagiPct = 3;
    w.SetItem("mnuKagiAshi", 2, true);
    Print();
    std::vector<RecordedCall> kagi;
    for (const auto& l : Calls(Kind::Line)) {
        if (l.color == QBColor(0) && l.x1 < 30 && l.kind == Kind::Line) kagi.push_back(l);
    }
    ASSERT_GE(kagi.size(), 4u);
    EXPECT_EQ(kagi[0].x1, 3);  // falling from 1000 down to 990
    EXPECT_EQ(kagi[0].y2, 990);
    EXPECT_EQ(kagi[1].y2, 980);
    EXPECT_EQ(kagi[2].x1, 3);  // the turn: across at 980 to x = 10, up to 1100
    EXPECT_EQ(kagi[2].x2, 10);
    EXPECT_EQ(kagi[3].x1, 10);
    EXPECT_EQ(kagi[3].y2, 1100);
}

TEST_F(PrintTest, KagiFromAPriceOfZeroWaitsForAPrice) {
    DataFileBuilder file(60);
    file[2].Close = 0;
    file.Seal();
    Show(file);
    w.fields.FirstRecord = 3;
    w.fields.KagiPct = 3;
    w.SetItem("mnuKagiAshi", 1, true);
    EXPECT_EQ(Print(), PrintOutcome::Printed);
    EXPECT_GT(w.fields.KagiLastPrice, 0);
    for (const auto& l : Calls(Kind::Line)) {
        EXPECT_TRUE(std::isfinite(l.y1) && std::isfinite(l.y2));
    }
}

// Title and version line.
TEST_F(PrintTest, TitleNamesTheStockPeriodAndFamily) {
    struct Case {
        const char* item;
        int index;
        std::string title;
    };
    const Case cases[] = {
        {nullptr, 0, "極洋(日足)    "},
        {"mnuボリンジャ", 1, "極洋(日足)    ボリンジャバンド 25日"},
        {"mnuHLband", 1, "極洋(日足)    ＨＬバンド 25日"},
        {"mnuPibott", 1, "極洋(日足)    ピボット "},
        {"mnuParabolic", 1, "極洋(日足)    パラボリックタイムプライス AF=0.02"},
        {"mnuEnvelope", 1, "極洋(日足)    エンベロープ 25日 : , 10, 2.5％"},
    };
    for (const Case& c : cases) {
        Show(DataFileBuilder(60));
        for (const char* item : {"mnuボリンジャ", "mnuHLband", "mnuPibott", "mnuParabolic", "mnuEnvelope"}) {
            w.SetItem(item, 1, false);
        }
        if (c.item != nullptr) w.SetItem(c.item, c.index, true);
        w.fields.BandPeriod = 25;
        w.fields.ParabolicAF = 0.02f;
        w.fields.EnvelopePct = 2.5f;
        w.mainBoxes[37] = "0";
        w.mainBoxes[39] = " 10 ";
        Print();
        EXPECT_NE(FindText(c.title), nullptr) << c.title;
    }
}

TEST_F(PrintTest, TitlePlaceByPaperAndVersionLine) {
    struct Case {
        int paper, orientation;
        bool inverted;
        int n;
        double font;
    };
    const Case cases[] = {{9, 2, false, 7, 14}, {9, 1, false, 5, 14}, {13, 2, false, 8, 13},
                          {11, 1, true, 7, 11}, {43, 2, true, 10, 8}};
    for (const Case& c : cases) {
        Show(DataFileBuilder(60));
        w.fields.InvertedChart = c.inverted ? kTrue : 0;
        w.menus.Item("mnuFuncExItem", 3).SetChecked(true);
        PrintOptions o;
        o.A4size = c.paper == 9, o.B5size = c.paper == 13, o.A5size = c.paper == 11, o.postcardSize = c.paper == 43;
        o.landscape = c.orientation == 2, o.portrait = c.orientation == 1;
        Print(o);
        const RecordedCall* title = FindText("極洋(日足)    ");
        ASSERT_NE(title, nullptr);
        double U = w.fields.PriceSpan / 130.0;
        if (c.paper == 11 && c.orientation == 2) U *= 0.8;
        const double y = c.inverted ? w.fields.PriceBottom - c.n * U : w.fields.PriceTop + c.n * U;
        EXPECT_NEAR(title->y1, y, 1e-6) << c.paper << "/" << c.orientation;
        EXPECT_EQ(title->state.FontSize, c.font);
        EXPECT_EQ(title->color, QBColor(9));
        EXPECT_NE(FindText("Ranvikチャート Ver.4.4.24 β "), nullptr);
        EXPECT_NE(FindText("2024/05/17"), nullptr);
    }
}

}  // namespace
}  // namespace ranvik::test
