// Enter typed into the main window's quick bar reaching the active chart
// window: the value typed is the value the window stores.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "core/program_state.h"
#include "tests/chart/window/kind_switch_fixture.h"

namespace ranvik {
namespace {

using test::KindCountingForm3;
using test::KindSwitchTest;

class QuickBarEnter : public KindSwitchTest {
protected:
    // Text typed into a box, then Enter from the keyboard.
    void TypeAndEnter(int no, const char* text) {
        QLineEdit* box = main_->QuickBoxes.at(no);
        box->setEnabled(true);
        box->setText(QString::fromUtf8(text));
        QTest::keyClick(box, Qt::Key_Return);
    }
    std::string Text(int no) { return main_->QuickBoxes.at(no)->text().toStdString(); }

    MDIForm1* main_ = nullptr;
};

TEST_F(QuickBarEnter, TypedValuesReachTheActiveChartWindow) {
    main_ = &Start();
    KindCountingForm3& w = W();
    SetKindBoxes(w, 1);
    w.Item("mnu一目", 1).SetChecked(false);
    w.Item("mnuEnvelope", 1).SetChecked(false);

    TypeAndEnter(4, "　２０ ");
    EXPECT_EQ(Text(4), "20");
    EXPECT_EQ(w.Fields().BandPeriod, 20);
    TypeAndEnter(8, "0.2");
    EXPECT_EQ(w.Fields().ParabolicAF, 0.2F);
    TypeAndEnter(8, "０．０２");
    EXPECT_EQ(Text(8), "0.02");
    EXPECT_EQ(w.Fields().ParabolicAF, 0.02F);
    const int beeps = messages->beeps;
    TypeAndEnter(8, "0.21");
    EXPECT_EQ(w.Fields().ParabolicAF, 0.02F) << "refused before it is sent";
    EXPECT_EQ(messages->beeps, beeps + 1);
    TypeAndEnter(18, "３０");
    EXPECT_EQ(w.Fields().RegressionPeriods[3], 30);

    // Under the stock comparison a MACD box's Enter takes the percents.
    SetKindBoxes(w, 2);
    main_->QuickBoxes.at(4)->setText("15");
    main_->QuickBoxes.at(5)->setText("-10");
    TypeAndEnter(10, "9");
    EXPECT_EQ(w.Fields().CompareTopPct, 15);
    EXPECT_EQ(w.Fields().CompareBottomPct, -10);
    EXPECT_EQ(w.Fields().MacdShortPeriod, 0) << "no MACD command under the comparison";
}

// A weekly chart with RSI: a period typed with a fraction stays as typed,
// in the window and in the box, after the redraw it starts.
TEST_F(QuickBarEnter, AWeeklyOscillatorPeriodKeepsItsFraction) {
    main_ = &Start();
    RequestFile("7203w.KDT", "d");
    KindCountingForm3& w = W();
    ASSERT_EQ(w.Fields().IsDaily, 0);
    if (!w.Item("mnuRSI", 1).Checked()) w.Menu("mnuRSI")->Action(1)->trigger();
    ASSERT_TRUE(w.Item("mnuRSI", 1).Checked());
    main_->QuickBoxes.at(2)->setText("25");
    w.Forget();
    TypeAndEnter(3, "13.5");
    EXPECT_EQ(w.Passes(), 1);
    EXPECT_EQ(w.Fields().OscPeriodWeekly, 13.5);
    EXPECT_EQ(Text(3), "13.5");
    // The next redraw keeps it too.
    TypeAndEnter(2, "25");
    EXPECT_EQ(w.Fields().OscPeriodWeekly, 13.5);
    EXPECT_EQ(Text(3), "13.5");
}

}  // namespace
}  // namespace ranvik
