// The chart commands that take the quick bar's values and change the
// background: what is stored, which box turns red with a beep, and that a
// printing window drops them.
#include <gtest/gtest.h>

#include <QLineEdit>

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
    static void SetKind(KindCountingForm3& w, int kind) {
        for (int no : {1, 2, 3, 4, 10}) {
            HiddenCheckBox* box = w.CheckBox(no);
            auto handler = std::move(box->OnClick);
            box->OnClick = nullptr;
            box->SetValue(no == kind ? 1 : 0);
            box->OnClick = std::move(handler);
        }
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
    SetKind(w, 1);
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
    SetKind(w, 2);
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
    SetKind(w, 10);
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
    SetKind(w, 1);
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
    SetKind(w, 1);
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
    SetKind(w, 1);
    w.Fields().PrintingNow = -1;
    Type(18, "75");
    Send(w, 57);
    EXPECT_EQ(w.Fields().RegressionPeriods[3], 0);
    w.Fields().PrintingNow = 0;
}

}  // namespace
}  // namespace ranvik
