// The chart commands that take the quick bar's values and change the
// background: what is stored, which box turns red with a beep, and that a
// printing window drops them.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <functional>
#include <vector>

#include "core/program_state.h"
#include "platform/ui/control_colors.h"
#include "tests/chart/window/kind_switch_fixture.h"

namespace ranvik {
namespace {

using test::KindCountingForm3;
using test::KindSwitchTest;

const Color kRed = QBColor(12);
const Color kBlack = QBColor(0);

class ChartCommands : public KindSwitchTest {
protected:
    KindCountingForm3& Ready() {
        main_ = &Start();
        return W();
    }
    void Type(int box, const char* text) {
        main_->QuickBoxes[box]->setText(QString::fromUtf8(text));
        SetForeColor(main_->QuickBoxes[box], kBlack);
    }
    std::string Text(int box) { return main_->QuickBoxes[box]->text().toStdString(); }
    Color Colour(int box) { return ForeColorOf(main_->QuickBoxes[box]); }
    static void Send(KindCountingForm3& w, int code) {
        Program().commands.ChartCommand = static_cast<std::int16_t>(code);
        w.CommCheck.SetValue(1);
        EXPECT_EQ(w.CommCheck.Value(), 0);
    }
    int Beeps() { return messages->beeps; }

    MDIForm1* main_ = nullptr;
};

TEST_F(ChartCommands, OscillatorAndVolumePeriodsOfTheCandles) {
    KindCountingForm3& w = Ready();
    SetKindBoxes(w, 1);
    const struct {
        bool daily;
        const char* text3;
        double weekly;
        int daily3;
    } cases[] = {{true, "13.5", 0, 14}, {true, "12.5", 0, 12}, {false, "13.5", 13.5, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text3);
        w.Fields().IsDaily = c.daily ? -1 : 0;
        w.Fields().OscPeriodDaily = 0;
        w.Fields().OscPeriodWeekly = 0;
        Type(3, c.text3);
        Type(2, "25");
        Send(w, 51);
        EXPECT_EQ(w.Fields().OscPeriodDaily, c.daily3);
        EXPECT_EQ(w.Fields().OscPeriodWeekly, c.weekly);
        EXPECT_EQ(w.Fields().VolumeIndicatorPeriod, 25);
    }
    // Out of the 16-bit range: refused, nothing stored, no crash.
    w.Fields().IsDaily = -1;
    w.Fields().OscPeriodDaily = 12;
    Type(3, "1e9");
    const int beeps = Beeps();
    Send(w, 51);
    EXPECT_EQ(Colour(3), kRed);
    EXPECT_EQ(Beeps(), beeps + 1);
    EXPECT_EQ(w.Fields().OscPeriodDaily, 12);
}

TEST_F(ChartCommands, ComparisonTakesOnlyNumbers) {
    KindCountingForm3& w = Ready();
    SetKindBoxes(w, 2);
    w.Fields().CompareTopPct = 7;
    w.Fields().CompareBottomPct = 3;
    Type(4, "");
    Type(5, "-20");
    Send(w, 51);
    EXPECT_EQ(w.Fields().CompareTopPct, 7);
    EXPECT_EQ(w.Fields().CompareBottomPct, -20);
    EXPECT_EQ(w.Fields().CompareRestart, -1);
}

TEST_F(ChartCommands, YearComparisonStartBoxes) {
    KindCountingForm3& w = Ready();
    SetKindBoxes(w, 10);
    const struct {
        const char* year;
        const char* month;
        int refused;  // box refused, 0 none; a blank field holds two blanks
        const char* storedYear;
        const char* storedMonth;
    } cases[] = {
        {"5", "3", 0, "05", "03"}, {"100", "3", 2, "05", "03"}, {"7", "13", 3, "05", "03"},
        {"7", "0", 3, "05", "03"}, {"12", "", 0, "12", "  "},    {"", "11", 0, "  ", "11"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.year) + "/" + c.month);
        Type(2, c.year);
        Type(3, c.month);
        const int beeps = Beeps();
        Send(w, 51);
        EXPECT_EQ(w.Fields().YearCompareStartYear.Text(), c.storedYear);
        EXPECT_EQ(w.Fields().YearCompareStartMonth.Text(), c.storedMonth);
        EXPECT_EQ(Beeps(), beeps + (c.refused != 0 ? 1 : 0));
        if (c.refused != 0) {
            EXPECT_EQ(Colour(c.refused), kRed);
        }
    }
    Type(2, "5");
    Type(3, "3");
    Send(w, 51);
    EXPECT_EQ(Text(2), "05");
    EXPECT_EQ(Text(3), "03");
}

TEST_F(ChartCommands, OverlayPeriodsAndTheIchimokuRefusal) {
    KindCountingForm3& w = Ready();
    SetKindBoxes(w, 1);
    w.Item("mnu一目", 1).SetChecked(true);
    w.Fields().OverlayPeriods = {9, 26, 52, 0};
    const struct {
        const char* conversion;
        const char* base;
        int red;
    } refusals[] = {{"9", "5", 5}, {"30", "26", 4}, {"abc", "26", 4}, {"99999", "26", 4}};
    for (const auto& c : refusals) {
        SCOPED_TRACE(c.conversion);
        Type(4, c.conversion);
        Type(5, c.base);
        Send(w, 52);
        EXPECT_EQ(Colour(c.red), kRed);
        EXPECT_EQ(Colour(c.red == 4 ? 5 : 4), kBlack);
        EXPECT_EQ(w.Fields().OverlayPeriods[0], 9);
    }
    Type(4, "10");
    Type(5, "30");
    Send(w, 52);
    EXPECT_EQ(w.Fields().OverlayPeriods[0], 10);
    EXPECT_EQ(w.Fields().OverlayPeriods[1], 30);

    w.Item("mnu一目", 1).SetChecked(false);
    w.Item("mnuEnvelope", 1).SetChecked(true);
    Type(4, "9");
    Type(5, "5");
    Send(w, 52);
    EXPECT_EQ(w.Fields().BandPeriod, 9);
    EXPECT_EQ(w.Fields().EnvelopePct, 5.0f);
}

TEST_F(ChartCommands, SingleBoxCommands) {
    KindCountingForm3& w = Ready();
    SetKindBoxes(w, 1);
    Type(6, "abc");
    Send(w, 53);
    EXPECT_EQ(Colour(6), kRed);
    Type(6, "2.5");
    Send(w, 53);
    EXPECT_EQ(Colour(6), kBlack);
    EXPECT_EQ(w.Fields().KagiPct, 2.5f);
    Type(8, "0.02");
    Send(w, 54);
    EXPECT_EQ(w.Fields().ParabolicAF, 0.02f);
    Type(10, "12.5");
    Type(11, "26");
    Type(12, "8.5");
    Send(w, 55);
    EXPECT_EQ(w.Fields().MacdShortPeriod, 12.5);
    EXPECT_EQ(w.Fields().MacdLongPeriod, 26);
    EXPECT_EQ(w.Fields().MacdSignalPeriod, 8);
    Type(18, "40000");
    Send(w, 57);
    EXPECT_EQ(Colour(18), kRed);
    Type(18, "75");
    Send(w, 57);
    EXPECT_EQ(Colour(18), kBlack);
    EXPECT_EQ(w.Fields().RegressionPeriods[3], 75);
}

TEST_F(ChartCommands, BackgroundColoursCycleAndMoveTheMark) {
    KindCountingForm3& w = Ready();
    const int start = w.Fields().BackColorNo;
    for (int i = 1; i <= 7; ++i) {
        Send(w, 99);
        const int expected = (start - 1 + i) % 7 + 1;
        EXPECT_EQ(w.Fields().BackColorNo, expected);
        EXPECT_EQ(Program().commands.BackColorIndex, expected - 1);
        for (int item = 0; item < 7; ++item) EXPECT_EQ(w.Item("mnuColorItem", item).Checked(), item == expected - 1);
    }
    for (int index = 0; index < 7; ++index) {
        Program().commands.BackColorIndex = static_cast<std::int16_t>(index);
        Send(w, 199);
        EXPECT_EQ(w.Fields().BackColorNo, index + 1);
        EXPECT_EQ(w.Item("mnuColorItem", index).Checked(), true);
    }
    EXPECT_EQ(BackColorOf(&w), RGB(245, 222, 179));
}

TEST_F(ChartCommands, DroppedWhilePrinting) {
    KindCountingForm3& w = Ready();
    SetKindBoxes(w, 1);
    w.Fields().PrintingNow = -1;
    Type(18, "75");
    Send(w, 57);
    EXPECT_EQ(w.Fields().RegressionPeriods[3], 0);
    w.Fields().PrintingNow = 0;
}

// Whole numbers are rounded half to even in every box that takes one.
TEST_F(ChartCommands, WholeNumbersRoundHalfToEven) {
    struct Case {
        int kind;
        const char* overlay;  // menu item on, or nullptr
        int code;
        std::vector<std::pair<int, const char*>> typed;
        std::function<std::vector<int>(const ChartWindowState&)> stored;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {1, nullptr, 51, {{3, "14"}, {2, "24.5"}}, [](auto& f) { return std::vector<int>{f.VolumeIndicatorPeriod}; }, {24}},
        {1, nullptr, 51, {{3, "14"}, {2, "25.5"}}, [](auto& f) { return std::vector<int>{f.VolumeIndicatorPeriod}; }, {26}},
        {2, nullptr, 51, {{4, "150.5"}, {5, "-20.5"}},
         [](auto& f) { return std::vector<int>{f.CompareTopPct, f.CompareBottomPct}; }, {150, -20}},
        {3, nullptr, 51, {{17, "20.5"}}, [](auto& f) { return std::vector<int>{f.ReversePeriod}; }, {20}},
        {3, nullptr, 51, {{17, "21.5"}}, [](auto& f) { return std::vector<int>{f.ReversePeriod}; }, {22}},
        {1, nullptr, 52, {{4, "25.5"}}, [](auto& f) { return std::vector<int>{f.BandPeriod}; }, {26}},
        {1, "mnu一目", 52, {{4, "9.5"}, {5, "26.5"}},
         [](auto& f) { return std::vector<int>{f.OverlayPeriods[0], f.OverlayPeriods[1]}; }, {10, 26}},
        // The periods compared are the ones that would be stored.
        {1, "mnu一目", 52, {{4, "9.4"}, {5, "9.2"}},
         [](auto& f) { return std::vector<int>{f.OverlayPeriods[0], f.OverlayPeriods[1]}; }, {9, 9}},
        {1, nullptr, 55, {{10, "12"}, {11, "26"}, {12, "9.5"}}, [](auto& f) { return std::vector<int>{f.MacdSignalPeriod}; },
         {10}},
        {1, nullptr, 57, {{18, "74.5"}}, [](auto& f) { return std::vector<int>{f.RegressionPeriods[3]}; }, {74}},
    };
    KindCountingForm3& w = Ready();
    w.Fields().IsDaily = -1;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.code) + " " + c.typed.back().second);
        SetKindBoxes(w, c.kind);
        w.Item("mnu一目", 1).SetChecked(c.overlay != nullptr);
        for (const auto& [box, text] : c.typed) Type(box, text);
        const int beeps = Beeps();
        Send(w, c.code);
        EXPECT_EQ(c.stored(w.Fields()), c.expected);
        EXPECT_EQ(Beeps(), beeps);
    }
}

// A number that does not fit its field is refused in its box: red, a beep,
// nothing stored.
TEST_F(ChartCommands, NumbersBeyondTheirFieldsAreRefused) {
    struct Case {
        int kind;
        const char* overlay;
        int code;
        int box;
        const char* text;
    };
    const Case cases[] = {
        {1, nullptr, 51, 2, "1e9"},         {1, nullptr, 51, 3, "-40000"},     {2, nullptr, 51, 4, "32768"},
        {2, nullptr, 51, 5, "-1e9"},        {3, nullptr, 51, 17, "99999"},     {1, nullptr, 52, 4, "1e9"},
        {1, "mnu一目", 52, 5, "1e9"},       {1, "mnuEnvelope", 52, 5, "1e40"}, {1, nullptr, 53, 6, "1e40"},
        {1, nullptr, 54, 8, "-1e39"},       {1, nullptr, 55, 12, "1e9"},       {1, nullptr, 57, 18, "40000"},
    };
    KindCountingForm3& w = Ready();
    w.Fields().IsDaily = -1;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.code) + " Text" + std::to_string(c.box) + " " + c.text);
        SetKindBoxes(w, c.kind);
        w.Item("mnu一目", 1).SetChecked(c.overlay != nullptr && std::string(c.overlay) == "mnu一目");
        w.Item("mnuEnvelope", 1).SetChecked(c.overlay != nullptr && std::string(c.overlay) == "mnuEnvelope");
        for (int box : {2, 3, 4, 5, 6, 8, 10, 11, 12, 17, 18}) Type(box, "5");
        Type(4, "3");
        Type(c.box, c.text);
        ChartWindowState& f = w.Fields();
        f.OscPeriodDaily = 7, f.VolumeIndicatorPeriod = 7, f.CompareTopPct = 7, f.CompareBottomPct = 7;
        f.ReversePeriod = 7, f.BandPeriod = 7, f.OverlayPeriods = {7, 7, 0, 0}, f.EnvelopePct = 7, f.KagiPct = 7;
        f.ParabolicAF = 7, f.MacdShortPeriod = 7, f.MacdLongPeriod = 7, f.MacdSignalPeriod = 7, f.RegressionPeriods = {};
        const int beeps = Beeps();
        Send(w, c.code);
        EXPECT_EQ(Colour(c.box), kRed);
        EXPECT_EQ(Beeps(), beeps + 1);
        EXPECT_EQ(f.OscPeriodDaily + f.VolumeIndicatorPeriod + f.CompareTopPct + f.CompareBottomPct + f.ReversePeriod +
                      f.BandPeriod + f.OverlayPeriods[0] + f.OverlayPeriods[1] + f.MacdSignalPeriod,
                  63);
        EXPECT_EQ(f.EnvelopePct + f.KagiPct + f.ParabolicAF, 21.0f);
        EXPECT_EQ(f.MacdShortPeriod + f.MacdLongPeriod, 14.0);
        EXPECT_EQ(f.RegressionPeriods[3], 0);
        // Corrected, the value is taken and the box turns black again.
        main_->QuickBoxes[c.box]->setText(c.box == 4 ? "3" : "5");
        Send(w, c.code);
        EXPECT_EQ(Colour(c.box), kBlack);
        EXPECT_EQ(Beeps(), beeps + 1);
    }
}

// The start year and month of the year-by-year comparison: the bounds, the
// padding, blanks around the numbers, and the boxes' colours.
TEST_F(ChartCommands, YearComparisonBoundsAndPadding) {
    const struct {
        const char* year;
        const char* month;
        int refused;
        const char* storedYear;   // when accepted
        const char* storedMonth;
        const char* boxYear;      // the boxes afterwards
        const char* boxMonth;
    } cases[] = {
        {"99", "12", 0, "99", "12", "99", "12"},   {"0", "1", 0, "00", "01", "00", "01"},
        {" 7 ", " 9 ", 0, "07", "09", "07", "09"}, {"10", "10", 0, "10", "10", "10", "10"},
        {"99.4", "1", 2, "", "", "99.4", "1"},     {"99.5", "1", 2, "", "", "99.5", "1"},
        {"-5", "1", 2, "", "", "-5", "1"},         {"12", "12.4", 3, "", "", "12", "12.4"},
        {"12", "0.4", 3, "", "", "12", "0.4"},     {"12", "-1", 3, "", "", "12", "-1"},
        {"12", "abc", 3, "", "", "12", "abc"},     {"", "", 0, "  ", "  ", "", ""},
    };
    KindCountingForm3& w = Ready();
    SetKindBoxes(w, 10);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.year) + "/" + c.month);
        w.Fields().YearCompareStartYear = "33";
        w.Fields().YearCompareStartMonth = "44";
        Type(2, c.year);
        Type(3, c.month);
        SetForeColor(main_->QuickBoxes[2], QBColor(9));
        SetForeColor(main_->QuickBoxes[3], QBColor(9));
        const int beeps = Beeps();
        Send(w, 51);
        EXPECT_EQ(Beeps(), beeps + (c.refused != 0 ? 1 : 0));
        EXPECT_EQ(Text(2), c.boxYear);
        EXPECT_EQ(Text(3), c.boxMonth);
        if (c.refused != 0) {
            EXPECT_EQ(Colour(c.refused), kRed);
            EXPECT_EQ(w.Fields().YearCompareStartYear.Text(), "33");
            EXPECT_EQ(w.Fields().YearCompareStartMonth.Text(), "44");
        } else {
            EXPECT_EQ(Colour(2), kBlack);
            EXPECT_EQ(Colour(3), kBlack);
            EXPECT_EQ(w.Fields().YearCompareStartYear.Text(), c.storedYear);
            EXPECT_EQ(w.Fields().YearCompareStartMonth.Text(), c.storedMonth);
        }
    }
}

// Command 98 drops only this window's own file; the chart stays on screen.
TEST_F(ChartCommands, DroppingTheRemovedFile) {
    KindCountingForm3& w = Drawn();
    const std::string shown = w.Fields().DataFileName;
    ASSERT_FALSE(shown.empty());
    Program().commands.RemovedDataFile = dir.File("1301d.KDT");
    Send(w, 98);
    EXPECT_EQ(w.Fields().DataFileName, shown);
    EXPECT_EQ(w.Fields().ChartShown, 1);
    EXPECT_FALSE(w.BlinkRunning());
    Program().commands.RemovedDataFile = shown;
    Send(w, 98);
    EXPECT_TRUE(w.Fields().DataFileName.empty());
    EXPECT_EQ(w.Fields().ChartShown, 0);
    EXPECT_TRUE(w.BlinkRunning());
    EXPECT_EQ(w.Passes(), 0);
}

// Codes without a command, 56 among them, change nothing.
TEST_F(ChartCommands, OtherCodesDoNothing) {
    KindCountingForm3& w = Drawn();
    main_ = form.get();
    const std::int16_t band = w.Fields().BandPeriod;
    const std::int16_t colour = w.Fields().BackColorNo;
    const float width = w.Fields().ViewWidth;
    Type(4, "33");
    for (int code : {0, 4, 56, 58, 100, 201, -1}) {
        SCOPED_TRACE(code);
        const int beeps = Beeps();
        Send(w, code);
        EXPECT_EQ(Beeps(), beeps);
    }
    EXPECT_EQ(w.Passes(), 0);
    EXPECT_EQ(w.Fields().BandPeriod, band);
    EXPECT_EQ(w.Fields().BackColorNo, colour);
    EXPECT_EQ(w.Fields().ViewWidth, width);
}

}  // namespace
}  // namespace ranvik
