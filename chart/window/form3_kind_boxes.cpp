// The chart kind and display option boxes Check1 to Check12: what switching
// a kind on or off and an option on or off does to the window, its menus and
// the main window's toolbar.  A kind switched on first switches the others
// off (their own handlers run nested), then does its own steps and draws once.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>

#include "chart/drawing/chart_setup.h"
#include "chart/drawing/redraw.h"
#include "chart/window/form3.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/surface/scaled_place.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

MDIForm1* Main() { return Program().windows.MainForm; }

// The kind boxes in the order in which a new kind switches them off.
constexpr int kKindBoxes[] = {1, 2, 3, 4, 10, 11, 12};

}  // namespace

void Form3::ConnectKindBoxes() {
    Check1.OnClick = [this] { Check1_Click(); };
    Check2.OnClick = [this] { Check2_Click(); };
    Check3.OnClick = [this] { Check3_Click(); };
    Check4.OnClick = [this] { Check4_Click(); };
    Check6.OnClick = [this] { Check6_Click(); };
    Check7.OnClick = [this] { Check7_Click(); };
    Check8.OnClick = [this] { Check8_Click(); };
    Check9.OnClick = [this] { Check9_Click(); };
    Check10.OnClick = [this] { Check10_Click(); };
    Check11.OnClick = [this] { Check11_Click(); };
    Check12.OnClick = [this] { Check12_Click(); };
}

bool Form3::MenuEnabled(const std::string& name) const {
    const auto* action = MenuBar() != nullptr ? MenuBar()->findChild<QAction*>(QString::fromStdString(name)) : nullptr;
    return action != nullptr && action->isEnabled();
}

void Form3::SetMenuEnabled(const std::string& name, bool enabled) {
    auto* action = MenuBar() != nullptr ? MenuBar()->findChild<QAction*>(QString::fromStdString(name)) : nullptr;
    if (action != nullptr) action->setEnabled(enabled);
}

// ---------------------------------------------------------------- shared steps

void Form3::RestoreIndicatorPane() {
    if (Item("mnuGamen比", 1).Checked()) Picture3_DblClick();
}

void Form3::ExcludeOtherKinds(int self, bool newPriceBars) {
    for (int box : kKindBoxes) {
        if (box == self || (newPriceBars && (box == 11 || box == 12))) continue;
        HiddenCheckBox* check = CheckBox(box);
        if (check->Value() == 1) check->SetValue(0);
    }
}

void Form3::TakeIndicatorSpace() {
    fields_.SavedPricePaneHeight = static_cast<float>(HeightOf(Picture1));
    if (Item("mnuGamen比", 3).Checked()) SetHeight(Picture1, HeightOf(Picture1) + HeightOf(Picture3));
    Picture3->hide();
}

void Form3::GiveIndicatorSpaceBack() {
    if (!Item("mnuGamen比", 3).Checked()) return;
    SetHeight(Picture1, fields_.SavedPricePaneHeight);
    Picture3->show();
}

void Form3::SetDisplayButtons(const char* pattern) {
    for (int i = 1; i <= 6; ++i) Item("mnu表示ボタン", i).SetEnabled(pattern[i - 1] == 'E');
}

void Form3::TestExchangeRate() { Item("mnuChart上下", 1).SetEnabled(IsExchangeRateCode(fields_)); }

void Form3::SignalMainWindow() { Activate10.SetValue(1); }

void Form3::DrawNewKind() {
    if (!fields_.DataFileName.empty()) ShowChart(*this);
}

void Form3::SetToolbarButtonValue(const std::string& key, int value) {
    if (MDIForm1* main = Main()) main->SetToolbarButtonValue(key, value);
}

// ---------------------------------------------------------------- kinds

void Form3::Check1_Click() {
    auto& f = fields_;
    if (Check1.Value() == 1) {
        ExcludeOtherKinds(1);
        SetMenuEnabled("mnuSetView", true);
        SetMenuEnabled("mnuSetView2", true);
        for (int i : {1, 2, 3}) Item("mnuGamen比", i).SetEnabled(true);
        if (!Item("mnuGamen比", 3).Checked()) {
            Picture3->hide();
            Item("mnuGamen比", 1).SetEnabled(false);
        }
        Item("mnuTopicsDisp", 1).SetEnabled(true);
        Item("mnuTopicsDisp", 2).SetEnabled(true);
        Item("mnuPrt", 1).SetEnabled(true);
        Item("mnuChartItem", 1).SetChecked(true);
        SetDisplayButtons("EEEEEE");
        SignalMainWindow();
        if (f.DataFileName.empty()) return;
        TestExchangeRate();
        f.ViewWidth = f.PartialViewWidth;
        // The panel may already stand there: switched on while another kind
        // was shown, it showed itself and moved the price pane down.
        if (Check6.Value() == 1 && Picture11->isHidden()) {
            Picture11->show();
            SetTop(Picture1, TopOf(Picture11) + HeightOf(Picture11) + 5);
            SetHeight(Picture1, HeightOf(Picture1) - (HeightOf(Picture11) + 5));
        }
        if (Check9.Value() == 1 && Picture5->isHidden()) {
            Picture5->show();
            SetWidth(Picture1, WidthOf(Picture1) - WidthOf(Picture5));
            SetWidth(Picture3, WidthOf(Picture1));
            SetWidth(HScroll1, WidthOf(Picture1) + 50);
            IndicatorPane().SetScaleWidth(f.ViewWidth);
            SetLeft(Picture5, LeftOf(Picture1) + WidthOf(Picture1));
        }
        ShowChart(*this);
        return;
    }
    f.OscPeriodWeekly = 0;
    f.OscPeriodDaily = 0;
    SetMenuEnabled("mnuSetView", false);
    SetMenuEnabled("mnuSetView2", false);
    Item("mnuPrt", 1).SetEnabled(false);
    for (int i : {1, 2, 3}) Item("mnuGamen比", i).SetEnabled(false);
    Item("mnuChartItem", 1).SetChecked(false);
    SetToolbarButtonValue("ローソク", 0);
    if (Check6.Value() == 1 && !Picture11->isHidden()) {
        Picture11->hide();
        SetTop(Picture1, TopOf(Label1) + HeightOf(Label1));
        SetHeight(Picture1, HeightOf(Picture1) + HeightOf(Picture11) + 5);
    }
    if (Check9.Value() == 1 && !Picture5->isHidden()) {
        Picture5->hide();
        SetWidth(Picture1, WidthOf(Picture1) + WidthOf(Picture5));
        SetWidth(Picture3, WidthOf(Picture3) + WidthOf(Picture5));
        SetWidth(HScroll1, WidthOf(Picture1) + 50);
        IndicatorPane().SetScaleWidth(f.ViewWidth);
    }
}

void Form3::Check2_Click() {
    auto& f = fields_;
    if (Check2.Value() == 1) {
        RestoreIndicatorPane();
        ExcludeOtherKinds(2);
        if (f.CompareTopPct < 1) f.CompareTopPct = 100;
        if (f.CompareBottomPct < 1) f.CompareBottomPct = 100;
        Item("mnuChartItem", 2).SetChecked(true);
        Item("mnuChart上下", 1).SetEnabled(false);
        SignalMainWindow();
        f.CompareRestart = kTrue;
        Item("mnuTopicsDisp", 1).SetEnabled(true);
        Item("mnuTopicsDisp", 2).SetEnabled(true);
        SetToolbarButtonEnabled("年", false);
        SetDisplayButtons("EDEDED");
        SetWindowCaption("銘柄比較チャート");
        f.ViewWidth = f.PartialViewWidth;
        DrawNewKind();
        return;
    }
    SetToolbarButtonValue("比較", 0);
    Item("mnuChartItem", 2).SetChecked(false);
    LeaveComparisonLayout(false);
}

// The comparison set-up shows the indicator pane, hidden by its menu item,
// below a price pane shortened by its height; leaving the kind gives that
// height back and hides the pane again, as the candle layout has it.  A
// comparison never drawn (no stock) made no room and gets none back.
void Form3::LeaveComparisonLayout(bool yearly) {
    if (Item("mnuGamen比", 3).Checked() || Picture3->isHidden()) return;
    SetHeight(Picture1, HeightOf(Picture1) + HeightOf(Picture3));
    if (yearly && !HScroll1->isHidden()) SetHeight(Picture1, HeightOf(Picture1) - HeightOf(HScroll1));
    Picture3->hide();
}

void Form3::Check3_Click() {
    auto& f = fields_;
    if (Check3.Value() == 1) {
        RestoreIndicatorPane();
        ExcludeOtherKinds(3);
        Item("mnuChartItem", 3).SetChecked(true);
        SetDisplayButtons("EEEDED");
        SetToolbarButtonEnabled("ボタン２", true);
        Item("mnuTopicsDisp", 1).SetEnabled(false);
        Item("mnuTopicsDisp", 2).SetEnabled(false);
        Item("mnuChart上下", 1).SetEnabled(false);
        TakeIndicatorSpace();
        SignalMainWindow();
        SetToolbarButtonEnabled("年", false);
        f.ViewWidth = f.PartialViewWidth;
        DrawNewKind();
        return;
    }
    GiveIndicatorSpaceBack();
    SetToolbarButtonValue("逆ウオッチ", 0);
    Item("mnuChartItem", 3).SetChecked(false);
}

void Form3::Check4_Click() {
    auto& f = fields_;
    if (Check4.Value() == 1) {
        RestoreIndicatorPane();
        ExcludeOtherKinds(4);
        TakeIndicatorSpace();
        Item("mnuChartItem", 4).SetChecked(true);
        Item("mnuChart上下", 1).SetEnabled(false);
        SignalMainWindow();
        SetMainBoxEnabled(6, true);
        SetToolbarButtonEnabled("年", false);
        SetDisplayButtons("EEEDED");
        SetMenuEnabled("mnuSetView2", false);
        SetToolbarButtonEnabled("ボタン２", true);
        Item("mnuTopicsDisp", 1).SetEnabled(false);
        Item("mnuTopicsDisp", 2).SetEnabled(false);
        f.PnfAbsolute = kTrue;
        f.ViewWidth = f.PartialViewWidth;
        DrawNewKind();
        return;
    }
    GiveIndicatorSpaceBack();
    SetToolbarButtonValue("Ｐ＆Ｆ", 0);
    Item("mnuChartItem", 4).SetChecked(false);
    f.PnfBoxSize = 0;
}

void Form3::Check10_Click() {
    if (Check10.Value() == 1) {
        RestoreIndicatorPane();
        ExcludeOtherKinds(10);
        if (!Item("mnuChartItemeyc", 2).Checked()) Item("mnuChartItemeyc", 1).SetChecked(true);
        SetMenuEnabled("mnuSetView2", true);
        for (int i : {1, 3, 4}) Item("mnuMisc", i).SetEnabled(false);
        if (Item("mnuGamen比", 4).Checked()) mnuGamen比_Click(4);
        Item("mnuGamen比", 4).SetEnabled(false);
        Item("mnuChart上下", 1).SetEnabled(false);
        SignalMainWindow();
        Item("mnuTopicsDisp", 1).SetEnabled(false);
        Item("mnuTopicsDisp", 2).SetEnabled(false);
        SetDisplayButtons("DDEDED");
        for (const char* key : {"ローソク", "比較", "逆ウオッチ", "Ｐ＆Ｆ", "新値足非時系列", "新値足時系列"}) {
            SetToolbarButtonValue(key, 0);
        }
        DrawNewKind();
        return;
    }
    SetToolbarButtonValue("年毎比較", 0);
    Frame3->hide();
    Item("mnuChartItemeyc", 1).SetChecked(false);
    Item("mnuChartItemeyc", 2).SetChecked(false);
    for (int i : {1, 3, 4}) Item("mnuMisc", i).SetEnabled(true);
    Item("mnuGamen比", 4).SetEnabled(true);
    LeaveComparisonLayout(true);
}

void Form3::EnterNewPriceBarMode() {
    auto& f = fields_;
    RestoreIndicatorPane();
    ExcludeOtherKinds(0, true);
    TakeIndicatorSpace();
    SetMenuEnabled("mnuSetView2", true);
    for (int i : {1, 3, 4}) Item("mnuMisc", i).SetEnabled(false);
    Item("mnuChartItem", Check11.Value() == 1 ? 6 : 7).SetChecked(true);
    TestExchangeRate();
    SetMainBoxEnabled(6, false);
    SignalMainWindow();
    SetDisplayButtons("EEEDED");
    Item("mnuTopicsDisp", 1).SetEnabled(false);
    Item("mnuTopicsDisp", 2).SetEnabled(false);
    f.ViewWidth = f.PartialViewWidth;
    if (Item("mnuGamen比", 2).Checked()) {
        f.VolumeAreaRatio = 7;
        Item("mnuGamen比", 2).SetChecked(false);
    }
    DrawNewKind();
}

void Form3::LeaveNewPriceBarMode() {
    GiveIndicatorSpaceBack();
    SetMenuEnabled("mnuSetView2", false);
    for (int i : {1, 3, 4}) Item("mnuMisc", i).SetEnabled(true);
    Item("mnuChartItem", 6).SetChecked(false);
    Item("mnuChartItem", 7).SetChecked(false);
}

void Form3::Check11_Click() {
    if (Check11.Value() == 1) {
        if (Check12.Value() == 1) Check12.SetValue(0);
        EnterNewPriceBarMode();
        return;
    }
    LeaveNewPriceBarMode();
    SetToolbarButtonValue("新値足非時系列", 0);
}

void Form3::Check12_Click() {
    if (Check12.Value() == 1) {
        if (Check11.Value() == 1) Check11.SetValue(0);
        EnterNewPriceBarMode();
        return;
    }
    LeaveNewPriceBarMode();
    SetToolbarButtonValue("新値足時系列", 0);
}

// ---------------------------------------------------------------- options

void Form3::Check6_Click() {
    const double scaleHeight = PricePane().ScaleHeight();
    // The price pane moves only when the panel really comes or goes: the
    // candle kind's switch-off may have hidden it already.
    if (Check6.Value() == 1) {
        Item("mnuMisc", 1).SetChecked(true);
        if (Picture11->isHidden()) {
            Picture11->show();
            SetTop(Picture1, TopOf(Picture11) + HeightOf(Picture11) + 5);
            SetHeight(Picture1, HeightOf(Picture1) - (HeightOf(Picture11) + 5));
        }
    } else {
        Item("mnuMisc", 1).SetChecked(false);
        if (!Picture11->isHidden()) {
            Picture11->hide();
            SetTop(Picture1, TopOf(Label1) + HeightOf(Label1));
            SetHeight(Picture1, HeightOf(Picture1) + HeightOf(Picture11) + 5);
        }
    }
    PricePane().SetScaleHeight(scaleHeight);
    RedrawChart(*this);
}

void Form3::Check7_Click() {
    auto& f = fields_;
    if (Check7.Value() != 1) {
        Picture4->hide();
        Item("mnuMisc", 2).SetChecked(false);
        return;
    }
    if (f.ChartShown == 0) return;
    Picture4->show();
    const double top = TopInScale(PricePane(), *Picture4);
    if (top > f.PriceTop || top < f.PriceBottom) {
        PlaceInScale(PricePane(), *Picture4, LeftInScale(PricePane(), *Picture4), PricePane().ScaleTop());
    }
    Item("mnuMisc", 2).SetChecked(true);
    RedrawYearCandles();
}

void Form3::Check8_Click() {
    auto& f = fields_;
    const bool monthly = Check8.Value() == 1;
    // 1.
    if (Item("mnuMACD", 1).Checked()) f.MacdShortPeriod = 0;
    f.OscPeriodWeekly = 0;
    f.OscPeriodDaily = 0;
    f.VolumeIndicatorPeriod = 0;
    f.BandPeriod = 0;
    if (Item("mnuEnvelope", 1).Checked()) f.EnvelopePct = 0;
    // 2.
    Item("mnuMisc", 3).SetChecked(monthly);
    // 3.
    QuickBar().Cls();
    SyncParamPanel();
    // 4.
    std::string change = "前";
    change.append(f.PeriodUnit.Text()).append("比");
    labels_.at(7)->setText(QString::fromStdString(monthly ? std::string("前月比") : change));
    // 5.
    HScroll1->setSingleStep(monthly ? 30 : 14);
    // 6.
    f.OverlayPeriods[0] = 0;
    f.OverlayPeriods[1] = 0;
    // 7.
    if (f.ChartShown == 0) return;
    if (f.IsDaily == kTrue || BlinkRunning()) {
        ShowPartialView(*this);
    } else {
        RedrawChart(*this);
    }
}

void Form3::Check9_Click() {
    auto& f = fields_;
    // The mark follows the box even while the candle kind's switch-off
    // keeps the pane hidden.
    Item("mnuMisc", 4).SetChecked(Check9.Value() == 1);
    if (Check9.Value() == 1) {
        if (Picture5->isHidden()) {
            SetWidth(Picture1, WidthOf(Picture1) - WidthOf(Picture5));
            SetWidth(Picture3, WidthOf(Picture1));
            SetWidth(HScroll1, WidthOf(Picture1) + 50);
            SetLeft(Picture5, LeftOf(Picture1) + WidthOf(Picture1));
            Picture5->show();
        }
    } else if (!Picture5->isHidden()) {
        Picture5->hide();
        SetWidth(Picture1, WidthOf(Picture1) + WidthOf(Picture5));
        SetWidth(Picture3, WidthOf(Picture1));
        SetWidth(HScroll1, WidthOf(Picture1) + 50);
    }
    PricePane().SetScaleWidth(f.ViewWidth);
    IndicatorPane().SetScaleWidth(f.ViewWidth);
    RedrawChart(*this);
}

}  // namespace ranvik
