// The indicator pane's periods: the window length by the stored period, the
// panel's box, the default and its write-back, monthly candles and the
// active window; the MACD periods and message 313; the oscillator group's
// reset; the main window blocked while RCI ranks; OBV's scale; the monthly
// file.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/panes/indicator_pane.h"
#include "chart/panes/oscillator_reset.h"
#include "tests/chart/panes/indicator_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;

std::vector<RecordedCall> LinesOf(const RecordingSurface& s, Color color) {
    std::vector<RecordedCall> out;
    for (const RecordedCall& c : s.CallsOf(Kind::Line)) {
        if (c.color == color) out.push_back(c);
    }
    return out;
}

std::vector<std::string> TextsOf(const RecordingSurface& s) {
    std::vector<std::string> out;
    for (const RecordedCall& c : s.CallsOf(Kind::Text)) out.push_back(c.text);
    return out;
}

using IndicatorPeriods = test::IndicatorPaneTest;

TEST_F(IndicatorPeriods, WindowLength) {
    struct Case {
        const char* name;
        const char* item;
        bool daily;
        std::int16_t storedDaily;
        double storedWeekly;
        int box;
        const char* boxText;
        bool active;
        const char* boxAfter;
        const char* quickBar;  // Text3 afterwards; empty: untouched
        double storedAfter;
    };
    const Case cases[] = {
        {"stored daily wins", "mnuRSI", true, 10, 0, 44, "20", true, "20", "10", 10},
        {"box read", "mnuRSI", true, 0, 0, 44, "20", true, "20", "20", 20},
        {"box rounded", "mnuRSI", true, 0, 0, 44, "20.5", true, "20.5", "20", 20},
        {"text gives the default", "mnuRSI", true, 0, 0, 44, "abc", true, "15", "15", 15},
        {"negative gives the default", "mnuストキャス", true, 0, 0, 48, "-3", true, "25", "25", 25},
        {"%R default", "mnuPerOscillator", true, 0, 0, 40, "0", true, "25", "25", 25},
        {"momentum default", "mnuモメンタム", true, 0, 0, 42, "", true, "25", "25", 25},
        {"OBV default", "mnuOBV", true, 0, 0, 50, "0", true, "25", "25", 25},
        {"RCI of 1", "mnuRCI", true, 0, 0, 46, "1", true, "15", "15", 15},
        {"vector of 1", "mnuVector", true, 0, 0, 71, "1", true, "25", "25", 25},
        {"stored RCI of 1", "mnuRCI", true, 1, 0, 46, "9", true, "9", "15", 15},
        {"weekly box", "mnuRSI", false, 0, 0, 45, "", true, "13", "13", 13},
        {"weekly stored", "mnuRCI", false, 0, 8, 47, "20", true, "20", "8", 8},
        // The weekly period keeps its fraction, stored and in the quick bar.
        {"weekly stored fraction", "mnuRSI", false, 0, 13.5, 45, "20", true, "20", "13.5", 13.5},
        {"weekly box fraction", "mnuRSI", false, 0, 0, 45, "13.5", true, "13.5", "13.5", 13.5},
        {"daily period ignored on weekly data", "mnuRSI", false, 10, 0, 45, "11", true, "11", "11", 11},
        {"not active: written back, not stored", "mnuRSI", true, 0, 0, 44, "0", false, "15", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program().windows.ActiveWindowNo = c.active ? 1 : 2;
        Choose(c.item);
        DrawChart(test::ShownBars(), 20, 903, c.daily);
        w.mainBoxes.clear();
        w.mainBoxes[c.box] = c.boxText;
        w.fields.OscPeriodDaily = c.storedDaily;
        w.fields.OscPeriodWeekly = c.storedWeekly;
        DrawIndicatorPane(w, file1);
        EXPECT_EQ(w.mainBoxes[c.box], c.boxAfter);
        if (*c.quickBar != 0) {
            EXPECT_EQ(w.mainBoxes[3], c.quickBar);
        } else {
            EXPECT_EQ(w.mainBoxes.count(3), 0u);
        }
        EXPECT_EQ(c.daily ? w.fields.OscPeriodDaily : w.fields.OscPeriodWeekly, c.active ? c.storedAfter : (c.daily ? c.storedDaily : c.storedWeekly));
        // The unit beside Text3 on the active window only.
        const std::vector<std::string> units = TextsOf(w.quickBar);
        if (c.active) {
            ASSERT_EQ(units.size(), 1u);
            EXPECT_EQ(units[0], c.daily ? "日" : "週");
        } else {
            EXPECT_TRUE(units.empty());
        }
        EXPECT_TRUE(messages->shown.empty());
    }
}

// With monthly candles and no stored period the box is still read and
// rewritten, then 6 is used; a stored period wins over the monthly 6.  The
// line runs over the monthly file, which is swapped back afterwards.
TEST_F(IndicatorPeriods, MonthlyCandles) {
    Choose("mnuRSI");
    w.checks[8] = 1;
    DrawChart(test::ShownBars(400), 200);
    const std::int16_t first = w.fields.FirstRecord;
    const std::int16_t count = w.fields.RecordCount;
    w.mainBoxes[44] = "0";
    DrawIndicatorPane(w, file1);
    EXPECT_EQ(w.mainBoxes[44], "15");
    EXPECT_EQ(w.mainBoxes[3], "6");
    EXPECT_EQ(w.fields.OscPeriodDaily, 6);
    EXPECT_EQ(TextsOf(w.quickBar), std::vector<std::string>{"月"});
    EXPECT_EQ(w.fields.FirstRecord, first);
    EXPECT_EQ(w.fields.RecordCount, count);
    ASSERT_TRUE(file1.IsOpen());
    EXPECT_EQ(file1.Path(), w.fields.DataFileName);

    // The first segment: from the last warm-up month, half its width before
    // its end, to the first shown month; RSI over the monthly closes.
    ChartFile monthly;
    monthly.Open(Program().app.AppDir + w.fields.MonthlyFileName);
    const int mf = w.fields.MonthlyFirstRecord;
    auto width = [&](int r) { return static_cast<double>(monthly.Values(r).RecordNo); };
    auto close = [&](int r) { return static_cast<double>(monthly.Values(r).Close); };
    auto rsi = [&](int r) {
        double up = 0;
        double down = 0;
        for (int j = r - 4; j <= r; ++j) {
            const double c = close(j) - close(j - 1);
            (c > 0 ? up : down) += std::abs(c);
        }
        return up + down != 0 ? 100 * up / (up + down) : 0;
    };
    const std::vector<RecordedCall> lines = LinesOf(w.indicator, QBColor(8));
    ASSERT_GE(lines.size(), 2u);
    const double x0 = -w.fields.MonthCutDays - std::trunc(width(mf - 1) / 2);
    EXPECT_NEAR(lines[0].x1, x0, 1e-9);
    EXPECT_NEAR(lines[0].x2, x0 + (width(mf - 1) + width(mf)) / 2, 1e-9);
    EXPECT_NEAR(lines[0].y1, rsi(mf - 1), 1e-3);
    EXPECT_NEAR(lines[0].y2, rsi(mf), 1e-3);

    w.fields.OscPeriodDaily = 10;
    ClearLogs();
    DrawIndicatorPane(w, file1);
    EXPECT_EQ(w.mainBoxes[3], "10");
}

// RSI over one bar has no change to measure: a line at 0.
TEST_F(IndicatorPeriods, RsiOfOneBar) {
    Choose("mnuRSI");
    DrawChart(test::ShownBars());
    w.fields.OscPeriodDaily = 1;
    DrawIndicatorPane(w, file1);
    const std::vector<RecordedCall> lines = LinesOf(w.indicator, QBColor(8));
    ASSERT_FALSE(lines.empty());
    for (const RecordedCall& l : lines) {
        EXPECT_EQ(l.y1, 0);
        EXPECT_EQ(l.y2, 0);
    }
}

TEST_F(IndicatorPeriods, MacdPeriodsAndMessage313) {
    const std::string text =
        "313, ＭＡＣＤのパラメータが間違っています。    \r\nデフォルト値で処理を続けます。    ";
    struct Case {
        const char* shortText;
        const char* longText;
        const char* signalText;
        bool message;
        double shortPeriod, longPeriod;
        int signal;
    };
    const Case cases[] = {
        {"12", "26", "9", false, 12, 26, 9},      {"26", "26", "9", false, 26, 26, 9},
        {"12.5", "26", "9", false, 12, 26, 9},    {"13.5", "26.5", "9", false, 14, 26, 9},
        {"0", "26", "9", true, 12, 26, 9},        {"12", "0", "9", true, 12, 26, 9},
        {"27", "26", "9", true, 12, 26, 9},       {"12", "26", "0", true, 12, 26, 9},
        {"0.4", "26", "9", true, 12, 26, 9},      {"12", "26", "99999", true, 12, 26, 9},
        {"x", "26", "9", true, 12, 26, 9},        {"12", "40000", "9", true, 12, 26, 9},
    };
    Choose("mnuMACD");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.shortText) + "/" + c.longText + "/" + c.signalText);
        DrawChart(test::ShownBars());
        messages->shown.clear();
        w.fields.MacdShortPeriod = 0;
        w.mainBoxes = {{26, c.shortText}, {27, c.longText}, {28, c.signalText}};
        DrawIndicatorPane(w, file1);
        ASSERT_EQ(messages->shown.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(messages->shown[0].text, text);
            EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
            EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
        }
        EXPECT_EQ(w.fields.MacdShortPeriod, c.shortPeriod);
        EXPECT_EQ(w.fields.MacdLongPeriod, c.longPeriod);
        EXPECT_EQ(w.fields.MacdSignalPeriod, c.signal);
        // The panel's boxes keep what was typed; the quick bar shows the
        // periods used, and no unit.
        EXPECT_EQ(w.mainBoxes[26], c.shortText);
        EXPECT_EQ(w.mainBoxes[10], (std::to_string(static_cast<int>(c.shortPeriod))));
        EXPECT_EQ(w.mainBoxes[11], (std::to_string(static_cast<int>(c.longPeriod))));
        EXPECT_EQ(w.mainBoxes[12], std::to_string(c.signal));
        EXPECT_TRUE(w.quickBar.CallsOf(Kind::Text).empty());
        // The stored periods are not read again: no second message.
        DrawIndicatorPane(w, file1);
        EXPECT_EQ(messages->shown.size(), c.message ? 1u : 0u);
    }
    // Weekly defaults; monthly candles take 6, 12 and 5 without the boxes.
    struct Defaults {
        bool daily;
        bool monthly;
        double s, l;
        int g;
        std::size_t messages;
    };
    for (const Defaults& d : {Defaults{false, false, 13, 26, 9, 1}, Defaults{true, true, 6, 12, 5, 0}}) {
        w.checks[8] = d.monthly ? 1 : 0;
        DrawChart(test::ShownBars(d.monthly ? 400 : 90), d.monthly ? 200 : 20, 903, d.daily);
        messages->shown.clear();
        w.fields.MacdShortPeriod = 0;
        w.mainBoxes = {{26, "0"}, {29, "0"}};
        DrawIndicatorPane(w, file1);
        EXPECT_EQ(messages->shown.size(), d.messages);
        EXPECT_EQ(w.fields.MacdShortPeriod, d.s);
        EXPECT_EQ(w.fields.MacdLongPeriod, d.l);
        EXPECT_EQ(w.fields.MacdSignalPeriod, d.g);
    }
    w.checks[8] = 0;
    // A change between daily and weekly data reads the periods afresh; a
    // window that is not the active one leaves the quick bar alone.
    DrawChart(test::ShownBars());
    w.fields.MacdShortPeriod = 5;
    w.fields.MacdLongPeriod = 9;
    w.fields.MacdSignalPeriod = 4;
    w.fields.ParamsIsDaily = 0;
    Program().windows.ActiveWindowNo = 2;
    w.mainBoxes = {{26, "6"}, {27, "10"}, {28, "3"}};
    DrawIndicatorPane(w, file1);
    EXPECT_EQ(w.fields.MacdShortPeriod, 6);
    EXPECT_EQ(w.fields.MacdLongPeriod, 10);
    EXPECT_EQ(w.fields.MacdSignalPeriod, 3);
    EXPECT_EQ(w.mainBoxes.count(10), 0u);
}

TEST_F(IndicatorPeriods, ResetOfTheOscillatorGroup) {
    for (const char* item : {"mnuKairiRitsu", "mnu2LineKairiRitsu", "mnuモメンタム", "mnuRSI", "mnuRCI", "mnuストキャス",
                             "mnuMACD", "mnuPerOscillator", "mnuVector", "mnuOBV"}) {
        w.SetItem(item, 1, true);
    }
    w.fields.OscPeriodDaily = 9;
    w.fields.OscPeriodWeekly = 7;
    w.fields.PeriodUnit = "週";
    w.mainBoxes[3] = "9";
    w.mainBoxEnabled[3] = true;
    ResetOscillatorIndicators(w);
    for (const char* item : {"mnuKairiRitsu", "mnu2LineKairiRitsu", "mnuモメンタム", "mnuRSI", "mnuRCI", "mnuストキャス",
                             "mnuMACD", "mnuPerOscillator", "mnuVector", "mnuOBV"}) {
        EXPECT_FALSE(w.Item(item, 1).Checked()) << item;
    }
    EXPECT_EQ(w.macdDims, 1);
    EXPECT_EQ(w.fields.OscPeriodDaily, 0);
    EXPECT_EQ(w.fields.OscPeriodWeekly, 0);
    EXPECT_EQ(w.mainLabels[7].color, RGB(150, 150, 150));
    EXPECT_EQ(w.mainBoxes[3], "");
    EXPECT_FALSE(w.mainBoxEnabled[3]);
    const std::vector<RecordedCall> texts = w.quickBar.CallsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "週");
    EXPECT_EQ(texts[0].color, RGB(150, 150, 150));
    EXPECT_EQ(texts[0].x1, 1020 + 500 + 20);
    EXPECT_EQ(texts[0].y1, 285 + 10);

    // The pane finds no oscillator and no stored period: the same reset.
    Choose("");
    DrawChart(test::ShownBars());
    w.fields.OscPeriodDaily = 0;
    DrawIndicatorPane(w, file1);
    EXPECT_EQ(w.macdDims, 2);
    EXPECT_TRUE(w.indicator.CallsOf(Kind::Line).empty());
}

// While RCI ranks the main window takes no input; the hourglass for periods
// of 75 and more; both undone at the end, and nothing blocked when the draw
// ends before the pass.
TEST_F(IndicatorPeriods, RciBlocksTheMainWindow) {
    Choose("mnuRCI");
    struct Case {
        int n;
        std::vector<bool> enabled;
        std::vector<int> pointer;
    };
    const Case cases[] = {
        {9, {false, true}, {0}},
        {75, {false, true}, {11, 0}},
        {90, {}, {}},  // the file's 90 bars are too few
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        DrawChart(test::ShownBars(90));
        w.mainEnabledLog.clear();
        w.pointerLog.clear();
        w.fields.OscPeriodDaily = static_cast<std::int16_t>(c.n);
        DrawIndicatorPane(w, file1);
        EXPECT_EQ(w.mainEnabledLog, c.enabled);
        EXPECT_EQ(w.pointerLog, c.pointer);
        EXPECT_TRUE(w.mainEnabled);
        EXPECT_EQ(w.screenPointer, 0);
    }
    // Other oscillators never block it.
    Choose("mnuVector");
    DrawChart(test::ShownBars(90));
    w.mainEnabledLog.clear();
    w.fields.OscPeriodDaily = 80;
    DrawIndicatorPane(w, file1);
    EXPECT_TRUE(w.mainEnabledLog.empty());
}

// Bars rising every day on 300,000 shares: OBV reaches 22,800,000 over the
// view, counted in thousands: labels 9,000 and 18,000, the note x1000株.
DataFileBuilder RisingBars() {
    DataFileBuilder file(90);
    for (int r = 2; r <= 91; ++r) {
        file[r].Close = static_cast<float>(1000 + r);
        file[r].Volume = 300000;
    }
    return file.Seal();
}

TEST_F(IndicatorPeriods, ObvScaleInThousands) {
    Choose("mnuOBV");
    DrawChart(RisingBars());
    w.fields.OscPeriodDaily = 5;
    DrawIndicatorPane(w, file1);
    EXPECT_EQ(TextsOf(w.indicator),
              (std::vector<std::string>{"O B V", "-18,000", "-9,000", "+9,000", "+18,000", "x1000株"}));
    std::vector<double> levels;
    for (const RecordedCall& l : LinesOf(w.indicator, RGB(150, 150, 150))) levels.push_back(l.y1);
    EXPECT_EQ(levels, (std::vector<double>{-80, -40, 40, 80}));
    // OBV from 0 at record 15 up to record 91: 76 rises.
    EXPECT_NEAR(w.indicator.ScaleTop(), 22800, 1e-9);
    const std::vector<RecordedCall> line = LinesOf(w.indicator, QBColor(8));
    ASSERT_FALSE(line.empty());
    EXPECT_NEAR(line.front().y1, 4 * 300, 1e-9);  // record 19
    EXPECT_NEAR(line.back().y2, 76 * 300, 1e-9);

    DrawChart(RisingBars());
    StartPrinting();
    PrintIndicatorBand(w, file1);
    std::vector<std::string> paper;
    std::vector<double> ys;
    for (const RecordedCall& c : w.printer.CallsOf(Kind::Text)) {
        paper.push_back(c.text);
        ys.push_back(c.y1);
    }
    EXPECT_EQ(paper, (std::vector<std::string>{"-18,000", "-9,000", "", "+9,000", "+18,000", "x1000株"}));
    EXPECT_EQ(ys, (std::vector<double>{70, 30, -10, -50, -90, -106}));
    const std::vector<RecordedCall> printed = LinesOf(w.printer, QBColor(13));
    ASSERT_FALSE(printed.empty());
    EXPECT_NEAR(printed.back().y2, -100, 1e-9);
}

// No close ever changed (OBV stays 0), or no volume in the view: the frame
// and the zero line, nothing more.
TEST_F(IndicatorPeriods, ObvWithNothingToScale) {
    Choose("mnuOBV");
    for (bool noVolume : {false, true}) {
        SCOPED_TRACE(noVolume);
        DataFileBuilder file = RisingBars();
        if (!noVolume) {
            for (int r = 2; r <= 91; ++r) file[r].Close = 1000;
        }
        DrawChart(file.Seal());
        if (noVolume) w.fields.MaxVolume = 0;
        w.fields.OscPeriodDaily = 5;
        DrawIndicatorPane(w, file1);
        EXPECT_EQ(TextsOf(w.indicator), std::vector<std::string>{"O B V"});
        EXPECT_EQ(w.indicator.CallsOf(Kind::Line).size(), 1u);
        EXPECT_EQ(w.indicator.ScaleTop(), 100);
    }
}


// With monthly candles MACD's histogram is drawn every 4 units across each
// month, between the previous and the new values; on paper the same lines
// scaled to the band, the start bar in red.
TEST_F(IndicatorPeriods, MacdHistogramAcrossMonths) {
    Choose("mnuMACD");
    w.checks[8] = 1;
    DrawChart(test::ShownBars(400), 200);
    DrawIndicatorPane(w, file1);
    ASSERT_EQ(w.fields.MacdLongPeriod, 12);
    std::vector<RecordedCall> macd;
    std::vector<RecordedCall> signal;
    std::vector<RecordedCall> bars;
    for (const RecordedCall& c : w.indicator.CallsOf(Kind::Line)) {
        if (c.color == QBColor(8) && c.x1 != c.x2) macd.push_back(c);
        if (c.color == RGB(0, 100, 255)) signal.push_back(c);
        if (c.color == QBColor(13) && c.x1 == c.x2) bars.push_back(c);
    }
    ASSERT_FALSE(macd.empty());
    ASSERT_EQ(macd.size(), signal.size());
    std::vector<std::pair<double, double>> expected{{macd[0].x1, macd[0].y1 - signal[0].y1}};
    for (std::size_t i = 0; i < macd.size(); ++i) {
        const double x0 = macd[i].x1;
        const double dx = macd[i].x2 - x0;
        for (double x = x0 + 4; x <= macd[i].x2; x += 4) {
            const double t = (x - x0) / dx;
            const double m = macd[i].y1 + (macd[i].y2 - macd[i].y1) * t;
            const double g = signal[i].y1 + (signal[i].y2 - signal[i].y1) * t;
            expected.push_back({x, m - g});
        }
    }
    ASSERT_EQ(bars.size(), expected.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        EXPECT_NEAR(bars[i].x1, expected[i].first, 1e-9) << i;
        EXPECT_NEAR(bars[i].y1, expected[i].second, 1e-3) << i;
        EXPECT_EQ(bars[i].y2, 0);
    }

    StartPrinting();
    PrintIndicatorBand(w, file1);
    const double f = -102 / w.fields.MacdClipLevel;
    std::vector<RecordedCall> start;
    std::vector<RecordedCall> paper;
    for (const RecordedCall& c : w.printer.CallsOf(Kind::Line)) {
        if (c.x1 != c.x2) continue;
        (c.color == QBColor(12) ? start : paper).push_back(c);
    }
    ASSERT_EQ(start.size(), 1u);
    EXPECT_NEAR(start[0].y1, f * expected[0].second, 1e-2);
    ASSERT_EQ(paper.size(), expected.size() - 1);
    for (std::size_t i = 0; i < paper.size(); ++i) EXPECT_NEAR(paper[i].y1, f * expected[i + 1].second, 1e-2) << i;
}

}  // namespace
}  // namespace ranvik
