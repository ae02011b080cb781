// The quick parameter bar following this chart window: which boxes are in
// use (enabled, red caption, black unit mark) and which are idle (disabled,
// grey), the MACD group, and the double role of Text6 (Kagi reversal percent
// or point-and-figure box size).  The bar keeps no state of its own: the role
// of Text6 is read back from its caption, so that calling this again changes
// nothing.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "chart/window/form3.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

const Color kLit = QBColor(12);
const Color kInUse = QBColor(0);
const Color kIdle = RGB(150, 150, 150);

// Text6 is this much narrower in the Kagi role than in the box-size role.
constexpr int kText6RoleWidthStep = 120;

QLabel* BarLabel(MDIForm1& main, int labelNo) {
    const auto it = main.QuickLabels.find(labelNo);
    return it != main.QuickLabels.end() ? it->second : nullptr;
}

QLineEdit* BarBox(MDIForm1& main, int textNo) {
    const auto it = main.QuickBoxes.find(textNo);
    return it != main.QuickBoxes.end() ? it->second : nullptr;
}

void SetLabelColor(MDIForm1& main, int labelNo, Color color) {
    if (QLabel* label = BarLabel(main, labelNo)) SetForeColor(label, color);
}

void SetLabelEnabled(MDIForm1& main, int labelNo, bool enabled) {
    if (QLabel* label = BarLabel(main, labelNo)) label->setEnabled(enabled);
}

void SetLabelCaption(MDIForm1& main, int labelNo, const char* caption) {
    if (QLabel* label = BarLabel(main, labelNo)) label->setText(QString::fromUtf8(caption));
}

void SetBoxEnabled(MDIForm1& main, int textNo, bool enabled) {
    if (QLineEdit* box = BarBox(main, textNo)) box->setEnabled(enabled);
}

}  // namespace

void Form3::DimMacdParams() {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    if (main->Frame2Caption != nullptr) SetForeColor(main->Frame2Caption, kIdle);
    for (int labelNo : {19, 20, 21}) SetLabelColor(*main, labelNo, kIdle);
    if (!Item("mnuMACD", 1).Checked()) {
        for (int textNo : {10, 11, 12}) {
            if (QLineEdit* box = BarBox(*main, textNo)) box->clear();
        }
    }
    for (int textNo : {10, 11, 12}) SetBoxEnabled(*main, textNo, false);
    for (int labelNo : {16, 17, 18}) SetLabelEnabled(*main, labelNo, false);
}

void Form3::SyncParamPanel() {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    Surface& bar = QuickBar();
    const auto on = [this](const char* array, int index = 1) { return Item(array, index).Checked(); };
    // A unit mark right of a quick-bar box, in the bar's current fore colour.
    const auto mark = [this](int textNo, std::string_view text) { PrintMarkAfter(textNo, text); };

    const std::string unit = Check8.Value() == 1 ? std::string("月") : Fields().PeriodUnit.Text();

    if (Check1.Value() != 1) {
        DimMacdParams();
    } else {
        if (on("mnuMACD")) {
            if (main->Frame2Caption != nullptr) SetForeColor(main->Frame2Caption, kLit);
            for (int labelNo : {19, 20, 21}) SetLabelColor(*main, labelNo, kInUse);
            for (int textNo : {10, 11, 12}) SetBoxEnabled(*main, textNo, true);
            for (int labelNo : {16, 17, 18}) SetLabelEnabled(*main, labelNo, true);
            // The oscillator box is idle while MACD is shown.
            bar.SetForeColor(kIdle);
            mark(3, unit);
        } else {
            DimMacdParams();
        }
        for (int labelNo : {19, 20, 21}) SetLabelCaption(*main, labelNo, unit.c_str());

        // Volume average, volume ratio 1 and 2 and the psychological line
        // read Text2; the Wako volume ratio (item 3) does not.
        const bool psy = on("mnuPSY");
        const bool volumeRatio = on("mnuVolRate", 1) || on("mnuVolRate", 2);
        if (on("mnuDekiIdou") || volumeRatio || psy) {
            SetBoxEnabled(*main, 2, true);
            SetLabelColor(*main, 6, kLit);
            bar.SetForeColor(kInUse);
        } else {
            bar.SetForeColor(kIdle);
        }
        mark(2, unit);
        SetLabelCaption(*main, 6, psy ? "ｻｲｺﾛｼﾞ..." : volumeRatio ? "ﾎﾞﾘｭｰﾑ..." : "出来平均");

        // With the pivot on, the Text4 mark takes the colour of the Text2 one.
        if (!on("mnuPibott")) bar.SetForeColor(kInUse);
        mark(4, unit);

        bar.SetForeColor(kIdle);
        if (on("mnu一目")) {
            bar.SetForeColor(kInUse);
            mark(5, unit);
        } else {
            if (on("mnuEnvelope")) bar.SetForeColor(kInUse);
            SetLabelCaption(*main, 9, "ｴﾝﾍﾞﾛｰﾌﾟ");
            mark(5, "％");
        }

        bar.SetForeColor(on("mnuParabolic") ? kInUse : kIdle);
        mark(8, "始AF");

        bar.SetForeColor(kIdle);
        mark(17, unit);

        const MenuItem regression = Item("mnu線形回帰", 1);
        if (regression.Enabled() && regression.Checked()) bar.SetForeColor(kInUse);
        mark(18, unit);
    }

    // Text6's role, for the two kinds that use it.
    const bool pointFigure = Check4.Value() == 1;
    if (Check1.Value() != 1 && !pointFigure) return;
    QLineEdit* text6 = BarBox(*main, 6);
    QLabel* label10 = BarLabel(*main, 10);
    if (text6 == nullptr || label10 == nullptr) return;
    bar.SetForeColor(pointFigure || on("mnuKagiAshi", 1) || on("mnuKagiAshi", 2) ? kInUse : kIdle);
    const QString caption = label10->text();
    if (Check1.Value() == 1) {
        // The box takes back the border the box-size role took from it:
        // without it an emptied, disabled box vanishes and leaves its "％"
        // alone on the bar.
        if (caption == QString::fromUtf8("Ｐ＆Ｆ")) {
            text6->setFrame(true);
            SetWidth(text6, WidthOf(text6) - kText6RoleWidthStep);
        }
        label10->setText(QString::fromUtf8("ｶｷﾞ足"));
        mark(6, "％");
    } else {
        if (caption == QString::fromUtf8("ｶｷﾞ足")) {
            text6->setFrame(false);
            SetWidth(text6, WidthOf(text6) + kText6RoleWidthStep);
        }
        label10->setText(QString::fromUtf8("Ｐ＆Ｆ"));
        mark(6, "円");
    }
}

}  // namespace ranvik
