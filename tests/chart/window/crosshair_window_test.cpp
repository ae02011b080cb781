// The crosshair in a chart window of the running program: lines on the
// price pane in exclusive-or mode, no ghost lines after a redraw of another
// kind, and the labels above the chart removing the lines.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "tests/chart/window/chart_window_fixture.h"

namespace ranvik {
namespace {

using test::ChartWindowTest;
using test::RecordingForm3;

class CrosshairInTheWindow : public ChartWindowTest {
protected:
    RecordingForm3& Shown() {
        Start();
        RequestFile("1301d.KDT", "d");
        RecordingForm3& w = *Window(1);
        w.Item("mnuMisc", 0).SetChecked(true);
        return w;
    }
    // Lines drawn in exclusive-or mode since the log was cleared.
    static std::vector<RecordedCall> XorLines(RecordingForm3& w) {
        std::vector<RecordedCall> out;
        for (const RecordedCall& c : w.Lines()) {
            if (c.state.Mode == DrawMode::Xor) out.push_back(c);
        }
        return out;
    }
    static void Move(QWidget* widget, QPointF at) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
};

TEST_F(CrosshairInTheWindow, MovesDrawAndRemoveLines) {
    RecordingForm3& w = Shown();
    ASSERT_EQ(F().ChartShown, 1);
    w.price.ClearLog();
    w.Picture1_MouseMove(0, 0, 70, F().PriceBottom + 10);
    EXPECT_EQ(XorLines(w).size(), 2u);
    EXPECT_EQ(F().CrossX, 70);
    w.price.ClearLog();
    w.Picture1_MouseMove(0, 0, 77, F().PriceBottom + 20);
    ASSERT_EQ(XorLines(w).size(), 4u);
    EXPECT_EQ(XorLines(w)[0].x1, 70);  // the old line first
    EXPECT_EQ(w.price.DrawMode(), DrawMode::Copy);
    // The title strip removes them.
    w.price.ClearLog();
    Move(w.Label1, QPointF(5, 5));
    EXPECT_EQ(XorLines(w).size(), 2u);
    EXPECT_EQ(F().CrossX, -2000);
    EXPECT_EQ(F().CrossY, -2000);
}

TEST_F(CrosshairInTheWindow, TheFirstMoveAfterAnotherKindsRedrawDrawsOnlyNewLines) {
    RecordingForm3& w = Shown();
    w.Picture1_MouseMove(0, 0, 70, F().PriceBottom + 10);
    for (auto* box : {&w.Check10, &w.Check11}) {
        box->SetValue(1);  // the price pane is cleared and drawn again
        EXPECT_EQ(F().CrossX, -2000);
        EXPECT_TRUE(w.Label14->isHidden());
        w.price.ClearLog();
        w.Picture1_MouseMove(0, 0, 14, 50);
        const auto lines = XorLines(w);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].x1, 14);
        EXPECT_EQ(lines[1].y1, 50);
    }
}

// A move the pane did not take goes on to the window: the window's own
// eraser must leave the lines the pane has just drawn where they are.
TEST_F(CrosshairInTheWindow, AMouseMoveOverThePaneLeavesTheCrosshairDrawn) {
    MDIForm1& main = StartShown();
    RequestFile("1301d.KDT", "d");
    RecordingForm3& w = *Window(1);
    w.Item("mnuMisc", 0).SetChecked(true);
    w.Check6.SetValue(1);
    ASSERT_TRUE(w.Item("mnuFuncExItem", 5).Checked());  // the price tag
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    const QPoint at(WidthOf(w.Picture1) / 15 / 2, HeightOf(w.Picture1) / 15 / 2);
    w.price.ClearLog();
    QTest::mouseMove(w.Picture1, at);
    EXPECT_NE(F().CrossX, -2000);
    EXPECT_NE(F().CrossY, -2000);
    EXPECT_EQ(XorLines(w).size(), 2u);  // drawn, and not drawn over again
    EXPECT_FALSE(w.Label14->isHidden());
    // The next move takes the lines along.
    w.price.ClearLog();
    QTest::mouseMove(w.Picture1, at + QPoint(20, 10));
    EXPECT_EQ(XorLines(w).size(), 4u);
    EXPECT_FALSE(w.Label14->isHidden());
    // The window's own background, left of the panes, removes them.
    w.price.ClearLog();
    const QPoint background(0, w.Picture1->geometry().center().y());
    ASSERT_EQ(w.childAt(background), nullptr);
    QTest::mouseMove(&w, background);
    EXPECT_EQ(F().CrossX, -2000);
    EXPECT_EQ(XorLines(w).size(), 2u);
    EXPECT_TRUE(w.Label14->isHidden());
}

}  // namespace
}  // namespace ranvik
