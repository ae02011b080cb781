// Typing into the parameter boxes: the quick bar's key filter and its Enter,
// which sends the active chart window the command that takes the typed
// value; the collection date boxes' Enter; the extended panel's scroll bar.
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include "core/box_date.h"
#include "core/collection_panel_base.h"
#include "core/main_window.h"
#include "core/main_window_internal.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/values.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/keys.h"

namespace ranvik {

using namespace main_window_internal;

namespace {

constexpr int kEnterKey = 13;

// The command each quick-bar box's Enter sends while the chart window shows
// neither comparison nor reverse watch.
int CommandOfBox(int textNo) {
    switch (textNo) {
        case 2:
        case 3: return 51;
        case 4:
        case 5: return 52;
        case 6: return 53;
        case 8: return 54;
        case 10:
        case 11:
        case 12: return 55;
        case 17:
        case 18: return 57;
        default: return 0;
    }
}

// The extended panel's boxes that swallow Enter as the quick bar's do.
bool SwallowsEnter(int panelTextNo) {
    return (panelTextNo >= 20 && panelTextNo <= 25) || (panelTextNo >= 32 && panelTextNo <= 35);
}

// The parabolic's starting acceleration factor: 0.02 to 0.2, both taken,
// compared as the single-precision number the chart window stores.
bool ParabolicStartInRange(const std::string& text) {
    const float value = static_cast<float>(Val(text));
    return value >= 0.02F && value <= 0.2F;
}

// Keys that belong in a number box: digits (a shifted top-row digit is a
// sign), the decimal point where the box takes fractions, and editing.
bool KeyPassesQuietly(int keyCode, int shift, bool takesFraction) {
    if (keyCode >= 48 && keyCode <= 57 && shift == 0) return true;
    if (keyCode >= 96 && keyCode <= 105) return true;
    if ((keyCode == 190 || keyCode == 110) && takesFraction) return true;
    switch (keyCode) {
        case 46:
        case 37:
        case 8:
        case 39:
        case 16: return true;
        default: return false;
    }
}

}  // namespace

void MDIForm1::QuickBox_KeyUp(QLineEdit* box, int keyCode, int shift) {
    QuickParamBox = box;
    ApplyQuickParameter(keyCode, shift);
}

void MDIForm1::ApplyQuickParameter(int keyCode, int shift) {
    QLineEdit* box = QuickParamBox;
    if (box == nullptr) return;
    int textNo = 0;
    for (const auto& [no, quick] : QuickBoxes) {
        if (quick == box) textNo = no;
    }

    if (keyCode != kEnterKey) {
        if (textNo == 0) return;
        if (!KeyPassesQuietly(keyCode, shift, textNo == 5 || textNo == 6 || textNo == 8)) Beep();
        return;
    }

    const QString text = Q(Trim(ToNarrow(S(box->text()))));
    if (box->text() != text) box->setText(text);
    const std::string s = S(text);

    CollectionPanelBase* panel = CollectionPanel();
    if (panel != nullptr && panel->IsDateBox(box)) {
        if (!StrictBoxDate(s)) {
            SetForeColor(box, QBColor(12));
            Beep();
        }
        return;
    }
    if (textNo == 0) return;

    // The data maintenance and company windows name themselves in the
    // caption while they are in front: the bar is not theirs.
    const QString caption = windowTitle();
    if (caption.contains("株価データ保守") || caption.contains("業績情報")) return;
    // Without a chart window in front there is nobody to take the value.
    ChartWindowBase* window = ActiveChartWindow(*this);
    if (window == nullptr) return;

    const auto boxOn = [window](int number) {
        const HiddenCheckBox* check = window->CheckBox(number);
        return check != nullptr && check->Value() == 1;
    };
    int code = 0;
    if (boxOn(2) || boxOn(3)) {
        code = 51;
    } else {
        code = CommandOfBox(textNo);
        if (textNo == 8 && !ParabolicStartInRange(s)) {
            Beep();
            return;
        }
    }
    if (code != 0) SendChartCommand(*window, code);
}

// ---------------------------------------------------------------- events

void MDIForm1::InstallParameterBoxFilters() {
    for (const auto& [no, box] : QuickBoxes) box->installEventFilter(this);
    for (const auto& [no, box] : panelBoxes_) {
        if (SwallowsEnter(no)) box->installEventFilter(this);
    }
    VScroll1->installEventFilter(this);
}

bool MDIForm1::ParameterBoxEvent(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    auto* e = static_cast<QKeyEvent*>(event);
    if (watched == VScroll1) {
        if (type == QEvent::KeyPress) VScroll1_KeyDown(VirtualKeyCode(*e), ShiftStateOf(e->modifiers()));
        return false;
    }
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr) return false;
    bool quick = false;
    bool filtered = false;
    for (const auto& [no, quickBox] : QuickBoxes) {
        if (quickBox == box) quick = filtered = true;
    }
    for (const auto& [no, panelBox] : panelBoxes_) {
        if (panelBox == box && SwallowsEnter(no)) filtered = true;
    }
    if (!filtered) return false;
    if (type == QEvent::KeyPress) {
        // Enter only sends: the box itself must not act on it.
        return KeyAsciiOf(*e) == kEnterKey;
    }
    // A held key repeats its press, not its release.
    if (quick && !e->isAutoRepeat()) QuickBox_KeyUp(box, VirtualKeyCode(*e), ShiftStateOf(e->modifiers()));
    return false;
}

// ---------------------------------------------------------------- extended panel

void MDIForm1::VScroll1_Scroll() { VScroll1_Change(); }

void MDIForm1::VScroll1_KeyDown(int /*keyCode*/, int /*shift*/) { FocusToolbarStrip(); }

}  // namespace ranvik
