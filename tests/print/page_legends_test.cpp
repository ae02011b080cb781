// The legends of the printed page, the frame line below the chart, the pivot
// lines, the corrected candles and the weekly and monthly date axes.
#include <cmath>
#include <functional>

#include "tests/print/print_fixture.h"

namespace ranvik::test {
namespace {

using Kind = RecordedCall::Kind;

// The legend reads the periods as the drawers of the page leave them.
TEST_F(PrintTest, FirstLegendColumnByFamily) {
    struct Line {
        std::string text;
        int colour;
    };
    auto n = [this](std::size_t i) { return std::to_string(w.fields.OverlayPeriods[i]); };
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, int>> items;
        std::function<std::vector<Line>()> lines;
        std::string title;
    };
    const Case cases[] = {
        {"ichimoku",
         {{"mnu一目", 1}},
         [&] {
             return std::vector<Line>{{std::string("転換線(").append(n(0)).append("日)"), 4},
                                      {std::string("基準線(").append(n(1)).append("日)"), 12},
                                      {"先行スパン１上限線", 9},
                                      {"先行スパン２下限線", 13},
                                      {"遅行スパン", 3}};
         },
         "極洋(日足)    一目均衡表"},
        {"cloud only", {{"mnu一目", 1}, {"mnu一目雲のみ", 1}}, [] { return std::vector<Line>{}; },
         "極洋(日足)    一目均衡表雲のみ"},
        {"moving averages",
         {{"mnuIdouHeikin", 1}},
         [&] {
             std::vector<Line> lines;
             const int colours[4] = {8, 12, 13, 6};
             for (std::size_t i = 0; i < 4; ++i) {
                 if (w.fields.OverlayPeriods[i] > 0) lines.push_back({n(i) + "日移動平均", colours[i]});
             }
             return lines;
         },
         "極洋(日足)    移動平均線"},
    };
    for (const Case& c : cases) {
        Show(DataFileBuilder(120));
        for (const auto& [item, index] : c.items) w.SetItem(item, index, true);
        // The moving averages' periods of daily data.
        w.mainBoxes[20] = "5", w.mainBoxes[21] = "25", w.mainBoxes[22] = "75";
        Print();
        const std::vector<Line> lines = c.lines();
        if (std::string(c.name) == "moving averages") {
            EXPECT_GE(lines.size(), 3u);
        }
        double y = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const RecordedCall* t = FindText(lines[i].text);
            ASSERT_NE(t, nullptr) << c.name << ": " << lines[i].text;
            EXPECT_EQ(t->x1, 10) << c.name;
            EXPECT_EQ(t->color, QBColor(lines[i].colour)) << lines[i].text;
            if (i > 0) {
                EXPECT_LT(t->y1, y) << c.name << ": each line below the one before";
            } else {
                EXPECT_NEAR(t->y1, w.fields.PriceTop - 3 * w.fields.PriceSpan / 130.0, 1e-6);
            }
            y = t->y1;
        }
        EXPECT_NE(FindText(c.title), nullptr) << c.name;
        for (const auto& [item, index] : c.items) w.SetItem(item, index, false);
    }
}

TEST_F(PrintTest, SecondLegendColumnLinesOrTitle) {
    Show(DataFileBuilder(120));
    w.fields.ParabolicAF = 0.02f;
    w.fields.KagiPct = 3;
    w.mainBoxes[62] = "0";  // the regression periods of daily data
    w.mainBoxes[63] = "75";
    w.SetItem("mnuParabolic", 1, true);
    w.SetItem("mnuKagiAshi", 2, true);
    w.SetItem("mnu線形回帰", 1, true);
    Print();
    // No family: the parabolic names the page, the others are lines.
    EXPECT_NE(FindText("極洋(日足)    パラボリックタイムプライス AF=0.02"), nullptr);
    const RecordedCall* kagi = FindText("非時系列カギ足 3 ％");
    ASSERT_NE(kagi, nullptr);
    EXPECT_EQ(kagi->color, QBColor(0));
    EXPECT_NEAR(kagi->x1, w.recording.Page().ScaleWidth() / 8, 1e-6);
    ASSERT_NE(FindText("線形回帰トレンド,75日"), nullptr);
    EXPECT_EQ(FindText("線形回帰トレンド,75日")->color, QBColor(2));
    w.SetItem("mnuボリンジャ", 1, true);
    w.fields.BandPeriod = 25;
    Print();
    EXPECT_NE(FindText("パラボリックタイムプライス AF=0.02"), nullptr);
    EXPECT_NE(FindText("極洋(日足)    ボリンジャバンド 25日"), nullptr);
}

TEST_F(PrintTest, FrameLineBelowTheChartFollowsInversion) {
    for (bool inverted : {false, true}) {
        Show(DataFileBuilder(120));
        w.fields.InvertedChart = inverted ? kTrue : 0;
        Print();
        const double y = inverted ? w.fields.ClipLevelH : w.fields.ClipLevelL;
        bool found = false;
        for (const auto& l : Calls(Kind::Line)) {
            found |= l.state.DrawWidth == 6 && l.color == QBColor(6) && std::fabs(l.y1 - y) < 1e-3 && l.y1 == l.y2;
        }
        EXPECT_TRUE(found) << inverted;
    }
}

TEST_F(PrintTest, CorrectedCandlesAreLighter) {
    DataFileBuilder file(60);
    file[40].High = 5000;
    file.Seal();
    Show(file);
    w.SetItem("mnuHosei", 1, true);
    w.fields.CorrectionRecord = 45;
    w.fields.CorrectionFactor = 2;
    w.fields.FileHigh = 2500;  // the extreme as corrected
    w.fields.FirstRecord = 2;
    Print();
    int normal = 0, corrected = 0, extreme = 0;
    for (const auto& l : Calls(Kind::Line)) {
        if (l.x1 != l.x2) continue;
        normal += l.color == RGB(0, 120, 200);
        corrected += l.color == RGB(50, 170, 250);
        extreme += l.color == RGB(255, 50, 50);
    }
    EXPECT_EQ(extreme, 1);
    EXPECT_EQ(corrected, 42);  // records 2 to 44 less the extreme
    EXPECT_GT(normal, 0);
    // A factor of 0 corrects nothing rather than dividing by it.
    w.fields.CorrectionFactor = 0;
    EXPECT_EQ(Print(), PrintOutcome::Printed);
    for (const auto& l : Calls(Kind::Line)) EXPECT_TRUE(std::isfinite(l.y1) && std::isfinite(l.y2));
}

TEST_F(PrintTest, PivotStartsAtTheSecondBarAndIsClipped) {
    Show(DataFileBuilder(120));
    w.fields.FirstRecord = 2;
    w.SetItem("mnuPibott", 1, true);
    Print();
    std::vector<RecordedCall> p;
    for (const auto& l : Calls(Kind::Line)) {
        if (l.color == QBColor(12) && l.state.DrawWidth == 2 && l.x2 - l.x1 == 7) p.push_back(l);
    }
    ASSERT_FALSE(p.empty());
    EXPECT_EQ(p.front().x1, 3);  // from the first bar's centre to the second's
    const QuoteRecord first = [&] {
        ChartFile f;
        f.Open(w.fields.DataFileName);
        return f.Read(2, Program().store.QuoteBufB);
    }();
    EXPECT_FLOAT_EQ(static_cast<float>(p.front().y1), (first.Low + first.High + first.Close) / 3);
    for (const auto& l : Calls(Kind::Line)) {
        if (l.color == QBColor(8) && l.x2 - l.x1 <= 7 && l.x2 > l.x1 && l.state.Style == DrawStyle::Solid) {
            EXPECT_LE(l.y1, w.fields.ClipLevelH + 1e-3);
            EXPECT_GE(l.y2, w.fields.ClipLevelL - 1e-3);
        }
    }
}

TEST_F(PrintTest, WeeklyAxisTicksAndMonthNumbers) {
    struct Case {
        double width;
        bool ticks, numbers;
    };
    for (const Case c : {Case{400, true, true}, Case{3000, true, false}, Case{6000, false, false}}) {
        Show(DataFileBuilder(900, Spacing::Weeks, {2001, 1, 5}));
        w.fields.IsDaily = 0;
        w.fields.FirstRecord = 2;
        w.price.Scale(0, w.fields.PriceTop, c.width, w.fields.ClipLevelL);
        Print();
        int ticks = 0, numbers = 0;
        const double tickEnd = w.fields.PriceTop;
        for (const auto& l : Calls(Kind::Line)) {
            ticks += l.x1 == l.x2 && l.y1 == tickEnd && l.y2 < tickEnd && l.y2 > tickEnd - w.fields.PriceSpan / 4 &&
                     (l.color == QBColor(8) || l.color == QBColor(13));
        }
        for (const auto& t : Texts()) numbers += t.color == QBColor(2) && t.text.size() <= 4 && t.text[0] == ' ';
        EXPECT_EQ(ticks > 0, c.ticks) << c.width;
        EXPECT_EQ(numbers > 0, c.numbers) << c.width;
    }
}

}  // namespace
}  // namespace ranvik::test

namespace ranvik::test {
namespace {

// Monthly candles: the axis follows the monthly file, read as number 2 and
// closed again; the monthly drawer puts its candles on the page; the title
// says "(月足)".
TEST_F(PrintTest, MonthlyAxisFromTheMonthlyFile) {
    w.checks[8] = 1;
    Show(DataFileBuilder(900, Spacing::Weekdays, {2015, 3, 2}));
    ASSERT_FALSE(w.fields.MonthlyFileName.empty());
    w.price.Scale(0, w.fields.PriceTop, 2000, w.fields.ClipLevelL);
    EXPECT_EQ(Print(), PrintOutcome::Printed) << (messages->shown.empty() ? "" : messages->shown[0].text);
    std::vector<std::string> years;
    for (const auto& t : Texts()) {
        if (t.text.rfind(" '", 0) == 0 && t.color == QBColor(3)) years.push_back(t.text);
    }
    ChartFile file1;
    file1.Open(w.fields.DataFileName);
    const std::string first = file1.Read(w.fields.FirstRecord, Program().store.QuoteBufB).QuoteDate;
    file1.Close();
    ASSERT_GE(years.size(), 2u);
    for (std::size_t i = 0; i < years.size(); ++i) {
        EXPECT_EQ(std::stoi(years[i].substr(2)), std::stoi(first.substr(6, 2)) + 1 + static_cast<int>(i)) << first;
    }
    EXPECT_NE(FindText("極洋(月足)    "), nullptr);
    EXPECT_FALSE(Calls(Kind::FilledBox).empty());
    EXPECT_EQ(std::remove((Program().app.AppDir + w.fields.MonthlyFileName).c_str()), 0);
}

// A monthly file shorter than the first shown month prints nothing.
TEST_F(PrintTest, ShortMonthlyFileIsRefused) {
    w.checks[8] = 1;
    Show(DataFileBuilder(300, Spacing::Weekdays, {2015, 3, 2}));
    w.fields.MonthlyFirstRecord = 400;
    EXPECT_EQ(Print(), PrintOutcome::Refused);
    EXPECT_EQ(w.recording.endDocs, 0);
    EXPECT_EQ(w.recording.killDocs, 1);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_NE(messages->shown[0].text.find("月足"), std::string::npos);
}

}  // namespace
}  // namespace ranvik::test
