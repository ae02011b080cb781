// The indicator menu 指標 of a chart window: its items, the rules by which a click changes their marks, the three
// group resets, and what a click does to the main window's quick parameter bar and to the remembered periods.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "chart/drawing/redraw.h"
#include "chart/panes/oscillator_reset.h"
#include "chart/window/form3.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/ui/control_colors.h"

namespace ranvik {

namespace {

const Color kLit = QBColor(12);
const Color kIdle = RGB(150, 150, 150);

QLabel* QuickLabel(int labelNo) {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return nullptr;
    const auto it = main->QuickLabels.find(labelNo);
    return it != main->QuickLabels.end() ? it->second : nullptr;
}

void SetQuickCaption(int labelNo, const char* caption) {
    if (QLabel* label = QuickLabel(labelNo)) label->setText(QString::fromUtf8(caption));
}

// One item of the menu: its array, caption, shortcut and initial mark.
struct IndicatorItem {
    const char* array;
    int index;
    const char* caption;
    const char* shortcut;
    bool checked;
};

}  // namespace

void Form3::BuildIndicatorMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu("指標(&A)");
    menu->menuAction()->setObjectName("mnuSetView");
    indicatorMenu_ = menu;
    auto add = [&](QMenu* into, const IndicatorItem& item) {
        MenuItemArray* array = Menu(item.array);
        if (array == nullptr) array = AddMenuArray(into, item.array);
        array->Add(item.index, item.caption, item.shortcut);
        array->SetChecked(item.index, item.checked);
        return array;
    };
    const IndicatorItem overlays[] = {
        {"mnuIdouHeikin", 1, "移動平均線(&I)", "Ctrl+I", true},
        {"mnu一目", 1, "一目均衡表(&H)", "Ctrl+H", false},
        {"mnu一目雲のみ", 1, "一目均衡表雲のみ", "", false},
        {"mnuボリンジャ", 1, "ボリンジャーバンド(&B)", "Ctrl+B", false},
        {"mnuEnvelope", 1, "エンベロープ(&E)", "Ctrl+E", false},
        {"mnuHLband", 1, "HLバンド(&U)", "Ctrl+U", false},
        {"mnuBBdaikin", 1, "売買代金移動平均(&T)", "Ctrl+T", false},
        {"mnu陰陽足", 1, "陰陽足(&A)", "Shift+F12", false},
        {"mnuPibott", 1, "ピボット(&P)", "Shift+F11", false},
        {"mnu3Days", 1, "三日平均線", "Shift+F7", false},
    };
    for (const IndicatorItem& item : overlays) add(menu, item);
    Item("mnu一目雲のみ", 1).SetVisible(false);
    menu->addSeparator();
    add(menu, {"mnuParabolic", 1, "ﾊﾟﾗﾎﾞﾘｯｸﾀｲﾑﾌﾟﾗｲｽ(&G)", "Ctrl+G", false});
    menu->addSeparator();
    QMenu* kagi = menu->addMenu("カギ足(&J)");
    kagi->menuAction()->setObjectName("mnuKagi");
    add(kagi, {"mnuKagiAshi", 1, "時系列カギ足(&J)", "Ctrl+J", false});
    add(kagi, {"mnuKagiAshi", 2, "非時系列カギ足(&K)", "", false});
    menu->addSeparator();
    add(menu, {"mnu線形回帰", 1, "線形回帰ﾄﾚﾝﾄﾞ(&Q)", "Ctrl+Q", false});
    menu->addSeparator();
    menu->addSeparator();
    const IndicatorItem oscillators[] = {
        {"mnuKairiRitsu", 1, "移動平均乖離率(&K)", "Ctrl+K", false},
        {"mnu2LineKairiRitsu", 1, "移動平均２線乖離率", "Shift+F9", false},
        {"mnuPerOscillator", 1, "％Ｒオシレータ(&O)", "Ctrl+O", false},
        {"mnuモメンタム", 1, "モメンタム(%)(&M)", "Ctrl+M", false},
        {"mnuRSI", 1, "RSI(&R)", "Ctrl+R", true},
        {"mnuRCI", 1, "RCI(&N)", "Ctrl+N", false},
        {"mnuストキャス", 1, "ｽﾄｷｬｽﾃｲｸｽ(&S)", "Ctrl+S", false},
        {"mnuMACD", 1, "MACD(&C)", "Ctrl+C", false},
        {"mnuVector", 1, "ベクトル(&V)", "Ctrl+V", false},
        {"mnuOBV", 1, "OBV(&Z)", "Shift+Del", false},
    };
    for (const IndicatorItem& item : oscillators) add(menu, item);
    Item("mnu2LineKairiRitsu", 1).SetVisible(false);
    menu->addSeparator();
    const IndicatorItem volume[] = {
        {"mnuDekidaka", 1, "出来高(&D)", "Shift+F4", true},
        {"mnuDekiIdou", 1, "出来高移動平均(&D)", "Shift+F3", true},
        {"mnuSinyouBB", 1, "信用売買高(&F)", "Shift+F1", true},
        {"mnuVolRate", 1, "ﾎﾞﾘｭｰﾑﾚｼｵ(1)(&W)", "Ctrl+W", false},
        {"mnuVolRate", 2, "ﾎﾞﾘｭｰﾑﾚｼｵ(2)(&Y)", "Ctrl+Y", false},
        {"mnuVolRate", 3, "ﾜｺｰﾎﾞﾘｭｰﾑﾚｼｵ(&K)", "Shift+F8", false},
        {"mnuPSY", 1, "ｻｲｺﾛｼﾞｶﾙﾗｲﾝ(&L)", "Ctrl+L", false},
    };
    for (const IndicatorItem& item : volume) add(menu, item);

    const std::pair<const char*, void (Form3::*)(int)> handlers[] = {
        {"mnuIdouHeikin", &Form3::mnuIdouHeikin_Click},
        {"mnu一目", &Form3::mnu一目_Click},
        {"mnu一目雲のみ", &Form3::mnu一目雲のみ_Click},
        {"mnuボリンジャ", &Form3::mnuボリンジャ_Click},
        {"mnuEnvelope", &Form3::mnuEnvelope_Click},
        {"mnuHLband", &Form3::mnuHLband_Click},
        {"mnuBBdaikin", &Form3::mnuBBdaikin_Click},
        {"mnu陰陽足", &Form3::mnu陰陽足_Click},
        {"mnuPibott", &Form3::mnuPibott_Click},
        {"mnu3Days", &Form3::mnu3Days_Click},
        {"mnuParabolic", &Form3::mnuParabolic_Click},
        {"mnuKagiAshi", &Form3::mnuKagiAshi_Click},
        {"mnu線形回帰", &Form3::mnu線形回帰_Click},
        {"mnuKairiRitsu", &Form3::mnuKairiRitsu_Click},
        {"mnu2LineKairiRitsu", &Form3::mnu2LineKairiRitsu_Click},
        {"mnuPerOscillator", &Form3::mnuPerOscillator_Click},
        {"mnuモメンタム", &Form3::mnuモメンタム_Click},
        {"mnuRSI", &Form3::mnuRSI_Click},
        {"mnuRCI", &Form3::mnuRCI_Click},
        {"mnuストキャス", &Form3::mnuストキャス_Click},
        {"mnuMACD", &Form3::mnuMACD_Click},
        {"mnuVector", &Form3::mnuVector_Click},
        {"mnuOBV", &Form3::mnuOBV_Click},
        {"mnuDekidaka", &Form3::mnuDekidaka_Click},
        {"mnuDekiIdou", &Form3::mnuDekiIdou_Click},
        {"mnuSinyouBB", &Form3::mnuSinyouBB_Click},
        {"mnuVolRate", &Form3::mnuVolRate_Click},
        {"mnuPSY", &Form3::mnuPSY_Click},
    };
    for (const auto& [name, handler] : handlers) {
        connect(Menu(name), &MenuItemArray::Click, this, [this, h = handler](int i) { (this->*h)(i); });
    }
}

// ---------------------------------------------------------------- click rules

void Form3::ClickGrouped(const std::string& item, bool overlay, const std::function<void()>& on,
                         const std::function<void()>& off) {
    const MenuItem mark = Item(item, 1);
    if (mark.Checked()) {
        mark.SetChecked(false);
        off();
        return;
    }
    if (overlay) {
        ResetOverlayIndicators();
    } else {
        ResetOscillatorIndicators();
    }
    on();
    mark.SetChecked(true);
}

void Form3::ClickIndependent(const std::string& item, int element, const std::function<void()>& on,
                             const std::function<void()>& off) {
    const MenuItem mark = Item(item, element);
    if (mark.Checked()) {
        mark.SetChecked(false);
        off();
    } else {
        mark.SetChecked(true);
        on();
    }
}

void Form3::ClickVolumeIndicator(const std::string& item, int element) {
    const MenuItem mark = Item(item, element);
    const bool wasChecked = mark.Checked();
    ResetVolumeIndicators();
    if (!wasChecked) mark.SetChecked(true);
    RedrawChart(*this);
}

void Form3::OverlayTail(bool sync) {
    if (!sync) return;
    SyncParamPanel();
    RedrawChart(*this);
}

void Form3::PrintUnitOnQuickBar(int textNo) { PrintUnitBeside(*this, textNo, QuickBar().ForeColor()); }

// ---------------------------------------------------------------- group resets

void Form3::ResetOverlayIndicators() {
    // 1.
    Item("mnuIdouHeikin", 1).SetChecked(false);
    Item("mnu一目", 1).SetChecked(false);
    Item("mnu一目", 1).SetVisible(true);
    Item("mnu一目雲のみ", 1).SetVisible(false);
    for (const char* item : {"mnuボリンジャ", "mnuEnvelope", "mnuHLband", "mnuBBdaikin"}) Item(item, 1).SetChecked(false);
    // 2.
    if (Item("mnu陰陽足", 1).Checked()) mnu陰陽足_Click(3);
    if (Item("mnu3Days", 1).Checked()) mnu3Days_Click(3);
    if (Item("mnuPibott", 1).Checked()) mnuPibott_Click(3);
    // 3.
    SetMainLabelColor(8, kIdle);
    SetMainBoxEnabled(4, false);
    SetMainLabelColor(9, kIdle);
    SetMainBoxText(5, "");
    SetMainBoxEnabled(5, false);
    SetMainBoxText(4, "");
    fields_.BandPeriod = 0;
    // 4.
    Surface& bar = QuickBar();
    bar.Cls();
    bar.SetForeColor(kIdle);
    const BoxPlace box5 = MainBoxPlace(5);
    bar.SetCurrentX(box5.left + box5.width + 20);
    bar.SetCurrentY(box5.top + 10);
    bar.Print("％");
    PrintUnitOnQuickBar(4);
}

void Form3::ResetOscillatorIndicators() { ranvik::ResetOscillatorIndicators(*this); }

void Form3::ResetVolumeIndicators() {
    Item("mnuVolRate", 3).SetChecked(false);
    Item("mnuVolRate", 2).SetChecked(false);
    Item("mnuVolRate", 1).SetChecked(false);
    Item("mnuDekiIdou", 1).SetChecked(false);
    Item("mnuPSY", 1).SetChecked(false);
    fields_.VolumeIndicatorPeriod = 0;
    SetMainBoxText(2, "");
    SetMainBoxEnabled(2, false);
    SetMainLabelColor(6, kIdle);
    QuickBar().SetForeColor(kIdle);
    PrintUnitOnQuickBar(2);
}

// ---------------------------------------------------------------- price overlays

void Form3::mnuIdouHeikin_Click(int) {
    ClickGrouped(
        "mnuIdouHeikin", true,
        [this] {
            SetMainLabel(8, "移動平均", kLit);
            SetMainBoxEnabled(4, true);
        },
        [this] {
            fields_.BandPeriod = 0;
            SetMainBoxText(4, "");
        });
    fields_.OverlayPeriods = {0, 0, 0, 0};
    OverlayTail(true);
}

void Form3::mnu一目_Click(int) {
    ClickGrouped(
        "mnu一目", true,
        [this] {
            SetMainLabel(8, "転換線  <=", kLit);
            SetMainBoxEnabled(4, true);
            SetMainLabel(9, "基準線", kLit);
            SetMainBoxEnabled(5, true);
            Item("mnu一目雲のみ", 1).SetVisible(true);
        },
        [this] {
            SetMainLabelColor(9, kIdle);
            SetMainBoxEnabled(5, false);
            SetMainBoxEnabled(4, true);
            SetMainLabel(8, "移動平均", kLit);
            // Hidden, its mark kept for the next time.
            Item("mnu一目雲のみ", 1).SetVisible(false);
        });
    fields_.OverlayPeriods = {0, 0, 0, 0};
    SetMainBoxText(4, "");
    SetMainBoxText(5, "");
    OverlayTail(true);
}

void Form3::mnu一目雲のみ_Click(int) {
    const MenuItem mark = Item("mnu一目雲のみ", 1);
    mark.SetChecked(!mark.Checked());
    RedrawChart(*this);
}

void Form3::mnuボリンジャ_Click(int) {
    ClickGrouped(
        "mnuボリンジャ", true,
        [this] {
            SetMainLabel(8, "ﾎﾞﾘﾝｼﾞｬ", kLit);
            SetMainBoxEnabled(4, true);
        },
        [this] {
            fields_.BandPeriod = 0;
            SetQuickCaption(8, "移動平均");
            SetMainBoxText(4, "");
        });
    OverlayTail(true);
}

void Form3::mnuEnvelope_Click(int) {
    ClickGrouped(
        "mnuEnvelope", true,
        [this] {
            fields_.EnvelopePct = 0;
            fields_.BandPeriod = 0;
            SetMainLabel(9, "ｴﾝﾍﾞﾛｰﾌﾟ", kLit);
            SetMainBoxEnabled(5, true);
            SetMainLabel(8, "ｴﾝﾍﾞﾛｰﾌﾟ", kLit);
            SetMainBoxEnabled(4, true);
        },
        [this] {
            fields_.BandPeriod = 0;
            fields_.EnvelopePct = 0;
            SetMainBoxText(4, "");
            SetMainLabelColor(9, kIdle);
            SetMainBoxEnabled(5, false);
            SetQuickCaption(8, "移動平均");
        });
    OverlayTail(true);
}

void Form3::mnuHLband_Click(int) {
    ClickGrouped(
        "mnuHLband", true,
        [this] {
            SetMainLabel(8, "HLﾊﾞﾝﾄﾞ", kLit);
            SetMainBoxEnabled(4, true);
        },
        [this] {
            fields_.BandPeriod = 0;
            SetQuickCaption(8, "移動平均");
            SetMainBoxText(4, "");
        });
    OverlayTail(true);
}

void Form3::mnuBBdaikin_Click(int) {
    ClickGrouped(
        "mnuBBdaikin", true,
        [this] {
            SetMainLabel(8, "売買代金", kLit);
            SetMainBoxEnabled(4, true);
        },
        [] { SetQuickCaption(8, "移動平均"); });
    OverlayTail(true);
}

void Form3::mnu陰陽足_Click(int index) { ClickAverageCandles("mnu陰陽足", "陰陽足", index); }

void Form3::mnu3Days_Click(int index) { ClickAverageCandles("mnu3Days", "三日平均", index); }

// 陰陽足 and 三日平均 share box 4 and give back the same fields when they go.
void Form3::ClickAverageCandles(const char* item, const char* caption, int index) {
    ClickGrouped(
        item, true,
        [this, caption] {
            SetMainLabel(8, caption, kLit);
            SetMainBoxEnabled(4, true);
        },
        [this] {
            fields_.ViewHigh = 0;
            SetQuickCaption(8, "移動平均");
            fields_.BandPeriod = 0;
            SetMainBoxText(4, "");
        });
    fields_.OverlayPeriods[3] = 0;
    OverlayTail(index != 3);
}

void Form3::mnuPibott_Click(int index) {
    ClickGrouped("mnuPibott", true, [] {}, [] {});
    OverlayTail(index != 3);
}

// ---------------------------------------------------------------- independent items

void Form3::mnuParabolic_Click(int) {
    ClickIndependent(
        "mnuParabolic", 1,
        [this] {
            SetMainBoxEnabled(8, true);
            SetMainLabelColor(12, kLit);
        },
        [this] {
            SetMainBoxEnabled(8, false);
            SetMainBoxText(8, "");
            fields_.ParabolicAF = 0;
            SetMainLabelColor(12, kIdle);
        });
    SyncParamPanel();
    RedrawChart(*this);
}

void Form3::mnuKagiAshi_Click(int index) {
    if (index != 1 && index != 2) return;
    ClickIndependent(
        "mnuKagiAshi", index,
        [this] {
            SetMainBoxEnabled(6, true);
            SetMainLabelColor(10, kLit);
        },
        [this] {
            SetMainBoxEnabled(6, false);
            SetMainBoxText(6, "");
            fields_.KagiPct = 0;
            SetMainLabelColor(10, kIdle);
        });
    Item("mnuKagiAshi", index == 1 ? 2 : 1).SetChecked(false);
    SyncParamPanel();
    RedrawChart(*this);
}

void Form3::mnu線形回帰_Click(int) {
    ClickIndependent(
        "mnu線形回帰", 1,
        [this] {
            SetMainBoxEnabled(18, true);
            SetMainLabelColor(24, kLit);
        },
        [this] {
            fields_.RegressionPeriods[1] = 0;
            fields_.RegressionPeriods[2] = 0;
            fields_.RegressionPeriods[3] = 0;
            SetMainBoxText(18, "");
            SetMainBoxEnabled(18, false);
            SetMainLabelColor(24, kIdle);
        });
    SyncParamPanel();
    RedrawChart(*this);
}

void Form3::mnuDekidaka_Click(int) {
    ClickIndependent("mnuDekidaka", 1, [] {}, [] {});
    RedrawChart(*this);
}

void Form3::mnuSinyouBB_Click(int) {
    ClickIndependent("mnuSinyouBB", 1, [] {}, [] {});
    RedrawChart(*this);
}

// ---------------------------------------------------------------- oscillators

void Form3::mnuKairiRitsu_Click(int) {
    ClickGrouped("mnuKairiRitsu", false, [] {}, [] {});
    RedrawChart(*this);
}

void Form3::mnu2LineKairiRitsu_Click(int) {
    ClickGrouped("mnu2LineKairiRitsu", false, [] {}, [] {});
    RedrawChart(*this);
}

// The oscillators that show their period in Text3 under their caption.
void Form3::ClickPeriodOscillator(const std::string& item, const char* caption, bool sync) {
    ClickGrouped(
        item, false,
        [this, caption] {
            SetMainBoxEnabled(3, true);
            SetMainLabel(7, caption, kLit);
        },
        [this] {
            fields_.OscPeriodWeekly = 0;
            fields_.OscPeriodDaily = 0;
        });
    if (sync) SyncParamPanel();
    RedrawChart(*this);
}

void Form3::mnuPerOscillator_Click(int) { ClickPeriodOscillator("mnuPerOscillator", "%Rｵｼﾚｰﾀ", false); }
void Form3::mnuモメンタム_Click(int) { ClickPeriodOscillator("mnuモメンタム", "ﾓﾒﾝﾀﾑ", false); }
void Form3::mnuRSI_Click(int) { ClickPeriodOscillator("mnuRSI", "R S I", false); }
void Form3::mnuRCI_Click(int) { ClickPeriodOscillator("mnuRCI", "R C I", false); }
void Form3::mnuストキャス_Click(int) { ClickPeriodOscillator("mnuストキャス", "ｽﾄｷｬｽﾃｲｸｽ", false); }
void Form3::mnuVector_Click(int) { ClickPeriodOscillator("mnuVector", "ﾍﾞｸﾄﾙ", true); }
void Form3::mnuOBV_Click(int) { ClickPeriodOscillator("mnuOBV", "O B V", false); }

void Form3::mnuMACD_Click(int) {
    ClickGrouped("mnuMACD", false, [] {}, [] {});
    SyncParamPanel();
    RedrawChart(*this);
}

// ---------------------------------------------------------------- volume indicators

void Form3::mnuDekiIdou_Click(int) { ClickVolumeIndicator("mnuDekiIdou", 1); }

void Form3::mnuVolRate_Click(int index) {
    if (index >= 1 && index <= 3) ClickVolumeIndicator("mnuVolRate", index);
}

void Form3::mnuPSY_Click(int) { ClickVolumeIndicator("mnuPSY", 1); }

}  // namespace ranvik
