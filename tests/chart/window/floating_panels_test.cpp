// The panels floating on the price pane of a chart window of the running
// program: the zoom-slider panel's close button, dragging the panels and
// the yearly-candle pane, the yearly pane's pointers and resizing, and the
// horizontal crosshair line over the price-band volume pane.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QMouseEvent>
#include <QTest>
#include <cmath>

#include "chart/drawing/redraw.h"
#include "platform/surface/scaled_place.h"
#include "platform/ui/control_drag.h"
#include "platform/ui/label_button.h"
#include "platform/ui/pointers.h"
#include "tests/chart/window/chart_window_fixture.h"

namespace ranvik {
namespace {

using test::RecordingForm3;

// The chart window with its price-band volume pane on a recording surface
// too.
class BandRecordingForm3 : public RecordingForm3 {
public:
    Surface& BandVolumePane() override {
        band.Resize(WidthOf(Picture5), HeightOf(Picture5));
        return band;
    }
    RecordingSurface band;
};

class FloatingPanels : public test::ChartWindowTestOf<BandRecordingForm3> {
protected:
    BandRecordingForm3& Shown(const char* file = "1301d.KDT") {
        Start();
        RequestFile(file, "d");
        EXPECT_EQ(F().ChartShown, 1);
        return W();
    }
    static void Send(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint at,
                     Qt::MouseButtons held = Qt::NoButton) {
        QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    static QWidget* Front(QWidget* panel, QWidget* at) { return panel->childAt(at->geometry().center()); }
    // One pixel of the price pane in its scale's units.
    static double PixelX(RecordingForm3& w) { return std::abs(w.price.ScaleWidth()) * 15 / WidthOf(w.Picture1); }
    static double PixelY(RecordingForm3& w) { return std::abs(w.price.ScaleHeight()) * 15 / HeightOf(w.Picture1); }
};

TEST_F(FloatingPanels, TheCloseButtonLightsUnderTheMouseAndItsReleaseHidesThePanel) {
    Start();
    BandRecordingForm3& w = W();
    w.mnuGamen比_Click(4);
    ASSERT_FALSE(w.Frame1->isHidden());
    EXPECT_EQ(LeftOf(w.Image1), 2400 / 15 * 15);
    EXPECT_TRUE(w.Image2->isHidden());

    Send(w.Image1, QEvent::MouseMove, Qt::NoButton, QPoint(3, 3));
    EXPECT_FALSE(w.Image2->isHidden());
    EXPECT_EQ(w.Image2->pos(), w.Image1->pos());
    EXPECT_EQ(Front(w.Frame1, w.Image1), w.Image2);
    // The panel's body ends the highlight; so does the price pane, chart or
    // not.
    Send(w.Frame1, QEvent::MouseMove, Qt::NoButton, QPoint(20, 40));
    EXPECT_EQ(Front(w.Frame1, w.Image1), w.Image1);
    Send(w.Image1, QEvent::MouseMove, Qt::NoButton, QPoint(3, 3));
    ASSERT_EQ(Front(w.Frame1, w.Image1), w.Image2);
    Send(w.Picture1, QEvent::MouseMove, Qt::NoButton, QPoint(300, 200));
    EXPECT_EQ(Front(w.Frame1, w.Image1), w.Image1);

    // Press: 20 twips smaller, 10 right and down; release anywhere closes.
    Send(w.Image1, QEvent::MouseMove, Qt::NoButton, QPoint(3, 3));
    const QRect normal = w.Image2->geometry();
    Send(w.Image2, QEvent::MouseButtonPress, Qt::RightButton, QPoint(3, 3), Qt::RightButton);
    EXPECT_EQ(w.Image2->geometry(), QRect(normal.x() + 1, normal.y() + 1, normal.width() - 1, normal.height() - 1));
    Send(w.Image2, QEvent::MouseButtonRelease, Qt::RightButton, QPoint(400, 300));
    EXPECT_EQ(w.Image2->geometry(), normal);
    EXPECT_TRUE(w.Image2->isHidden());
    EXPECT_TRUE(w.Frame1->isHidden());
    EXPECT_FALSE(w.Item("mnuGamen比", 4).Checked());
}

TEST_F(FloatingPanels, TheYearPanelShowsNoCloseButton) {
    Start();
    BandRecordingForm3& w = W();
    w.Frame3->show();
    Send(w.Frame3, QEvent::MouseMove, Qt::NoButton, QPoint(100, 5));
    EXPECT_TRUE(w.Image3->isHidden());
    EXPECT_TRUE(w.Image4->isHidden());
    EXPECT_EQ(w.Frame3->childAt(QPoint(1680 / 15 + 5, 5)), nullptr);
}

// The grabbed point of the panel lands under the drop point, whatever the
// price pane's scale; dropped on itself it moves by the distance dragged.
TEST_F(FloatingPanels, APanelDropPutsItsGrabbedPointUnderTheDropPoint) {
    BandRecordingForm3& w = Shown();
    w.mnuGamen比_Click(4);
    for (int zoom = 0; zoom < 2; ++zoom) {
        if (zoom == 1) ZoomIn1(w);
        const Surface& p = w.price;
        const double grabX = 300, grabY = 120;  // twips inside the panel
        w.Frame1_MouseDown(1, 0, grabX, grabY);
        ASSERT_TRUE(w.PanelDrag()->Dragging());
        w.PanelDrag()->EndDrag();
        const double x = p.ScaleLeft() + p.ScaleWidth() * 0.5;
        const double y = p.ScaleTop() + p.ScaleHeight() * 0.4;
        w.Picture1_DragDrop(w.Frame1, x, y);
        EXPECT_NEAR(LeftInScale(p, *w.Frame1), x - p.ScaleWidth() * grabX / WidthOf(w.Picture1), PixelX(w))
            << "zoom " << zoom;
        EXPECT_NEAR(TopInScale(p, *w.Frame1), y - p.ScaleHeight() * grabY / HeightOf(w.Picture1), PixelY(w))
            << "zoom " << zoom;
        // On itself, 600 twips right and 300 down of the grab point.
        const QPoint before = w.Frame1->pos();
        w.Frame1_DragDrop(w.Frame1, grabX + 600, grabY + 300);
        EXPECT_NEAR(w.Frame1->x(), before.x() + 40, 1) << "zoom " << zoom;
        EXPECT_NEAR(w.Frame1->y(), before.y() + 20, 1) << "zoom " << zoom;
    }
}

// Dropped on the other panel or on the yearly pane, a control lands as if
// dropped on the price pane at that point.
TEST_F(FloatingPanels, ACrossDropPutsTheGrabbedPointUnderThePointerToo) {
    BandRecordingForm3& w = Shown();
    w.mnuGamen比_Click(4);
    w.Check7.SetValue(1);
    w.Frame3->show();
    w.Frame1->move(10, 10);
    w.Frame3->move(300, 150);
    w.Picture4->move(600, 60);
    // The year panel grabbed at (150, 75) twips, dropped at (900, 300)
    // twips inside the slider panel.
    w.Frame3_MouseDown(1, 0, 150, 75);
    w.PanelDrag()->EndDrag();
    w.Frame1_DragDrop(w.Frame3, 900, 300);
    EXPECT_NEAR(w.Frame3->x() + 10, 10 + 60, 1);
    EXPECT_NEAR(w.Frame3->y() + 5, 10 + 20, 1);
    // The slider panel grabbed at (300, 150) twips, dropped on the yearly
    // pane 30 pixels right and 45 down of its corner.
    Surface& own = w.YearPane();
    w.Frame1_MouseDown(1, 0, 300, 150);
    w.PanelDrag()->EndDrag();
    w.Picture4_DragDrop(w.Frame1, own.FromTwipsX(450), own.FromTwipsY(675));
    EXPECT_NEAR(w.Frame1->x() + 20, 600 + 30, 1);
    EXPECT_NEAR(w.Frame1->y() + 10, 60 + 45, 1);
    // The yearly pane grabbed 15 pixels right and 30 down of its corner,
    // dropped on the year panel at (600, 300) twips.
    w.Picture4_MouseDown(4, 0, own.FromTwipsX(225), own.FromTwipsY(450));
    w.PanelDrag()->EndDrag();
    const QPoint panel = w.Frame3->pos();
    w.Frame3_DragDrop(w.Picture4, 600, 300);
    EXPECT_NEAR(w.Picture4->x() + 15, panel.x() + 40, 1);
    EXPECT_NEAR(w.Picture4->y() + 30, panel.y() + 20, 1);
}

TEST_F(FloatingPanels, DraggingThePanelWithTheMouseMovesIt) {
    MDIForm1& main = StartShown();
    RequestFile("1301d.KDT", "d");
    BandRecordingForm3& w = W();
    w.mnuGamen比_Click(4);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QWindow* handle = main.windowHandle();
    const QPoint grab(40, 6);  // the panel's caption
    const QPoint start = w.Frame1->mapTo(&main, grab);
    const QPoint end = w.Picture1->mapTo(&main, QPoint(300, 150));
    QTest::mousePress(handle, Qt::LeftButton, {}, start);
    ASSERT_TRUE(w.PanelDrag()->Dragging());
    QTest::mouseMove(handle, (start + end) / 2);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, end);
    EXPECT_FALSE(w.PanelDrag()->Dragging());
    EXPECT_NEAR(w.Frame1->x() + grab.x(), 300, 1);
    EXPECT_NEAR(w.Frame1->y() + grab.y(), 150, 1);
}

// The yearly-candle pane is grabbed in its own scale, whose left edge lies
// before x = 0 and whose prices run either way.
TEST_F(FloatingPanels, TheYearlyPaneDropsWithItsGrabbedPointUnderThePointer) {
    BandRecordingForm3& w = Shown();
    w.Check7.SetValue(1);
    ASSERT_FALSE(w.Picture4->isHidden());
    for (bool inverted : {false, true}) {
        if ((F().InvertedChart == -1) != inverted) w.mnuChart上下_Click();
        ASSERT_FALSE(w.Picture4->isHidden());
        Surface& own = w.YearPane();
        ASSERT_EQ(own.ScaleHeight() > 0, inverted);
        const Surface& p = w.price;
        // A right press does nothing; the middle button drags from anywhere.
        w.Picture4_MouseDown(2, 0, 10, own.ScaleTop());
        EXPECT_FALSE(w.PanelDrag()->Dragging());
        const double grabX = own.ScaleLeft() + own.ScaleWidth() * 0.3;
        const double grabY = own.ScaleTop() + own.ScaleHeight() * 0.4;
        w.Picture4_MouseDown(4, 0, grabX, grabY);
        ASSERT_TRUE(w.PanelDrag()->Dragging());
        w.PanelDrag()->EndDrag();
        const double x = p.ScaleLeft() + p.ScaleWidth() * 0.5;
        const double y = p.ScaleTop() + p.ScaleHeight() * 0.5;
        w.Picture1_DragDrop(w.Picture4, x, y);
        const QPoint grabbed = w.Picture4->pos() + QPoint(std::lround(own.ToTwipsX(grabX) / 15),
                                                          std::lround(own.ToTwipsY(grabY) / 15));
        EXPECT_NEAR(grabbed.x(), std::lround(p.ToTwipsX(x) / 15), 1) << inverted;
        EXPECT_NEAR(grabbed.y(), std::lround(p.ToTwipsY(y) / 15), 1) << inverted;
        // On itself: it follows the pointer's way, down the screen here.
        const QPoint before = w.Picture4->pos();
        const double downY = own.FromTwipsY(own.ToTwipsY(grabY) + 300);
        w.Picture4_DragDrop(w.Picture4, own.FromTwipsX(own.ToTwipsX(grabX) + 450), downY);
        EXPECT_NEAR(w.Picture4->x(), before.x() + 30, 1) << inverted;
        EXPECT_NEAR(w.Picture4->y(), before.y() + 20, 1) << inverted;
    }
}

TEST_F(FloatingPanels, TheYearlyPanesPointerFollowsItsEdges) {
    BandRecordingForm3& w = Shown();
    w.Check7.SetValue(1);
    for (bool inverted : {false, true}) {
        if ((F().InvertedChart == -1) != inverted) w.mnuChart上下_Click();
        Surface& own = w.YearPane();
        const double right = own.ScaleWidth() - 40;  // within 80 units of ScaleWidth
        const double inside = own.ScaleWidth() - 120;
        const double bottom = own.ScaleTop() + own.ScaleHeight() * 0.95;  // the bottom tenth
        const double middle = own.ScaleTop() + own.ScaleHeight() * 0.5;
        struct Case {
            int button;
            double x, y;
            int pointer;
            bool dragX, dragY;
        };
        const Case cases[] = {
            {0, inside, middle, 1, false, false},
            {0, right, middle, 9, true, false},
            {0, inside, bottom, 7, false, true},
            {0, right, bottom, 8, true, true},
            {4, right, bottom, 1, false, true},  // a button held: the arrow, the width drag off
        };
        for (const Case& c : cases) {
            w.Picture4_MouseMove(c.button, 0, c.x, c.y);
            const std::string what = (inverted ? "inverted " : "upright ") + std::to_string(c.pointer);
            EXPECT_EQ(MousePointerOf(w.Picture4), c.pointer) << what;
            EXPECT_EQ(F().YearPaneDragX != 0, c.dragX) << what;
            if (c.pointer != 1) {
                EXPECT_EQ(F().YearPaneDragY != 0, c.dragY) << what;
            }
        }
    }
}

TEST_F(FloatingPanels, TheYearlyPaneResizesDownToASixthOfThePricePane) {
    BandRecordingForm3& w = Shown();
    w.Check7.SetValue(1);
    for (bool inverted : {false, true}) {
        if ((F().InvertedChart == -1) != inverted) w.mnuChart上下_Click();
        Surface& own = w.YearPane();
        const Surface& p = w.price;
        const double right = own.ScaleWidth() - 40;
        const double bottom = own.ScaleTop() + own.ScaleHeight() * 0.95;
        const std::string what = inverted ? "inverted" : "upright";
        // Armed at the corner, a left press is the first step; a drag right
        // and down by a tenth of the pane widens and heightens it as much.
        w.Picture4_MouseMove(0, 0, right, bottom);
        ASSERT_EQ(MousePointerOf(w.Picture4), 8);
        const double width = WidthInScale(p, *w.Picture4);
        const double height = HeightInScale(p, *w.Picture4);
        w.Picture4_MouseDown(1, 0, right, bottom);
        EXPECT_FALSE(w.PanelDrag()->Dragging()) << what;
        w.Picture4_MouseMove(1, 0, right + own.ScaleWidth() / 10, bottom + own.ScaleHeight() / 10);
        EXPECT_NEAR(WidthInScale(p, *w.Picture4), width * 1.1, PixelX(w)) << what;
        EXPECT_NEAR(HeightInScale(p, *w.Picture4), height * 1.1, PixelY(w)) << what;
        // Far back: the minimum, and the drag ends.
        w.Picture4_MouseMove(1, 0, right - 10 * own.ScaleWidth(), bottom - 10 * own.ScaleHeight());
        EXPECT_NEAR(WidthInScale(p, *w.Picture4), std::abs(p.ScaleWidth()) / 6, PixelX(w)) << what;
        EXPECT_NEAR(HeightInScale(p, *w.Picture4), std::abs(p.ScaleHeight()) / 6, PixelY(w)) << what;
        EXPECT_EQ(F().YearPaneDragX, 0) << what;
        EXPECT_EQ(F().YearPaneDragY, 0) << what;
        // The release draws the candles at the new size, the arrow back.
        const double scaleWidth = own.ScaleWidth();
        own.SetScaleWidth(1);
        w.Picture4_MouseUp(1, 0, 0, 0);
        EXPECT_EQ(MousePointerOf(w.Picture4), 1) << what;
        EXPECT_DOUBLE_EQ(own.ScaleWidth(), scaleWidth) << what;
        PlaceInScale(p, *w.Picture4, LeftInScale(p, *w.Picture4), TopInScale(p, *w.Picture4), width, height);
    }
}

// Over the price-band pane only the horizontal line follows; a click there
// draws the pane anew with the line kept; beyond the clip levels nothing is
// remembered.
TEST_F(FloatingPanels, TheHorizontalLineOverThePriceBandPane) {
    BandRecordingForm3& w = Shown();
    w.Item("mnuMisc", 0).SetChecked(true);
    w.Check9.SetValue(1);
    ASSERT_FALSE(w.Picture5->isHidden());
    const double y1 = F().PriceBottom + 10;
    w.Picture1_MouseMove(0, 0, 70, y1 - 5);
    w.Picture5_MouseMove(0, 0, 50, y1);
    EXPECT_EQ(F().CrossX, -2000);
    EXPECT_EQ(F().CrossY, static_cast<float>(y1));

    w.band.ClearLog();
    w.Picture5_MouseUp(1, 0, 50, y1);
    auto lines = w.band.CallsOf(RecordedCall::Kind::Line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().state.Mode, DrawMode::Xor);
    EXPECT_EQ(lines.back().y1, F().CrossY);

    // The next move removes that line, then draws the new one.
    const double y2 = F().PriceBottom + 20;
    w.band.ClearLog();
    w.Picture5_MouseMove(0, 0, 50, y2);
    lines = w.band.CallsOf(RecordedCall::Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].y1, static_cast<float>(y1));
    EXPECT_EQ(lines[1].y1, y2);

    // Beyond the clip levels: forgotten, and the next move removes only what
    // is there.
    w.band.ClearLog();
    w.Picture5_MouseMove(0, 0, 50, F().ClipLevelH + 50);
    EXPECT_EQ(F().CrossY, -2000);
    EXPECT_EQ(w.band.CallsOf(RecordedCall::Kind::Line).size(), 1u);  // the old line removed
    w.band.ClearLog();
    w.price.ClearLog();
    w.Picture5_MouseMove(0, 0, 50, y1);
    EXPECT_EQ(w.band.CallsOf(RecordedCall::Kind::Line).size(), 1u);
    EXPECT_EQ(w.price.CallsOf(RecordedCall::Kind::Line).size(), 1u);
    EXPECT_EQ(F().CrossY, static_cast<float>(y1));

    // The crosshair off: moves change nothing.
    w.Item("mnuMisc", 0).SetChecked(false);
    w.Picture5_MouseMove(0, 0, 50, y2);
    EXPECT_EQ(F().CrossY, static_cast<float>(y1));
}

}  // namespace
}  // namespace ranvik
