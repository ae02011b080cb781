// A chart window's pane layout, coordinate systems and pane layout menu, its
// scroll bar, zoom slider and display menu.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>

#include "chart/drawing/price_scale.h"
#include "tests/chart/window/chart_window_fixture.h"

namespace ranvik {
namespace {

using test::ChartWindowTest;
using test::RecordingForm3;

// Twips as a control takes them: whole pixels.
int Placed(int twips) { return PixelsToTwips(TwipsToPixels(twips)); }

class LayoutAndScroll : public ChartWindowTest {
protected:
    RecordingForm3& Draw(const std::string& file) {
        RequestFile(file, "d");
        RecordingForm3& w = Active();
        w.price.ClearLog();
        return w;
    }
    // The low of the first bar of the last drawing: the lower end of its
    // wick, the first upright line at x = 3.
    float FirstLow(RecordingForm3& w) {
        const auto& calls = w.price.Calls();
        float low = -1;
        for (const RecordedCall& call : calls) {
            if (call.kind == RecordedCall::Kind::Clear) low = -1;
            const bool wick = call.kind == RecordedCall::Kind::Line && call.x1 == 3 && call.x2 == 3;
            if (wick && low == -1) low = static_cast<float>(call.y2);
        }
        return low;
    }
};

TEST_F(LayoutAndScroll, TheResizeLaysThePanesOutOnBothSidesOfSystemVersion6) {
    for (double version : {5.1, 6.0}) {
        SetOperatingSystemVersion(version);
        StartShown();
        RecordingForm3& w = *Window(1);
        w.Frame()->showNormal();
        w.Frame()->resize(800, 600);
        w.Form_Resize();
        const int wide = version >= 6 ? 120 : 0;
        const int tall = version >= 6 ? 150 : 0;
        const int formWidth = PixelsToTwips(w.Frame()->width());
        const int formHeight = PixelsToTwips(w.Frame()->height());
        const int width = formWidth - 30 - 150 - wide;
        const int height = formHeight - 700 - TopOf(w.Picture1) - HeightOf(w.Picture3) - tall;
        EXPECT_EQ(WidthOf(w.Picture1), Placed(width)) << version;
        EXPECT_EQ(HeightOf(w.Picture1), Placed(height)) << version;
        EXPECT_EQ(WidthOf(w.Picture3), Placed(width)) << version;
        EXPECT_EQ(TopOf(w.Picture3), Placed(TopOf(w.Picture1) + HeightOf(w.Picture1) + 10)) << version;
        EXPECT_EQ(TopOf(w.HScroll1), Placed(TopOf(w.Picture3) + HeightOf(w.Picture3) + 30)) << version;
        EXPECT_EQ(WidthOf(w.HScroll1), Placed(WidthOf(w.Picture1) + 50)) << version;
        EXPECT_EQ(WidthOf(w.Picture11), Placed(formWidth - 180)) << version;
        EXPECT_EQ(LeftOf(w.Picture5), Placed(30 + WidthOf(w.Picture1))) << version;
        form->close();
        form.reset();
    }
}

TEST_F(LayoutAndScroll, ThePricePaneRunsUprightOrInvertedAndTheIndicatorPaneTakesItsWidth) {
    Start();
    RecordingForm3& w = *Window(1);
    ChartWindowState& f = F();
    f.ViewWidth = 903;
    f.PriceTop = 1200;
    f.PriceBottom = 900;
    f.VolumeAreaHeight = 50;
    for (std::int16_t inverted : {0, -1}) {
        f.InvertedChart = inverted;
        w.Form_Resize();
        const ScaleCorners s = PricePaneScale(f);
        EXPECT_EQ(w.price.ScaleLeft(), 0) << inverted;
        EXPECT_EQ(w.price.ScaleTop(), inverted ? 900 : 1200) << inverted;
        EXPECT_EQ(w.price.ScaleTop() + w.price.ScaleHeight(), inverted ? 1250 : 850) << inverted;
        EXPECT_EQ(w.price.ScaleWidth(), s.x2) << inverted;
        EXPECT_EQ(w.indicator.ScaleWidth(), 903) << inverted;
    }
}

TEST_F(LayoutAndScroll, AResizeRedrawsAShownChartAndLightsTheActiveWindowsBox) {
    Start();
    RecordingForm3& w = Draw("6501d.KDT");
    form->QuickBoxes[4]->setEnabled(false);
    w.Form_Resize();
    EXPECT_EQ(w.Draws(), 1);
    EXPECT_TRUE(form->QuickBoxes[4]->isEnabled());
}

TEST_F(LayoutAndScroll, MinimizedTheWindowDrawsNothingAndTheRestoreRedrawsOnce) {
    StartShown();
    RecordingForm3& w = Draw("6501d.KDT");
    form->showMinimized();
    ASSERT_TRUE(form->isMinimized());
    w.Frame()->showNormal();
    w.Frame()->resize(700, 500);
    w.Form_Resize();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.Draws(), 0);
    form->showNormal();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.Draws(), 1);
}

// Item 3 shows and hides the indicator pane of a drawn candlestick chart;
// without a file, or with another kind, it changes nothing.
TEST_F(LayoutAndScroll, TheIndicatorPaneItem) {
    Start();
    RecordingForm3& w = *Window(1);
    w.mnuGamen比_Click(3);
    EXPECT_TRUE(w.Item("mnuGamen比", 3).Checked());
    EXPECT_FALSE(w.Picture3->isHidden());

    Draw("6501d.KDT");
    w.Check1.SetValue(0);
    w.mnuGamen比_Click(3);
    EXPECT_TRUE(w.Item("mnuGamen比", 3).Checked());
    // The candlestick chart switched on again draws once; the count below
    // is the item's.
    w.Check1.SetValue(1);
    w.price.ClearLog();

    const int price = HeightOf(w.Picture1);
    const int indicator = HeightOf(w.Picture3);
    w.mnuGamen比_Click(3);
    EXPECT_FALSE(w.Item("mnuGamen比", 3).Checked());
    EXPECT_TRUE(w.Picture3->isHidden());
    EXPECT_EQ(HeightOf(w.Picture1), price + indicator);
    EXPECT_FALSE(w.Item("mnuGamen比", 1).Enabled());
    EXPECT_FALSE(form->ToolbarButtonEnabled("指標窓"));
    EXPECT_EQ(w.Draws(), 1);

    w.mnuGamen比_Click(3);
    EXPECT_TRUE(w.Item("mnuGamen比", 3).Checked());
    EXPECT_FALSE(w.Picture3->isHidden());
    EXPECT_EQ(HeightOf(w.Picture1), price);
    EXPECT_EQ(TopOf(w.Picture3), TopOf(w.Picture1) + price);
    EXPECT_TRUE(w.Item("mnuGamen比", 1).Enabled());
    EXPECT_TRUE(form->ToolbarButtonEnabled("指標窓"));
    EXPECT_EQ(w.Draws(), 2);
}

// Item 4 puts the zoom-slider panel at the price pane's top-left corner,
// whatever its scale; item 5 switches the data-cut view.
TEST_F(LayoutAndScroll, TheSliderPanelAndTheDataCutItems) {
    Start();
    RecordingForm3& w = *Window(1);
    w.price.ClearLog();
    w.mnuGamen比_Click(5);
    EXPECT_TRUE(w.Item("mnuGamen比", 5).Checked());
    EXPECT_EQ(w.Draws(), 0);
    w.mnuGamen比_Click(5);

    test::WriteDataFile(dir.File("8001d.KDT"), 4999);  // 5000 records
    form->FillDataFileList(dir.Path());
    Draw("8001d.KDT");
    EXPECT_EQ(F().FirstRecord, 4681);  // without the data-cut view
    w.mnuGamen比_Click(5);
    EXPECT_EQ(w.Draws(), 1);
    EXPECT_EQ(F().FirstRecord, 5000 - 903 / 7 + 7);
    w.HScroll1->setValue(14);
    EXPECT_EQ(F().FirstRecord, 2 + 5000 - 4681);

    w.Frame1->move(5, 5);
    w.mnuGamen比_Click(4);
    EXPECT_TRUE(w.Item("mnuGamen比", 4).Checked());
    EXPECT_FALSE(w.Frame1->isHidden());
    EXPECT_EQ(w.Frame1->pos(), QPoint(0, 0));
    w.mnuGamen比_Click(4);
    EXPECT_FALSE(w.Item("mnuGamen比", 4).Checked());
    EXPECT_TRUE(w.Frame1->isHidden());
}

// Each scroll change sets the first record at once and draws from it, so
// the chart last drawn is the one of the last value.
TEST_F(LayoutAndScroll, TheScrollBarDrawsFromTheRecordOfEachValue) {
    Start();
    RecordingForm3& w = Draw("1301d.KDT");
    const int values[] = {700, 2800, 3507, 14};
    for (int value : values) w.HScroll1->setValue(value);
    EXPECT_EQ(w.Draws(), 4);
    EXPECT_EQ(F().FirstRecord, 2);
    EXPECT_EQ(FirstLow(w), test::TestBar(2).Low);
    w.HScroll1->setValue(3507);
    EXPECT_EQ(F().FirstRecord, 501);
    EXPECT_EQ(FirstLow(w), test::TestBar(501).Low);

    // While another file is pending the scroll bar draws nothing.
    RequestFile("6501d.KDT", "s");
    w.price.ClearLog();
    w.HScroll1->setValue(700);
    EXPECT_EQ(w.Draws(), 0);
    EXPECT_EQ(F().FirstRecord, 501);
}

TEST_F(LayoutAndScroll, TheSliderSetsThePartialWidth) {
    Start();
    RecordingForm3& w = *Window(1);
    w.price.ClearLog();
    w.Slider1->setValue(1400);
    EXPECT_EQ(F().PartialViewWidth, 1400);
    EXPECT_EQ(F().ViewWidth, 1400);
    EXPECT_EQ(w.Draws(), 0);

    RequestFile("1301d.KDT", "d");
    EXPECT_EQ(F().ViewWidth, 1400);
    w.price.ClearLog();
    F().CompareRestart = 0;
    w.Slider1->setValue(700);
    EXPECT_EQ(w.Draws(), 1);
    EXPECT_EQ(F().ViewWidth, 700);
    EXPECT_EQ(F().CompareRestart, -1);
    EXPECT_EQ(w.HScroll1->value(), w.HScroll1->maximum());
}

TEST_F(LayoutAndScroll, TheDisplayMenuViewsAndZooms) {
    Start();
    RecordingForm3& w = Draw("1301d.KDT");
    const struct {
        int item;
        const char* shortcut;
        float width;
    } steps[] = {{2, "F8", 7107}, {1, "F7", 903}, {4, "Shift+F5", 721}, {3, "", 539},
                 {5, "", 721},    {3, "", 539},   {3, "", 385},         {4, "Shift+F5", 385}};
    for (const auto& s : steps) {
        EXPECT_EQ(w.Item("mnu表示ボタン", s.item).Shortcut(), s.shortcut) << s.item;
        w.mnu表示ボタン_Click(s.item);
        EXPECT_EQ(F().ViewWidth, s.width) << s.item;
    }
    EXPECT_EQ(w.Item("mnu表示ボタン", 6).Shortcut(), "Shift+F6");
    w.HScroll1->setValue(14);
    w.mnu表示ボタン_Click(6);
    EXPECT_EQ(F().ViewWidth, 567);
    EXPECT_EQ(F().FirstRecord, 2);
}

}  // namespace
}  // namespace ranvik
