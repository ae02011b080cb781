// Switching the chart kinds of a window: exclusion, menus, toolbar buttons,
// the main window's signal, one drawing pass, and the price pane's place
// after the way back to the candlestick chart.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>

#include "tests/chart/window/kind_switch_fixture.h"

namespace ranvik {
namespace {

using test::KindBox;
using test::KindCountingForm3;
using test::kKinds;
using test::KindSwitchTest;

struct Geometry {
    int left, top, width, height;
    bool indicatorShown;
    friend bool operator==(const Geometry&, const Geometry&) = default;
};
std::ostream& operator<<(std::ostream& out, const Geometry& g) {
    return out << "(" << g.left << "," << g.top << "," << g.width << "," << g.height << ", indicator "
               << g.indicatorShown << ")";
}
Geometry PricePaneOf(const KindCountingForm3& w) {
    return {LeftOf(w.Picture1), TopOf(w.Picture1), WidthOf(w.Picture1), HeightOf(w.Picture1), !w.Picture3->isHidden()};
}

// The display buttons' enabled pattern, E and D in item order.
std::string DisplayButtons(const KindCountingForm3& w) {
    std::string pattern;
    for (int i = 1; i <= 6; ++i) pattern += w.Item("mnu表示ボタン", i).Enabled() ? 'E' : 'D';
    return pattern;
}

const char* DisplayPatternOf(int box) {
    switch (box) {
        case 1: return "EEEEEE";
        case 2: return "EDEDED";
        case 10: return "DDEDED";
        default: return "EEEDED";
    }
}

class ChartKinds : public KindSwitchTest {};

// Every kind switched on from every kind: one kind box on, its chart-menu
// mark alone, the menus its steps enable, the kind left released on the
// toolbar, one signal and one drawing pass; then back to the candlestick
// chart, the price pane where it was.
TEST_F(ChartKinds, EveryPairOfKinds) {
    KindCountingForm3& w = Drawn();
    const Geometry candle = PricePaneOf(w);
    for (const KindBox& from : kKinds) {
        for (const KindBox& to : kKinds) {
            if (from.box == to.box) continue;
            const std::string pair = std::to_string(from.box) + " -> " + std::to_string(to.box);
            w.CheckBox(from.box)->SetValue(1);
            w.Forget();
            w.CheckBox(to.box)->SetValue(1);

            for (const KindBox& k : kKinds) {
                EXPECT_EQ(w.CheckBox(k.box)->Value(), k.box == to.box ? 1 : 0) << pair << " box " << k.box;
                EXPECT_EQ(w.Item(k.item, k.index).Checked(), k.box == to.box) << pair << " item of " << k.box;
            }
            EXPECT_FALSE(w.Item("mnuChartItemeyc", 2).Checked()) << pair;
            const bool candles = to.box == 1;
            const bool newPrice = to.box == 11 || to.box == 12;
            EXPECT_EQ(w.MenuEnabled("mnuSetView"), candles) << pair;
            const bool options = candles || to.box == 10 || newPrice || ((to.box == 2 || to.box == 3) && from.box == 10);
            EXPECT_EQ(w.MenuEnabled("mnuSetView2"), options) << pair;
            EXPECT_EQ(w.Item("mnuPrt", 1).Enabled(), candles) << pair;
            for (int i : {1, 2, 3}) EXPECT_EQ(w.Item("mnuGamen比", i).Enabled(), candles) << pair << " pane item " << i;
            EXPECT_EQ(DisplayButtons(w), DisplayPatternOf(to.box)) << pair;
            const bool topics = to.box == 1 || to.box == 2;
            EXPECT_EQ(w.Item("mnuTopicsDisp", 1).Enabled(), topics) << pair;
            EXPECT_EQ(w.Item("mnuTopicsDisp", 2).Enabled(), topics) << pair;
            EXPECT_FALSE(w.Item("mnuChart上下", 1).Enabled()) << pair;
            const bool noMonthly = to.box == 10 || newPrice;
            for (int i : {1, 3, 4}) EXPECT_EQ(w.Item("mnuMisc", i).Enabled(), !noMonthly) << pair << " misc " << i;
            EXPECT_EQ(form->ToolbarButtonValue(from.key), 0) << pair;
            EXPECT_EQ(w.raisedSignals, 1) << pair;
            EXPECT_EQ(w.Passes(), 1) << pair;

            w.Check1.SetValue(1);
            EXPECT_EQ(PricePaneOf(w), candle) << pair;
        }
    }
}

// Leaving each kind, with the indicator pane shown and with it hidden,
// gives the candlestick chart the price pane it had.
class WayBack : public KindSwitchTest, public ::testing::WithParamInterface<bool> {};

TEST_P(WayBack, GivesThePricePaneBack) {
    const bool indicatorShown = GetParam();
    KindCountingForm3& w = Drawn();
    if (!indicatorShown) w.mnuGamen比_Click(3);
    ASSERT_EQ(w.Item("mnuGamen比", 3).Checked(), indicatorShown);
    const Geometry candle = PricePaneOf(w);
    EXPECT_EQ(candle.indicatorShown, indicatorShown);
    for (const KindBox& k : kKinds) {
        if (k.box == 1) continue;
        w.CheckBox(k.box)->SetValue(1);
        w.Check1.SetValue(1);
        EXPECT_EQ(PricePaneOf(w), candle) << "kind " << k.box;
    }
}

INSTANTIATE_TEST_SUITE_P(IndicatorPane, WayBack, ::testing::Bool());

TEST_F(ChartKinds, AKindAlreadyOnRunsNothing) {
    KindCountingForm3& w = Drawn();
    w.Check1.SetValue(1);
    EXPECT_EQ(w.Passes(), 0);
    EXPECT_EQ(w.raisedSignals, 0);
    w.Check3.SetValue(1);
    w.Forget();
    w.Check3.SetValue(1);
    EXPECT_EQ(w.Passes(), 0);
    EXPECT_EQ(w.raisedSignals, 0);
}

// The three-line break's pair: the other one's off steps first, then the
// set-up; the chart menu's mark moves from item 7 to item 6.
TEST_F(ChartKinds, TheThreeLineBreakPair) {
    KindCountingForm3& w = Drawn();
    const int price = HeightOf(w.Picture1);
    w.Check12.SetValue(1);
    EXPECT_TRUE(w.Item("mnuChartItem", 7).Checked());
    EXPECT_TRUE(w.Picture3->isHidden());
    form->SetToolbarButtonValue("新値足時系列", 1);
    w.Forget();
    w.Check11.SetValue(1);
    EXPECT_EQ(w.Check12.Value(), 0);
    EXPECT_EQ(form->ToolbarButtonValue("新値足時系列"), 0);
    EXPECT_TRUE(w.Item("mnuChartItem", 6).Checked());
    EXPECT_FALSE(w.Item("mnuChartItem", 7).Checked());
    EXPECT_TRUE(w.Picture3->isHidden());
    EXPECT_EQ(w.Fields().SavedPricePaneHeight, price);
    EXPECT_EQ(w.Passes(), 1);
    EXPECT_EQ(w.raisedSignals, 1);
}

// Fields the kinds set: the comparison's percentages, point and figure's
// absolute moves and box size, the enlarged volume area under the
// three-line break, the width of the partial view.
TEST_F(ChartKinds, FieldsTheKindsSet) {
    KindCountingForm3& w = Drawn();
    ChartWindowState& f = w.Fields();
    f.CompareTopPct = 0;
    f.CompareBottomPct = -5;
    w.Check2.SetValue(1);
    EXPECT_EQ(f.CompareTopPct, 100);
    EXPECT_EQ(f.CompareBottomPct, 100);
    EXPECT_EQ(w.windowTitle().toStdString(), "銘柄比較チャート");
    EXPECT_FALSE(form->ToolbarButtonEnabled("年"));
    f.CompareTopPct = 1;
    f.CompareBottomPct = 250;
    w.Check1.SetValue(1);
    w.Check2.SetValue(1);
    EXPECT_EQ(f.CompareTopPct, 1);
    EXPECT_EQ(f.CompareBottomPct, 250);

    f.PnfAbsolute = 0;
    w.Check4.SetValue(1);
    EXPECT_EQ(f.PnfAbsolute, -1);
    EXPECT_TRUE(form->QuickBoxes[6]->isEnabled());
    EXPECT_TRUE(form->ToolbarButtonEnabled("ボタン２"));
    f.PnfBoxSize = 12.5f;
    w.Check3.SetValue(1);
    EXPECT_EQ(f.PnfBoxSize, 0);
    EXPECT_EQ(f.PnfAbsolute, -1);

    w.Item("mnuGamen比", 2).SetChecked(true);
    f.VolumeAreaRatio = 3;
    f.PartialViewWidth = 700;
    w.Check11.SetValue(1);
    EXPECT_EQ(f.VolumeAreaRatio, 7);
    EXPECT_FALSE(w.Item("mnuGamen比", 2).Checked());
    EXPECT_FALSE(form->QuickBoxes[6]->isEnabled());
}

// The year-by-year comparison: variant 1 by default, the slider panel
// closed and its item disabled, every other kind's button released; its
// switch-off hides the year panel and clears both variant marks.
TEST_F(ChartKinds, TheYearByYearComparison) {
    KindCountingForm3& w = Drawn();
    w.mnuGamen比_Click(4);
    ASSERT_TRUE(w.Item("mnuGamen比", 4).Checked());
    for (const KindBox& k : kKinds) form->SetToolbarButtonValue(k.key, 1);
    w.Check10.SetValue(1);
    EXPECT_TRUE(w.Item("mnuChartItemeyc", 1).Checked());
    EXPECT_FALSE(w.Item("mnuGamen比", 4).Checked());
    EXPECT_FALSE(w.Item("mnuGamen比", 4).Enabled());
    EXPECT_TRUE(w.Frame1->isHidden());
    for (const KindBox& k : kKinds) EXPECT_EQ(form->ToolbarButtonValue(k.key), k.box == 10 ? 1 : 0) << k.key;

    w.Frame3->show();
    w.Check1.SetValue(1);
    EXPECT_TRUE(w.Frame3->isHidden());
    EXPECT_FALSE(w.Item("mnuChartItemeyc", 1).Checked());
    EXPECT_TRUE(w.Item("mnuGamen比", 4).Enabled());
    EXPECT_EQ(form->ToolbarButtonValue("年毎比較"), 0);

    w.Item("mnuChartItemeyc", 2).SetChecked(true);
    w.Check10.SetValue(1);
    EXPECT_FALSE(w.Item("mnuChartItemeyc", 1).Checked());
    EXPECT_TRUE(w.Item("mnuChartItemeyc", 2).Checked());
}

// The candlestick chart without a stock: menus and the signal, nothing
// drawn, the options' panes left hidden, and no resize on the way out.
TEST_F(ChartKinds, TheCandlestickChartWithoutAStock) {
    Start();
    KindCountingForm3& w = W();
    w.Check6.SetValue(1);
    w.Check9.SetValue(1);
    ASSERT_FALSE(w.Picture11->isHidden());
    w.Check2.SetValue(1);
    EXPECT_TRUE(w.Picture11->isHidden());
    EXPECT_TRUE(w.Picture5->isHidden());
    const Geometry before = PricePaneOf(w);
    w.Forget();
    w.Check1.SetValue(1);
    EXPECT_TRUE(w.MenuEnabled("mnuSetView"));
    EXPECT_TRUE(w.MenuEnabled("mnuSetView2"));
    EXPECT_TRUE(w.Item("mnuPrt", 1).Enabled());
    EXPECT_TRUE(w.Item("mnuChartItem", 1).Checked());
    EXPECT_EQ(w.raisedSignals, 1);
    EXPECT_EQ(w.Passes(), 0);
    EXPECT_TRUE(w.Picture11->isHidden());
    EXPECT_TRUE(w.Picture5->isHidden());
    EXPECT_EQ(PricePaneOf(w), before);
    w.Check2.SetValue(1);
    EXPECT_EQ(PricePaneOf(w), before);
}

// "0010" to "0500" as text: the invert item with the candlestick and the
// three-line-break kinds.
TEST_F(ChartKinds, TheExchangeRateTest) {
    KindCountingForm3& w = Drawn();
    const struct {
        const char* code;
        bool exchange;
    } cases[] = {{"0009", false}, {"0010", true}, {"001A", true}, {"0500", true}, {"0501", false}, {"6501", false}};
    for (const auto& c : cases) {
        for (int box : {11, 12, 1}) {
            w.Check3.SetValue(1);
            w.Fields().StockCode4 = c.code;
            w.CheckBox(box)->SetValue(1);
            EXPECT_EQ(w.Item("mnuChart上下", 1).Enabled(), c.exchange) << c.code << " box " << box;
        }
    }
}

}  // namespace
}  // namespace ranvik

namespace ranvik {
namespace {

class ChartMenuItems : public test::KindSwitchTest {};

// A kind item presses its toolbar button and switches the kind once; the
// same item again, and the submenu's own index 5, do nothing.
TEST_F(ChartMenuItems, KindItemsSwitchOnceThroughTheirBoxes) {
    test::KindCountingForm3& w = Drawn();
    // From the candlestick chart through every other kind and back to it.
    for (int pass = 0; pass < 2; ++pass) {
        for (const test::KindBox& k : test::kKinds) {
            if (k.box == 10 || (pass == 0) == (k.box == 1)) continue;
            w.Forget();
            w.Item(k.item, k.index).Choose();
            EXPECT_EQ(w.CheckBox(k.box)->Value(), 1) << k.key;
            EXPECT_TRUE(w.Item(k.item, k.index).Checked()) << k.key;
            EXPECT_EQ(form->ToolbarButtonValue(k.key), 1) << k.key;
            EXPECT_EQ(w.Passes(), 1) << k.key;
            w.Forget();
            w.mnuChartItem_Click(k.index);
            w.mnuChartItem_Click(5);
            EXPECT_EQ(w.Passes(), 0) << k.key;
            EXPECT_EQ(w.raisedSignals, 0) << k.key;
        }
    }
}

TEST_F(ChartMenuItems, YearVariantsRedrawFromTheStartAndVariantOneHidesThePanel) {
    test::KindCountingForm3& w = Drawn();
    w.Item("mnuChartItemeyc", 2).Choose();
    EXPECT_EQ(w.Check10.Value(), 1);
    EXPECT_TRUE(w.Item("mnuChartItemeyc", 2).Checked());
    EXPECT_FALSE(w.Item("mnuChartItemeyc", 1).Checked());
    EXPECT_EQ(form->ToolbarButtonValue("年毎比較"), 1);
    EXPECT_EQ(w.Passes(), 1);
    // The variant shown chosen again is drawn again.
    w.Forget();
    w.mnuChartItemeyc_Click(2);
    EXPECT_EQ(w.Passes(), 1);
    EXPECT_TRUE(w.Item("mnuChartItemeyc", 2).Checked());
    w.Frame3->show();
    w.mnuChartItemeyc_Click(1);
    EXPECT_TRUE(w.Frame3->isHidden());
    EXPECT_TRUE(w.Item("mnuChartItemeyc", 1).Checked());
    EXPECT_FALSE(w.Item("mnuChartItemeyc", 2).Checked());
    EXPECT_EQ(w.Check10.Value(), 1);
}

TEST_F(ChartMenuItems, OptionItemsToggleTheirBoxesAndButtons) {
    test::KindCountingForm3& w = Drawn();
    for (bool on : {true, false}) {
        w.mnuMisc_Click(0);
        EXPECT_EQ(w.Item("mnuMisc", 0).Checked(), on);
        EXPECT_EQ(form->ToolbarButtonValue("十字"), on ? 1 : 0);
        w.mnuMisc_Click(4);
        EXPECT_EQ(w.Check9.Value(), on ? 1 : 0);
        EXPECT_EQ(form->ToolbarButtonValue("出来高"), on ? 1 : 0);
        w.mnuMisc_Click(1);
        EXPECT_EQ(w.Check6.Value(), on ? 1 : 0);
        EXPECT_EQ(w.Item("mnuMisc", 1).Checked(), on);
        EXPECT_EQ(form->ToolbarButtonValue("データ"), on ? 1 : 0);
    }
}

}  // namespace
}  // namespace ranvik

namespace ranvik {
namespace {

class ChartMenuShellItems : public test::KindSwitchTest {};

TEST_F(ChartMenuShellItems, InversionTogglesAndRedrawsWithANewRange) {
    test::KindCountingForm3& w = Drawn();
    for (bool on : {true, false}) {
        w.Forget();
        w.Fields().ViewHigh = 123;
        w.mnuChart上下_Click();
        EXPECT_EQ(w.Item("mnuChart上下", 1).Checked(), on);
        EXPECT_EQ(w.Fields().InvertedChart, on ? kTrue : 0);
        EXPECT_EQ(w.Passes(), 1);
        EXPECT_NE(w.Fields().ViewHigh, 123);
    }
}

TEST_F(ChartMenuShellItems, ExtraFunctionsAreMirroredAndTheDebugItemRetitles) {
    test::KindCountingForm3& w = Drawn();
    RunWindowMenu(8);
    ChartWindowBase* two = Program().windows.ChartWindow2;
    ASSERT_NE(two, nullptr);
    const struct {
        int index;
        bool redraws;
    } cases[] = {{1, true}, {2, true}, {3, false}, {4, false}, {5, false}, {8, true}};
    for (const auto& c : cases) {
        const bool was = w.Item("mnuFuncExItem", c.index).Checked();
        w.Forget();
        w.mnuFuncExItem_Click(c.index);
        EXPECT_EQ(w.Item("mnuFuncExItem", c.index).Checked(), !was) << c.index;
        EXPECT_EQ(two->Item("mnuFuncExItem", c.index).Checked(), !was) << c.index;
        EXPECT_EQ(form->Item("mnuFuncExItem", c.index).Checked(), !was) << c.index;
        EXPECT_EQ(w.Passes() > 0, c.redraws) << c.index;
    }
    w.mnuFuncExItem_Click(7);
    EXPECT_EQ(Program().app.AppTitle, "RanvikチャートsupDebug ");
    std::string caption = "RanvikチャートsupDebug ";
    EXPECT_EQ(form->windowTitle().toStdString(), caption.append(w.Fields().StockTitle));
    EXPECT_EQ(Program().app.DebugPages, kTrue);
    w.mnuFuncExItem_Click(7);
    EXPECT_EQ(Program().app.AppTitle, "Ranvikチャートsup ");
    caption = "Ranvikチャートsup ";
    EXPECT_EQ(form->windowTitle().toStdString(), caption.append(w.Fields().StockTitle));
}

}  // namespace
}  // namespace ranvik
