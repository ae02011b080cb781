// The indicator pane's mouse in a chart window of the running program: the
// explanation of the checked oscillator beside the cursor, the indicator
// popup, the double click that enlarges and restores the pane, and the
// vertical crosshair line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <cmath>
#include <set>

#include "chart/drawing/redraw.h"
#include "chart/window/indicator_explanation.h"
#include "platform/surface/scaled_place.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/popup_menu_service.h"
#include "tests/chart/window/chart_window_fixture.h"

namespace ranvik {
namespace {

using test::ChartWindowTest;
using test::RecordingForm3;

const char* const kOverbought = "買われすぎ、売られすぎを示す. 逆張りで売買を仕掛ける";
const char* const kMomentum = "相場の勢いやはずみを示す. 勢いに乗って買う.";
const char* const kMacd = "トレンドの転換や勢いを示す";

TEST(IndicatorExplanation, TheFirstCheckedOscillatorByPriority) {
    struct Case {
        std::set<std::string> checked;
        const char* text;  // nullptr: none
        bool below;
    };
    const Case cases[] = {
        {{}, nullptr, false},
        {{"mnuDekidaka", "mnuIdouHeikin"}, nullptr, false},  // no oscillator among them
        {{"mnuRSI"}, kOverbought, false},
        {{"mnuストキャス"}, kOverbought, false},
        {{"mnuKairiRitsu"}, kOverbought, false},
        {{"mnu2LineKairiRitsu"}, "+-15 % で売買のタイミング", false},
        {{"mnuRCI"}, "上がり始め、下がり始めの時期とタイミングを捉える", false},
        {{"mnuモメンタム"}, kMomentum, true},
        {{"mnuPerOscillator"}, "現在の株価水準が売り時(２０％以下)か買い時(８０％以上)かを示す.", false},
        {{"mnuMACD"}, kMacd, false},
        {{"mnuVector"}, "一定期間の株価の動きの転換点を捉える(+-15% が天井・底値の目安)", false},
        {{"mnuOBV"}, "売買エネルギー蓄積を示す", false},
        // Several checked: the earlier row wins.
        {{"mnuRSI", "mnuRCI"}, kOverbought, false},
        {{"mnuMACD", "mnuOBV"}, kMacd, false},
        {{"mnuPerOscillator", "mnuモメンタム"}, kMomentum, true},
        {{"mnuVector", "mnu2LineKairiRitsu"}, "+-15 % で売買のタイミング", false},
    };
    for (const Case& c : cases) {
        std::string names;
        for (const std::string& n : c.checked) names += n + " ";
        const auto e = ExplanationFor([&](const std::string& item) { return c.checked.count(item) != 0; });
        if (c.text == nullptr) {
            EXPECT_FALSE(e.has_value()) << names;
            continue;
        }
        ASSERT_TRUE(e.has_value()) << names;
        EXPECT_EQ(e->text, c.text) << names;
        EXPECT_EQ(e->belowCursor, c.below) << names;
    }
}

TEST(IndicatorExplanation, TheLabelStandsAboveTheCursorOrBelowItForMomentum) {
    struct Case {
        bool inverted;
        bool below;
        double top;
    };
    // Cursor at 50, label 10 high; y runs upward unless inverted.
    const Case cases[] = {{false, false, 60}, {false, true, 40}, {true, false, 40}, {true, true, 60}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(ExplanationTop(50, 10, c.inverted, c.below), c.top) << c.inverted << c.below;
    }
}

class IndicatorPaneMouse : public ChartWindowTest {
protected:
    RecordingForm3& Shown(const char* file = "1301d.KDT") {
        Start();
        RequestFile(file, "d");
        RecordingForm3& w = *Window(1);
        EXPECT_EQ(F().ChartShown, 1);
        return w;
    }
    static void Send(QWidget* pane, QEvent::Type type, Qt::MouseButton button, QPoint at) {
        QMouseEvent event(type, QPointF(at), QPointF(pane->mapToGlobal(at)), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                          Qt::NoModifier);
        QApplication::sendEvent(pane, &event);
    }
    static void OnlyChecked(RecordingForm3& w, std::initializer_list<const char*> items) {
        for (const char* item : {"mnuRSI", "mnuストキャス", "mnuKairiRitsu", "mnu2LineKairiRitsu", "mnuRCI",
                                 "mnuモメンタム", "mnuPerOscillator", "mnuMACD", "mnuVector", "mnuOBV"}) {
            w.Item(item, 1).SetChecked(false);
        }
        for (const char* item : items) w.Item(item, 1).SetChecked(true);
    }
};

TEST_F(IndicatorPaneMouse, TheExplanationStandsBesideTheCursorUntilTheRelease) {
    RecordingForm3& w = Shown();
    w.Item("mnuFuncExItem", 4).SetChecked(true);
    const QPoint at(100, 40);
    struct Case {
        bool inverted;
        const char* item;
        bool below;
    };
    const Case cases[] = {
        {false, "mnuRSI", false}, {false, "mnuモメンタム", true}, {true, "mnuRSI", false}, {true, "mnuモメンタム", true}};
    for (const Case& c : cases) {
        OnlyChecked(w, {c.item});
        if ((F().InvertedChart == -1) != c.inverted) w.mnuChart上下_Click();
        RedrawChart(w);
        ASSERT_EQ(F().InvertedChart == -1, c.inverted);
        const std::string what = std::string(c.item) + (c.inverted ? " inverted" : " upright");
        Send(w.Picture3, QEvent::MouseButtonPress, Qt::LeftButton, at);
        ASSERT_FALSE(w.Label15->isHidden()) << what;
        EXPECT_EQ(w.Label15->text().toStdString(), c.below ? kMomentum : kOverbought) << what;
        // In the pane's scale: the top edge one label height from the
        // cursor's y, upward (+) on an upright chart, downward (-) on an
        // inverted one, the other way for momentum.
        const Surface& ind = w.indicator;
        const double y = ind.FromTwipsY(at.y() * 15);
        const double h = HeightInScale(ind, *w.Label15);
        const double sign = (c.inverted ? -1 : 1) * (c.below ? -1 : 1);
        const double onePixel = std::abs(ind.ScaleHeight()) * 15 / HeightOf(w.Picture3);
        const double onePixelX = std::abs(ind.ScaleWidth()) * 15 / WidthOf(w.Picture3);
        EXPECT_NEAR(LeftInScale(ind, *w.Label15), ind.FromTwipsX(at.x() * 15), onePixelX) << what;
        EXPECT_NEAR(TopInScale(ind, *w.Label15), y + sign * h, onePixel) << what;
        if (!c.below) {
            // The oscillators' scales run upward upright and downward
            // inverted: the label stands just above the cursor on both.
            EXPECT_NEAR(w.Label15->y() + w.Label15->height(), at.y(), 1) << what;
        }
        EXPECT_EQ(ForeColorOf(w.Label15), RGB(0, 0, 255)) << what;
        Send(w.Picture3, QEvent::MouseButtonRelease, Qt::LeftButton, at);
        EXPECT_TRUE(w.Label15->isHidden()) << what;
    }
    // White on the dark background.
    w.mnuColorItem_Click(1);
    ASSERT_EQ(F().BackColorNo, 2);
    Send(w.Picture3, QEvent::MouseButtonPress, Qt::LeftButton, at);
    EXPECT_EQ(ForeColorOf(w.Label15), QBColor(15));
    Send(w.Picture3, QEvent::MouseButtonRelease, Qt::LeftButton, at);
}

TEST_F(IndicatorPaneMouse, NoExplanationWithoutTheOptionAnOscillatorOrAChart) {
    ScopedRecordingPopupMenus menus;
    Start();
    RecordingForm3& w = *Window(1);
    w.Item("mnuFuncExItem", 4).SetChecked(true);
    // No chart yet: neither the label nor the popup.
    w.Picture3_MouseDown(1, 0, 10, 10);
    w.Picture3_MouseDown(2, 0, 10, 10);
    EXPECT_TRUE(w.Label15->isHidden());
    EXPECT_TRUE(menus->shown.empty());

    RequestFile("1301d.KDT", "d");
    w.Label15->setText("before");
    OnlyChecked(w, {});
    w.Picture3_MouseDown(1, 0, 10, 10);
    EXPECT_TRUE(w.Label15->isHidden());
    EXPECT_EQ(w.Label15->text().toStdString(), "before");

    OnlyChecked(w, {"mnuMACD", "mnuOBV"});
    w.Item("mnuFuncExItem", 4).SetChecked(false);
    w.Picture3_MouseDown(1, 0, 10, 10);
    EXPECT_TRUE(w.Label15->isHidden());
    w.Item("mnuFuncExItem", 4).SetChecked(true);
    w.Picture3_MouseDown(4, 0, 10, 10);  // the middle button
    EXPECT_TRUE(w.Label15->isHidden());
    w.Picture3_MouseDown(1, 0, 10, 10);
    EXPECT_FALSE(w.Label15->isHidden());
    EXPECT_EQ(w.Label15->text().toStdString(), kMacd);
    w.Picture3_MouseUp(2, 0, 10, 10);  // any button hides it
    EXPECT_TRUE(w.Label15->isHidden());

    // Another kind of chart: nothing.
    w.Check10.SetValue(1);
    w.Picture3_MouseDown(1, 0, 10, 10);
    w.Picture3_MouseDown(2, 0, 10, 10);
    EXPECT_TRUE(w.Label15->isHidden());
    EXPECT_TRUE(menus->shown.empty());
}

TEST_F(IndicatorPaneMouse, TheRightButtonOpensTheIndicatorMenuEvenWithExplanationsOn) {
    ScopedRecordingPopupMenus menus;
    RecordingForm3& w = Shown();
    w.Item("mnuFuncExItem", 4).SetChecked(true);
    Send(w.Picture3, QEvent::MouseButtonPress, Qt::RightButton, QPoint(30, 20));
    ASSERT_EQ(menus->shown.size(), 1u);
    EXPECT_EQ(menus->shown[0].menu, w.IndicatorMenu());
    EXPECT_TRUE(w.Label15->isHidden());
    Send(w.Picture3, QEvent::MouseButtonRelease, Qt::RightButton, QPoint(30, 20));
}

TEST_F(IndicatorPaneMouse, TheDoubleClickEnlargesWhileThePricePaneIsTallerAndAlwaysRestores) {
    RecordingForm3& w = Shown();
    const int price = HeightOf(w.Picture1);
    const int indicator = HeightOf(w.Picture3);
    const double step = F().IndicatorPaneHeight;
    ASSERT_GT(price, indicator);
    const double scaleHeight = w.price.ScaleHeight();
    w.price.ClearLog();

    // A double click on the pane, then the pane layout menu's item: the same.
    Send(w.Picture3, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5));
    Send(w.Picture3, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(5, 5));
    Send(w.Picture3, QEvent::MouseButtonDblClick, Qt::LeftButton, QPoint(5, 5));
    Send(w.Picture3, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(5, 5));
    EXPECT_TRUE(w.Item("mnuGamen比", 1).Checked());
    EXPECT_NEAR(HeightOf(w.Picture1), price - step, 15);
    EXPECT_NEAR(HeightOf(w.Picture3), indicator + step, 15);
    EXPECT_EQ(TopOf(w.Picture3), TopOf(w.Picture1) + HeightOf(w.Picture1));
    EXPECT_EQ(w.Draws(), 1);
    EXPECT_DOUBLE_EQ(w.price.ScaleHeight(), scaleHeight);

    // Enlarged once more only while the price pane is still the taller.
    while (HeightOf(w.Picture1) > HeightOf(w.Picture3)) {
        w.Item("mnuGamen比", 1).SetChecked(false);
        w.mnuGamen比_Click(1);
    }
    w.Item("mnuGamen比", 1).SetChecked(false);
    const int lowPrice = HeightOf(w.Picture1);
    w.price.ClearLog();
    w.mnuGamen比_Click(1);
    EXPECT_FALSE(w.Item("mnuGamen比", 1).Checked());
    EXPECT_EQ(HeightOf(w.Picture1), lowPrice);
    EXPECT_EQ(w.Draws(), 0);

    // Checked, it restores whatever the heights.
    w.Item("mnuGamen比", 1).SetChecked(true);
    w.mnuGamen比_Click(1);
    EXPECT_FALSE(w.Item("mnuGamen比", 1).Checked());
    EXPECT_NEAR(HeightOf(w.Picture1), lowPrice + step, 15);
    EXPECT_EQ(w.Draws(), 1);
}

TEST_F(IndicatorPaneMouse, TheDoubleClickDoesNothingOnAnotherKindOrBeforeAChart) {
    Start();
    RecordingForm3& w = *Window(1);
    const int price = HeightOf(w.Picture1);
    w.Picture3_DblClick();
    EXPECT_FALSE(w.Item("mnuGamen比", 1).Checked());
    EXPECT_EQ(HeightOf(w.Picture1), price);

    RequestFile("1301d.KDT", "d");
    w.Check10.SetValue(1);
    const int yearly = HeightOf(w.Picture1);
    w.price.ClearLog();
    w.Picture3_DblClick();
    EXPECT_FALSE(w.Item("mnuGamen比", 1).Checked());
    EXPECT_EQ(HeightOf(w.Picture1), yearly);
    EXPECT_EQ(w.Draws(), 0);
}

TEST_F(IndicatorPaneMouse, MovesCarryTheVerticalLineOrRemoveTheCrosshairOnTheYearlyKind) {
    RecordingForm3& w = Shown();
    w.Item("mnuMisc", 0).SetChecked(true);
    w.Item("mnuFuncExItem", 5).SetChecked(true);
    w.Picture1_MouseMove(0, 0, 70, F().PriceBottom + 10);
    ASSERT_FALSE(w.Label14->isHidden());
    w.Picture3_MouseMove(0, 0, 140, 0);
    EXPECT_EQ(F().CrossX, 140);
    EXPECT_EQ(F().CrossY, -2000);
    EXPECT_TRUE(w.Label14->isHidden());
    const auto vertical = w.indicator.CallsOf(RecordedCall::Kind::Line);
    ASSERT_FALSE(vertical.empty());
    EXPECT_EQ(vertical.back().x1, 140);
    EXPECT_EQ(vertical.back().state.Mode, DrawMode::Xor);

    // Crosshair off: nothing moves.
    w.Item("mnuMisc", 0).SetChecked(false);
    w.Picture3_MouseMove(0, 0, 210, 0);
    EXPECT_EQ(F().CrossX, 140);
    w.Item("mnuMisc", 0).SetChecked(true);

    w.Check10.SetValue(1);
    w.Picture1_MouseMove(0, 0, 70, 50);
    ASSERT_NE(F().CrossX, -2000);
    w.Picture3_MouseMove(0, 0, 140, 0);
    EXPECT_EQ(F().CrossX, -2000);
    EXPECT_EQ(F().CrossY, -2000);
}

}  // namespace
}  // namespace ranvik
