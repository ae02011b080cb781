// The indicator pane's frames (titles, level lines and labels of each
// oscillator, plain, enlarged and inverted), the deviation rates' ladder and
// titles, and what ends a draw early.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/panes/indicator_pane.h"
#include "tests/chart/panes/indicator_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;

struct Label {
    std::string text;
    double y;
};

std::vector<Label> LabelsOf(const RecordingSurface& s) {
    std::vector<Label> out;
    for (const RecordedCall& c : s.CallsOf(Kind::Text)) out.push_back({c.text, c.y1});
    return out;
}

std::vector<double> LevelsIn(const RecordingSurface& s, Color color) {
    std::vector<double> out;
    for (const RecordedCall& c : s.CallsOf(Kind::Line)) {
        if (c.color == color && c.y1 == c.y2) out.push_back(c.y1);
    }
    return out;
}

class IndicatorFrames : public test::IndicatorPaneTest {
protected:
    // The chart drawn, then the fields the frames read set to round values:
    // a price span of 1600 (MACD's v = 100), a grid step of 10 and a view
    // from 880 to 1000 (the vector's S = 3).
    void DrawFrame(const std::string& item, bool enlarged, bool inverted) {
        Choose(item);
        w.SetItem("mnuGamen比", 1, enlarged);
        w.indicator.Resize(9000, enlarged ? 2620 : 1310);
        w.fields.InvertedChart = inverted ? -1 : 0;
        DrawChart(test::ShownBars());
        ChartWindowState& f = w.fields;
        f.PriceSpan = 1600;
        f.PriceGridStep = 10;
        f.AxisFormat = "#,###";
        f.ViewHigh = 1000;
        f.ViewLow = 880;
        DrawIndicatorPane(w, file1);
    }
    double U() const { return 903.0 / 900 * 5 * (8535.0 / 9000); }
};

TEST_F(IndicatorFrames, TitlesLevelsAndLabels) {
    const Color grey = RGB(150, 150, 150);
    struct Case {
        const char* item;
        bool enlarged;
        bool inverted;
        std::vector<Label> labels;
        Color levelColor;
        std::vector<double> levels;
    };
    const std::vector<Label> percent = {{"20%", 25}, {"30%", 35}, {"70%", 75}, {"80%", 85}};
    const std::vector<Case> cases = {
        {"mnuRSI", false, false, {{"R S I", 55}, {"20%", 25}, {"30%", 35}, {"70%", 75}, {"80%", 85}}, grey,
         {20, 30, 70, 80}},
        {"mnuRSI", false, true, {{"R S I", 45}, {"20%", 15}, {"30%", 25}, {"70%", 65}, {"80%", 75}}, grey,
         {20, 30, 70, 80}},
        {"mnuRSI", true, false, {{"R S I", 52.5}, {"20%", 22.5}, {"30%", 32.5}, {"70%", 72.5}, {"80%", 82.5}},
         grey, {20, 30, 70, 80}},
        {"mnuストキャス", false, false,
         {{"ｽﾄｷｬｽﾃｲｸｽ", 55}, {"%K,", 99}, {"  %D,", 99}, {"  SLOW %D", 99}, {"20%", 25}, {"30%", 35},
          {"70%", 75}, {"80%", 85}},
         grey, {20, 30, 70, 80}},
        {"mnuストキャス", false, true,
         {{"ｽﾄｷｬｽﾃｲｸｽ", 45}, {"%K,", 1}, {"  %D,", 1}, {"  SLOW %D", 1}, {"20%", 15}, {"30%", 25},
          {"70%", 65}, {"80%", 75}},
         grey, {20, 30, 70, 80}},
        {"mnuPerOscillator", false, false, {{"%Rｵｼﾚｰﾀ", 55}, {"20%", 25}, {"30%", 35}, {"70%", 75}, {"80%", 85}},
         grey, {20, 30, 70, 80}},
        {"mnuモメンタム", false, false,
         {{"-10%", 12}, {"+ 10%", -28}, {"-\\20", 32}, {"+\\20", -48}, {"-30%", 52}, {"+ 30%", -68},
          {"-\\40", 72}, {"+\\40", -88}, {"ﾓﾒﾝﾀﾑ", -8}},
         QBColor(7), {40, -40, 80, -80}},
        {"mnuモメンタム", true, false,
         {{"-20%", 16}, {"+ 20%", -24}, {"-\\40", 36}, {"+\\40", -44}, {"-60%", 56}, {"+ 60%", -64},
          {"-\\80", 76}, {"+\\80", -84}, {"ﾓﾒﾝﾀﾑ", -4}},
         QBColor(7), {40, -40, 80, -80}},
        {"mnuモメンタム", false, true,
         {{"-10%", 28}, {"+ 10%", -12}, {"-\\20", 48}, {"+\\20", -32}, {"-30%", 68}, {"+ 30%", -52},
          {"-\\40", 88}, {"+\\40", -72}, {"ﾓﾒﾝﾀﾑ", 8}},
         QBColor(7), {40, -40, 80, -80}},
        {"mnuMACD", false, false, {{"MACD", 20}, {"-100", -80}, {"+100", 120}, {"ｼｸﾞﾅﾙ", 180}}, grey, {-100, 100}},
        {"mnuMACD", true, false,
         {{"MACD", 20}, {"-300", -280}, {"-200", -180}, {"-100", -80}, {"+100", 120}, {"+200", 220},
          {"+300", 320}, {"ｼｸﾞﾅﾙ", 380}},
         grey, {-300, -200, -100, 100, 200, 300}},
        {"mnuMACD", false, true, {{"MACD", -20}, {"-100", -120}, {"+100", 80}, {"ｼｸﾞﾅﾙ", -180}}, grey, {-100, 100}},
        {"mnuVector", false, false, {{"ﾍﾞｸﾄﾙ", 0.4}, {"+1.5", 1.9}, {"+3", 3.4}, {"-3", -2.6}, {"-1.5", -1.1}},
         grey, {1.5, 3, -3, -1.5}},
        {"mnuVector", true, false, {{"ﾍﾞｸﾄﾙ", 0.4}, {"+3", 3.4}, {"+6", 6.4}, {"-6", -5.6}, {"-3", -2.6}}, grey,
         {3, 6, -6, -3}},
        {"mnuVector", false, true, {{"ﾍﾞｸﾄﾙ", -0.4}, {"+1.5", 1.1}, {"+3", 2.6}, {"-3", -3.4}, {"-1.5", -1.9}},
         grey, {1.5, 3, -3, -1.5}},
        {"mnuRCI", false, false, {{"-80%", -72}, {"-50%", -42}, {"+50%", 58}, {"+80%", 88}, {"R C I", 8}}, grey,
         {-80, -50, 50, 80}},
        {"mnuRCI", false, true, {{"-80%", -88}, {"-50%", -58}, {"+50%", 42}, {"+80%", 72}, {"R C I", -8}}, grey,
         {-80, -50, 50, 80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.item) + (c.enlarged ? " enlarged" : "") + (c.inverted ? " inverted" : ""));
        DrawFrame(c.item, c.enlarged, c.inverted);
        const std::vector<Label> got = LabelsOf(w.indicator);
        ASSERT_EQ(got.size(), c.labels.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].text, c.labels[i].text) << i;
            EXPECT_NEAR(got[i].y, c.labels[i].y, 1e-6) << got[i].text;
        }
        EXPECT_EQ(LevelsIn(w.indicator, c.levelColor), c.levels);
        // The zero or mid line in green, dash-dot-dot; the oscillator's line
        // afterwards solid.
        bool zeroLine = false;
        for (const RecordedCall& l : w.indicator.CallsOf(Kind::Line)) {
            if (l.color == QBColor(2)) {
                zeroLine = true;
                EXPECT_EQ(l.state.Style, DrawStyle::DashDotDot);
            }
        }
        EXPECT_TRUE(zeroLine);
        EXPECT_EQ(w.indicator.DrawStyle(), DrawStyle::Solid);
    }
}

// The stochastics legend on one line in three colours, the title in green,
// the level labels in the text colour; on the black background that colour
// is white.
TEST_F(IndicatorFrames, ColoursOfTheTexts) {
    w.fields.BackColorNo = 2;
    DrawFrame("mnuストキャス", false, false);
    const std::vector<RecordedCall> texts = w.indicator.CallsOf(Kind::Text);
    ASSERT_GE(texts.size(), 5u);
    EXPECT_EQ(texts[0].color, QBColor(2));
    EXPECT_EQ(texts[1].color, QBColor(3));
    EXPECT_NEAR(texts[1].x1, 2 * U(), 1e-9);
    EXPECT_FALSE(texts[1].newLine);
    EXPECT_EQ(texts[2].color, QBColor(15));
    EXPECT_FALSE(texts[2].newLine);
    EXPECT_EQ(texts[3].color, QBColor(13));
    EXPECT_EQ(texts[4].color, QBColor(15));
    // The mid line starts after the title.
    for (const RecordedCall& l : w.indicator.CallsOf(Kind::Line)) {
        if (l.color == QBColor(2)) {
            EXPECT_NEAR(l.x1, 20 * U(), 1e-9);
        }
    }
}

// The deviation rates: the ladder by the scale the price pane chose, the
// title on the zero line, and no oscillator drawn.
TEST_F(IndicatorFrames, DeviationLadderAndTitles) {
    struct Case {
        int ds;
        bool enlarged;
        std::vector<std::string> texts;
        std::vector<double> levels;
    };
    const std::vector<Case> cases = {
        {12, false, {"-10%", "-5%", "移動平均乖離率", "+5%", "+10%"}, {-10, -5, 5, 10}},
        {3, false, {"-2%", "移動平均乖離率", "+2%"}, {-2, 2}},
        {30, false, {"-20%", "-10%", "移動平均乖離率", "+10%", "+20%"}, {-20, -10, 10, 20}},
        {24, true, {"-20%", "-15%", "-10%", "-5%", "移動平均乖離率", "+5%", "+10%", "+15%", "+20%"},
         {-20, -15, -10, -5, 5, 10, 15, 20}},
        {6, true, {"-4%", "移動平均乖離率", "+4%"}, {-4, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ds);
        Choose("mnuKairiRitsu");
        w.SetItem("mnuGamen比", 1, c.enlarged);
        DrawChart(test::ShownBars());
        w.fields.DeviationScale = static_cast<std::int16_t>(c.ds);
        w.indicator.Scale(0, c.ds, 903, -c.ds);
        DrawIndicatorPane(w, file1);
        std::vector<std::string> texts;
        for (const Label& l : LabelsOf(w.indicator)) texts.push_back(l.text);
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(LevelsIn(w.indicator, RGB(150, 150, 150)), c.levels);
        // Labels three label offsets off their level: 20 twips of the pane,
        // 1.2 times that on an enlarged pane unless the scale is 24.
        const double k = 2.0 * c.ds / 1310 * 20 * (c.enlarged && c.ds != 24 ? 1.2 : 1);
        const std::vector<Label> labels = LabelsOf(w.indicator);
        EXPECT_NEAR(labels.front().y, c.levels.front() + 3 * k, 1e-9);
        // Nothing but the frame: the period step never ran.
        EXPECT_TRUE(w.quickBar.CallsOf(Kind::Text).empty());
        EXPECT_EQ(w.mainBoxes.count(3), 0u);
    }
    w.SetItem("mnuGamen比", 1, false);
    struct Title {
        bool tradingValue;
        const char* item;
        const char* title;
        double z;  // in character units
    };
    const Title titles[] = {
        {true, "mnuKairiRitsu", "売買代金移動平均乖離率", 40},
        {true, "mnu2LineKairiRitsu", "売買代金移動平均２線乖離率", 44},
        {false, "mnuKairiRitsu", "移動平均乖離率", 25},
        {false, "mnu2LineKairiRitsu", "移動平均２線乖離率", 30},
    };
    for (const Title& t : titles) {
        Choose(t.item);
        w.SetItem("mnuBBdaikin", 1, t.tradingValue);
        DrawChart(test::ShownBars());
        w.fields.DeviationScale = 12;
        w.indicator.Scale(0, 12, 903, -12);
        DrawIndicatorPane(w, file1);
        const std::vector<RecordedCall> texts = w.indicator.CallsOf(Kind::Text);
        ASSERT_EQ(texts.size(), 5u);
        EXPECT_EQ(texts[2].text, t.title);
        EXPECT_EQ(texts[2].color, QBColor(3));
        const std::vector<RecordedCall> lines = w.indicator.CallsOf(Kind::Line);
        bool found = false;
        for (const RecordedCall& l : lines) {
            if (l.color == QBColor(2)) {
                found = true;
                EXPECT_NEAR(l.x1, t.z * U(), 1e-9) << t.title;
                EXPECT_EQ(l.state.Style, DrawStyle::DashDotDot);
            }
        }
        EXPECT_TRUE(found);
    }
}

// Printing with a deviation rate checked draws nothing and touches nothing.
TEST_F(IndicatorFrames, PrintingWithADeviationRate) {
    Choose("mnu2LineKairiRitsu");
    DrawChart(test::ShownBars());
    StartPrinting();
    PrintIndicatorBand(w, file1);
    for (const RecordedCall& c : w.printer.Calls()) EXPECT_EQ(c.kind, Kind::Scale) << Describe(c);
    EXPECT_TRUE(w.quickBar.Calls().empty());
    EXPECT_TRUE(w.Item("mnu2LineKairiRitsu", 1).Checked());
}

// The hidden pane: the unit, the period and its write-back still happen,
// nothing is drawn; with only a deviation rate checked and no period stored
// the group is reset, the rate's mark with it.
TEST_F(IndicatorFrames, HiddenPane) {
    Choose("mnuRCI");
    DrawChart(test::ShownBars());
    w.SetItem("mnuGamen比", 3, false);
    w.mainBoxes[46] = "abc";
    DrawIndicatorPane(w, file1);
    EXPECT_TRUE(w.indicator.Calls().empty());
    EXPECT_EQ(w.mainBoxes[46], "15");
    EXPECT_EQ(w.mainBoxes[3], "15");
    EXPECT_EQ(w.fields.OscPeriodDaily, 15);
    EXPECT_TRUE(w.mainEnabledLog.empty());
    ASSERT_EQ(w.quickBar.CallsOf(Kind::Text).size(), 1u);
    EXPECT_EQ(w.quickBar.CallsOf(Kind::Text)[0].text, "日");

    Choose("mnuKairiRitsu");
    w.fields.OscPeriodDaily = 0;
    ClearLogs();
    DrawIndicatorPane(w, file1);
    EXPECT_TRUE(w.indicator.Calls().empty());
    EXPECT_FALSE(w.Item("mnuKairiRitsu", 1).Checked());
    EXPECT_EQ(w.macdDims, 1);
}

// Too few bars for the window: the frame alone, and no message.
TEST_F(IndicatorFrames, TooFewBars) {
    Choose("mnuRSI");
    DataFileBuilder file = test::ShownBars(20);
    DrawChart(file, 2);
    w.fields.OscPeriodDaily = 20;  // the file holds 20 bars, records 2 to 21
    DrawIndicatorPane(w, file1);
    EXPECT_FALSE(w.indicator.CallsOf(Kind::Text).empty());
    for (const RecordedCall& l : w.indicator.CallsOf(Kind::Line)) EXPECT_NE(l.color, QBColor(8)) << Describe(l);
    EXPECT_TRUE(messages->shown.empty());
    // One bar less and the line is drawn, from the bar after the window.
    w.fields.OscPeriodDaily = 19;
    ClearLogs();
    DrawIndicatorPane(w, file1);
    std::vector<RecordedCall> drawn;
    for (const RecordedCall& l : w.indicator.CallsOf(Kind::Line)) {
        if (l.color == QBColor(8)) drawn.push_back(l);
    }
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].x1, 7.0 * (20 - 2) + 3);
}


// The vector's labels beside the printed band: 80 units to S, read as the
// band shows them; an inverted chart reads the other way.
TEST_F(IndicatorFrames, PaperLabelsOfTheVector) {
    struct Case {
        bool inverted;
        bool enlarged;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {false, false, {"-3", "-1.5", "+1.5", "+3"}},
        {true, false, {"+3", "+1.5", "-1.5", "-3"}},
        {false, true, {"-6", "-3", "+3", "+6"}},
    };
    for (const Case& c : cases) {
        Choose("mnuVector");
        w.SetItem("mnuGamen比", 1, c.enlarged);
        w.fields.InvertedChart = c.inverted ? -1 : 0;
        DrawChart(test::ShownBars());
        w.fields.ViewHigh = 1000;
        w.fields.ViewLow = 880;
        w.fields.OscPeriodDaily = 6;
        StartPrinting();
        PrintIndicatorBand(w, file1);
        std::vector<std::string> texts;
        std::vector<double> ys;
        for (const RecordedCall& t : w.printer.CallsOf(Kind::Text)) {
            texts.push_back(t.text);
            ys.push_back(t.y1);
            EXPECT_NEAR(t.x1, -0.1 * 903 + 45, 1e-9);
            EXPECT_EQ(t.color, QBColor(13));
        }
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(ys, (std::vector<double>{70, 30, -50, -90}));
        EXPECT_TRUE(w.indicator.Calls().empty());
    }
}


// A price pane of no height leaves MACD no scale: no ladder (whose step
// would be 0), and the draw still ends; momentum without a grid step draws
// its price line at 0.
TEST_F(IndicatorFrames, NoPriceSpanOrGridStep) {
    Choose("mnuMACD");
    DrawChart(test::ShownBars());
    w.fields.PriceSpan = 0;
    w.fields.MacdShortPeriod = 0;
    w.mainBoxes = {{26, "5"}, {27, "9"}, {28, "4"}};
    DrawIndicatorPane(w, file1);
    EXPECT_TRUE(w.indicator.CallsOf(Kind::Text).empty());
    EXPECT_FALSE(w.indicator.CallsOf(Kind::Line).empty());

    Choose("mnuモメンタム");
    DrawChart(test::ShownBars());
    w.fields.PriceGridStep = 0;
    w.fields.OscPeriodDaily = 5;
    DrawIndicatorPane(w, file1);
    const std::vector<RecordedCall> lines = w.indicator.CallsOf(Kind::Line);
    bool drawn = false;
    for (const RecordedCall& l : lines) {
        if (l.color == QBColor(8)) {
            drawn = true;
            EXPECT_EQ(l.y1, 0);
            EXPECT_EQ(l.y2, 0);
        }
    }
    EXPECT_TRUE(drawn);
}


// The candlestick drawer hands over to the pane after the price pane: the
// window's chart shows the checked oscillator.
TEST_F(IndicatorFrames, DrawnWithTheCandlestickChart) {
    Choose("mnuRSI");
    DataFileBuilder file = test::ShownBars();
    file.Write(dir.File("1301d.KDT"));
    w.fields.OscPeriodDaily = 9;
    w.fields.FirstRecord = 20;
    w.fields.RecordCount = file.Header().RecordNo;
    w.fields.DataFileName = dir.File("1301d.KDT");
    w.fields.IsDaily = -1;
    w.fields.ParamsIsDaily = -1;
    w.fields.ViewWidth = 903;
    w.price.Scale(0, 1, 903, 0);
    file1.Open(w.fields.DataFileName);
    DrawCandleChart(w, file1);
    std::vector<std::string> texts;
    for (const Label& l : LabelsOf(w.indicator)) texts.push_back(l.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"R S I", "20%", "30%", "70%", "80%"}));
    int segments = 0;
    for (const RecordedCall& l : w.indicator.CallsOf(Kind::Line)) segments += l.color == QBColor(8) ? 1 : 0;
    EXPECT_EQ(segments, 91 - 20 + 1);
    EXPECT_EQ(w.mainBoxes[3], "9");
}

}  // namespace
}  // namespace ranvik
