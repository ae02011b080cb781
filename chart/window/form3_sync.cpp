// The main window showing this chart window: its caption, the window tabs,
// the toolbar's pressed and enabled states for the chart kind and options,
// and the quick parameter bar cleared and refilled with the values this
// window keeps.  Runs when the window is activated and when its chart kind
// changes; no menu of the main window changes here.
#include <QLabel>
#include <QLineEdit>
#include <string_view>

#include "chart/window/form3.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/runtime/values.h"
#include "platform/ui/control_colors.h"

namespace ranvik {

namespace {

const Color kActiveTab = RGB(255, 85, 80);
const Color kFormerTab = RGB(150, 55, 50);
const Color kLit = QBColor(12);
const Color kInUse = QBColor(0);
const Color kIdle = RGB(150, 150, 150);

// The toolbar buttons of the chart kinds: pressing one releases the others.
constexpr const char* kKindKeys[] = {"ローソク", "比較", "逆ウオッチ", "Ｐ＆Ｆ", "年毎比較", "新値足非時系列", "新値足時系列"};

// A stored value as a box shows it: whole numbers, singles in their
// shortest form ("0.02"), doubles as the value they hold.
std::string Whole(std::int16_t value) { return std::to_string(value); }
std::string Single(float value) { return NumberText(value); }
std::string Number(double value) { return NumberText(value); }

// A caption label of the quick bar, its colour kept.
void SetCaption(int labelNo, const char* caption) {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    const auto it = main->QuickLabels.find(labelNo);
    if (it != main->QuickLabels.end()) it->second->setText(QString::fromUtf8(caption));
}

std::string WithoutBlanks(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void Form3::PrintMarkAfter(int textNo, std::string_view text) {
    Surface& bar = QuickBar();
    const BoxPlace place = MainBoxPlace(textNo);
    const double x = place.left + place.width + 20;
    const double y = place.top + 10;
    // A box's mark changes with the overlay ("日" for the Ichimoku periods,
    // "％" for the envelope) and the bar is only cleared when a window is
    // activated: the mark before is wiped so the two are not read as one.
    bar.Line(x, y, x + bar.TextWidth(text), y + bar.TextHeight(text), bar.BackColor(), LineKind::FilledBox);
    bar.SetCurrentX(x);
    bar.SetCurrentY(y);
    bar.Print(text, PrintEnd::SameLine);
}

void Form3::PressKindButton(const std::string& key) {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    for (const char* other : kKindKeys) {
        if (key != other) main->SetToolbarButtonValue(other, 0);
    }
    main->SetToolbarButtonValue(key, 1);
}

void Form3::Activate10_Click() {
    // 1.
    if (Activate10.Value() != 1) return;
    MDIForm1* main = Program().windows.MainForm;
    if (main != nullptr) {
        auto& f = fields_;
        // 2.
        main->setWindowTitle(QString::fromStdString(Program().app.AppTitle + f.StockTitle));
        // 3.
        main->SetToolbarButtonsEnabled(5, 25, true);
        // 4. Only the tab shown as active so far becomes the former one.
        for (int no = 1; no <= 3; ++no) {
            QLabel* tab = main->WindowTab(no);
            if (tab != nullptr && BackColorOf(tab) == kActiveTab) {
                SetBackColor(tab, kFormerTab);
                break;
            }
        }
        if (QLabel* tab = main->WindowTab(f.WindowNo)) SetBackColor(tab, kActiveTab);
        Program().windows.ActiveWindowNo = f.WindowNo;
        // 5.
        const bool candles = Check1.Value() == 1;
        const bool noTimeAxis = Check2.Value() != 0 || Check3.Value() != 0 || Check4.Value() != 0;
        if (candles) {
            if (!Item("mnuGamen比", 3).Checked()) SetToolbarButtonEnabled("指標窓", false);
            SetToolbarButtonValue("データ", Check6.Value() != 0 ? 1 : 0);
            SetToolbarButtonValue("月", Check8.Value() != 0 ? 1 : 0);
            SetToolbarButtonValue("出来高", Check9.Value() != 0 ? 1 : 0);
        } else {
            SetToolbarButtonEnabled("データ", false);
            if (Check2.Value() == 1 || Check3.Value() == 1 || Check4.Value() == 1) {
                SetToolbarButtonEnabled("十字", false);
                SetToolbarButtonEnabled("年", false);
            }
            for (const char* key : {"月", "出来高", "指標窓", "出来高域"}) SetToolbarButtonEnabled(key, false);
        }
        // 6.
        if (Check10.Value() == 0) {
            if (f.ViewWidth <= 385) {
                SetToolbarButtonEnabled("拡大", false);
            } else if (f.ViewWidth >= f.ViewWidthMax) {
                SetToolbarButtonEnabled("縮小", false);
            }
        }
        // 7.
        if (!noTimeAxis) {
            SetToolbarButtonValue("十字", Item("mnuMisc", 0).Checked() ? 1 : 0);
            SetToolbarButtonValue("年", Check7.Value() != 0 ? 1 : 0);
        }
        // 8.
        QuickBar().Cls();
        for (int textNo : {2, 3, 4, 5, 6, 8, 17, 18}) SetMainBoxEnabled(textNo, false);
        for (int labelNo : {6, 7, 8, 9, 10, 12, 23, 24}) SetMainLabelColor(labelNo, kIdle);
        for (int textNo : {2, 3, 4, 5, 6, 8, 10, 11, 12, 17, 18}) SetMainBoxText(textNo, "");
        // 9.
        FillQuickBar();
        // 10.
        SyncParamPanel();
    }
    // 11.
    Activate10.SetValue(0);
}

void Form3::FillQuickBar() {
    auto& f = fields_;
    Surface& bar = QuickBar();
    const std::string unit = f.PeriodUnit.Text();
    if (Check1.Value() == 1) {
        FillQuickBarForCandles();
    } else if (Check2.Value() == 1) {
        SetMainBoxText(4, Whole(f.CompareTopPct));
        SetMainBoxText(5, Whole(f.CompareBottomPct));
        SetMainBoxEnabled(4, true);
        SetMainBoxEnabled(5, true);
        SetMainLabel(8, "(+)倍率", kLit);
        SetMainLabel(9, "(-)倍率", kLit);
        PressKindButton("比較");
        SetToolbarButtonEnabled("ボタン２", false);
        bar.SetForeColor(kInUse);
        PrintMarkAfter(4, "％");
        PrintMarkAfter(5, "％");
    } else if (Check3.Value() == 1) {
        SetMainBoxText(17, Whole(f.ReversePeriod));
        SetMainBoxEnabled(17, true);
        SetMainLabel(23, "逆ｳｫｯﾁ", kLit);
        PressKindButton("逆ウオッチ");
        bar.SetForeColor(kInUse);
        PrintMarkAfter(17, unit);
    } else if (Check4.Value() == 1) {
        // The caption and the unit of Text6's box-size role come with the
        // parameter panel's synchronisation.
        SetMainBoxText(6, Single(f.PnfBoxSize));
        SetMainBoxEnabled(6, true);
        SetMainLabelColor(10, kLit);
        PressKindButton("Ｐ＆Ｆ");
    } else if (Check10.Value() == 1) {
        SetMainBoxText(2, WithoutBlanks(f.YearCompareStartYear.Text()));
        SetMainBoxText(3, WithoutBlanks(f.YearCompareStartMonth.Text()));
        SetMainBoxEnabled(2, true);
        SetMainBoxEnabled(3, true);
        SetMainLabel(6, "開始年yy", kLit);
        SetMainLabel(7, "開始月", kLit);
        PressKindButton("年毎比較");
        for (const char* key : {"ボタン１", "ボタン２", "拡大", "縮小"}) SetToolbarButtonEnabled(key, false);
        bar.SetForeColor(kInUse);
        PrintMarkAfter(2, "年");
        PrintMarkAfter(3, "月");
    } else if (Check11.Value() == 1) {
        PressKindButton("新値足非時系列");
    } else if (Check12.Value() == 1) {
        PressKindButton("新値足時系列");
    }
}

void Form3::FillQuickBarForCandles() {
    auto& f = fields_;
    Surface& bar = QuickBar();
    const auto on = [this](const char* array, int index = 1) { return Item(array, index).Checked(); };
    const bool monthly = Check8.Value() != 0;
    const std::string unit = f.PeriodUnit.Text();
    // 1.
    if (f.BandPeriod != 0) SetMainBoxText(4, Whole(f.BandPeriod));
    if (f.EnvelopePct != 0) SetMainBoxText(5, Single(f.EnvelopePct));
    if (f.VolumeIndicatorPeriod != 0) SetMainBoxText(2, Whole(f.VolumeIndicatorPeriod));
    if (f.IsDaily == kTrue && f.OscPeriodDaily != 0) {
        SetMainBoxText(3, Whole(f.OscPeriodDaily));
    } else if (f.OscPeriodWeekly != 0) {
        SetMainBoxText(3, Number(f.OscPeriodWeekly));
    }
    // 2.
    PressKindButton("ローソク");
    SetMainBoxEnabled(4, true);
    // 3.
    if (on("mnuKagiAshi", 1) || on("mnuKagiAshi", 2)) {
        SetMainBoxEnabled(6, true);
        SetMainLabelColor(10, kLit);
    }
    // 4. An unset starting value (0) leaves the box empty, as the other
    // values the window has not taken yet.
    if (on("mnuParabolic")) {
        SetMainBoxEnabled(8, true);
        SetMainLabelColor(12, kLit);
        SetMainBoxText(8, f.ParabolicAF != 0 ? Single(f.ParabolicAF) : std::string());
    }
    // 5.
    if (f.KagiPct != 0) SetMainBoxText(6, Single(f.KagiPct));
    // 6.
    const MenuItem regression = Item("mnu線形回帰", 1);
    if (regression.Checked()) {
        if (f.RegressionPeriods[3] != 0) SetMainBoxText(18, Whole(f.RegressionPeriods[3]));
        if (regression.Enabled()) {
            SetMainBoxEnabled(18, true);
            SetMainLabelColor(24, kLit);
        }
    }
    // 7.
    SetCaption(9, "ｴﾝﾍﾞﾛｰﾌﾟ");
    // 8. The first overlay that is on.
    const bool ichimoku = on("mnu一目");
    if (on("mnuEnvelope")) {
        SetMainLabelColor(9, kLit);
        SetMainBoxEnabled(5, true);
        SetMainLabel(8, "ｴﾝﾍﾞﾛｰﾌﾟ", kLit);
        SetMainBoxEnabled(4, true);
    } else if (ichimoku) {
        SetMainLabel(8, "転換線  <=", kLit);
        SetMainBoxEnabled(4, true);
        SetMainLabel(9, "基準線", kLit);
        SetMainBoxEnabled(5, true);
        SetMainBoxText(4, Whole(f.OverlayPeriods[0]));
        SetMainBoxText(5, Whole(f.OverlayPeriods[1]));
    } else if (on("mnuボリンジャ")) {
        SetMainLabel(8, "ﾎﾞﾘﾝｼﾞｬ", kLit);
    } else if (on("mnuHLband")) {
        SetMainBoxEnabled(4, true);
        SetMainLabel(8, "HLﾊﾞﾝﾄﾞ", kLit);
    } else if (on("mnu陰陽足")) {
        SetToolbarButtonEnabled("月", false);
        SetMainLabel(8, "陰陽足", kLit);
    } else if (on("mnuBBdaikin")) {
        SetMainLabel(8, "売買代金", kLit);
    } else if (on("mnuPibott")) {
        SetMainBoxEnabled(4, false);
    } else {
        if (f.OverlayPeriods[3] != 0) SetMainBoxText(4, Whole(f.OverlayPeriods[3]));
        SetMainLabel(8, "移動平均", kLit);
    }
    // 9. Under monthly candles every mark of the bar reads "月", the
    // Ichimoku conversion period's too; with Ichimoku on the parameter
    // panel's synchronisation prints it, once.
    if (!monthly) {
        PrintMarkAfter(4, unit);
    } else if (!ichimoku) {
        PrintMarkAfter(4, "月");
    }
    // 10.
    if (on("mnuMACD")) {
        SetMainBoxText(10, Number(f.MacdShortPeriod));
        SetMainBoxText(11, Number(f.MacdLongPeriod));
        SetMainBoxText(12, Whole(f.MacdSignalPeriod));
        return;
    }
    // 11.
    bar.SetForeColor(kInUse);
    SetMainBoxEnabled(3, true);
    SetMainLabelColor(7, kLit);
    const std::pair<const char*, const char*> oscillators[] = {
        {"mnuモメンタム", "ﾓﾒﾝﾀﾑ"}, {"mnuRSI", "R S I"},      {"mnuRCI", "R C I"}, {"mnuストキャス", "ｽﾄｷｬｽﾃｲｸｽ"},
        {"mnuPerOscillator", "%Rｵｼﾚｰﾀ"}, {"mnuVector", "ﾍﾞｸﾄﾙ"}, {"mnuOBV", "OBV"}};
    bool any = false;
    for (const auto& [item, caption] : oscillators) {
        if (!on(item)) continue;
        SetMainLabel(7, caption, kLit);
        any = true;
        break;
    }
    if (!any) {
        bar.SetForeColor(kIdle);
        SetMainBoxEnabled(3, false);
        SetMainLabelColor(7, kIdle);
    }
    // 12.
    PrintMarkAfter(3, monthly ? std::string("月") : unit);
}

}  // namespace ranvik
