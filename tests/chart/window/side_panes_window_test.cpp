// The yearly-candle and price-band panes in a chart window of the running
// program: the yearly pane switched on and off, and a click released on the
// price-band pane.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "tests/chart/window/chart_window_fixture.h"

namespace ranvik {
namespace {

using test::ChartWindowTest;
using test::RecordingForm3;

class SidePanesInTheWindow : public ChartWindowTest {
protected:
    static void Release(QWidget* pane, Qt::MouseButton button, QPointF at) {
        QMouseEvent release(QEvent::MouseButtonRelease, at, pane->mapToGlobal(at), button, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(pane, &release);
    }
};

TEST_F(SidePanesInTheWindow, TheYearlyPaneComesWithAStockShownAndGoesWhenSwitchedOff) {
    Start();
    RecordingForm3& w = *Window(1);
    // No stock yet: the box stays set and nothing is drawn.
    w.Check7.SetValue(1);
    EXPECT_TRUE(w.Picture4->isHidden());
    w.Check7.SetValue(0);
    RequestFile("6501d.KDT", "d");
    ASSERT_EQ(F().ChartShown, 1);
    w.Check7.SetValue(1);
    EXPECT_FALSE(w.Picture4->isHidden());
    // The file's 300 bars all lie in 2001: one column and the margin.
    EXPECT_DOUBLE_EQ(w.Picture4->ScaleLeft() + w.Picture4->ScaleWidth(), 60);
    w.Check7.SetValue(0);
    EXPECT_TRUE(w.Picture4->isHidden());
}

TEST_F(SidePanesInTheWindow, AClickOnThePriceBandPaneChangesItsBands) {
    Start();
    RequestFile("1301d.KDT", "d");
    RecordingForm3& w = *Window(1);
    ASSERT_NE(F().MaxVolume, 0);
    ASSERT_EQ(F().BandVolumeScale, 8);
    Release(w.Picture5, Qt::LeftButton, QPointF(10, 10));
    EXPECT_EQ(F().BandVolumeScale, 16);
    EXPECT_EQ(w.Picture5->toolTip().toStdString(), "クリック");
    Release(w.Picture5, Qt::RightButton, QPointF(10, 10));
    Release(w.Picture5, Qt::RightButton, QPointF(10, 10));
    EXPECT_EQ(F().BandVolumeScale, 4);
}

}  // namespace
}  // namespace ranvik
