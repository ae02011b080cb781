// The command channel of a chart window: the sender stores a code in
// ChartCommand and sets CommCheck to 1; the window carries the command out at
// once and sets the box back to 0.  The codes 51 to 57 take the values typed
// in the main window's quick parameter bar; a value refused there turns its
// box's text red with a beep and changes nothing stored, a value taken turns
// it black again.
#include <QLineEdit>
#include <cmath>
#include <limits>
#include <optional>

#include "chart/drawing/redraw.h"
#include "chart/window/form3.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/values.h"
#include "platform/ui/control_colors.h"
#include "print/form6.h"
#include "print/print_job.h"

namespace ranvik {

namespace {

QLineEdit* CommandBox(int textNo) {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return nullptr;
    const auto it = main->QuickBoxes.find(textNo);
    return it != main->QuickBoxes.end() ? it->second : nullptr;
}

std::string BoxText(int textNo) {
    QLineEdit* box = CommandBox(textNo);
    return box != nullptr ? box->text().toStdString() : std::string();
}

void Refuse(int textNo) {
    if (QLineEdit* box = CommandBox(textNo)) SetForeColor(box, QBColor(12));
    Beep();
}

void Accept(int textNo) {
    if (QLineEdit* box = CommandBox(textNo)) SetForeColor(box, QBColor(0));
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The box's number rounded half to even, as a 16-bit whole number; a number
// that does not fit refuses the box.
std::optional<std::int16_t> WholeNumber(int textNo) {
    const std::optional<std::int16_t> value = CInt(Val(BoxText(textNo)));
    if (!value) Refuse(textNo);
    return value;
}

// The box's number, fraction kept, for a single-precision field; a number
// beyond its range refuses the box.
std::optional<float> SingleNumber(int textNo) {
    const double value = Val(BoxText(textNo));
    if (!(std::fabs(value) <= std::numeric_limits<float>::max())) {
        Refuse(textNo);
        return std::nullopt;
    }
    return static_cast<float>(value);
}

}  // namespace

void Form3::CommCheck_Click() {
    if (CommCheck.Value() != 1) return;
    // A printing window takes no command; the box goes back to 0 in every
    // case so that the next command is seen.
    if (fields_.PrintingNow == 0) RunChartCommand(Program().commands.ChartCommand);
    CommCheck.SetValue(0);
}

void Form3::RunChartCommand(int code) {
    auto& f = fields_;
    switch (code) {
        case 1: ZoomIn1(*this); return;
        case 2: ZoomOut1(*this); return;
        case 3: Picture3_DblClick(); return;
        case 5: Picture1_DblClick(); return;
        case 51: TakeFirstQuickValues(); return;
        case 52: TakeOverlayPeriods(); return;
        case 53: {
            const std::string text = BoxText(6);
            if (!IsNumeric(text)) {
                Refuse(6);
                return;
            }
            const auto value = SingleNumber(6);
            if (!value) return;
            Accept(6);
            if (Check4.Value() == 1) {
                f.PnfBoxSize = *value;
            } else {
                f.KagiPct = *value;
            }
            SyncParamPanel();
            RedrawChart(*this);
            return;
        }
        case 54: {
            const auto value = SingleNumber(8);
            if (!value) return;
            Accept(8);
            f.ParabolicAF = *value;
            RedrawChart(*this);
            return;
        }
        case 55: {
            const auto signal = WholeNumber(12);
            if (!signal) return;
            for (int box : {10, 11, 12}) Accept(box);
            f.MacdShortPeriod = Val(BoxText(10));
            f.MacdLongPeriod = Val(BoxText(11));
            f.MacdSignalPeriod = *signal;
            RedrawChart(*this);
            return;
        }
        case 57: {
            const auto period = WholeNumber(18);
            if (!period) return;
            f.RegressionPeriods[3] = *period;
            Accept(18);
            RedrawChart(*this);
            return;
        }
        case 98: DropRemovedDataFile(); return;
        case 99:
        case 199: {
            auto& commands = Program().commands;
            Item("mnuColorItem", f.BackColorNo - 1).SetChecked(false);
            int c = code == 99 ? f.BackColorNo % 7 : commands.BackColorIndex;
            if (c < 0 || c > 6) c = 0;  // an index from a damaged settings file
            SetBackgroundColour(c);
            Item("mnuColorItem", c).SetChecked(true);
            RedrawChart(*this);
            return;
        }
        case 200: PrintChart(*this, CurrentPrinter(), PrintSettingsInForce()); return;
        default: return;
    }
}

void Form3::TakeFirstQuickValues() {
    auto& f = fields_;
    if (Check1.Value() == 1) {
        // The weekly oscillator period keeps its fraction; the daily one is
        // a whole number.
        std::int16_t daily = f.OscPeriodDaily;
        if (f.IsDaily == -1) {
            const auto value = WholeNumber(3);
            if (!value) return;
            daily = *value;
        }
        const auto volume = WholeNumber(2);
        if (!volume) return;
        Accept(2);
        Accept(3);
        if (f.IsDaily == -1) {
            f.OscPeriodDaily = daily;
        } else {
            f.OscPeriodWeekly = Val(BoxText(3));
        }
        f.VolumeIndicatorPeriod = *volume;
        RedrawChart(*this);
    } else if (Check2.Value() == 1) {
        std::optional<std::int16_t> top;
        std::optional<std::int16_t> bottom;
        if (IsNumeric(BoxText(4)) && !(top = WholeNumber(4))) return;
        if (IsNumeric(BoxText(5)) && !(bottom = WholeNumber(5))) return;
        if (top) {
            Accept(4);
            f.CompareTopPct = *top;
        }
        if (bottom) {
            Accept(5);
            f.CompareBottomPct = *bottom;
        }
        f.CompareRestart = -1;
        RedrawChart(*this);
    } else if (Check3.Value() == 1) {
        const auto period = WholeNumber(17);
        if (!period) return;
        Accept(17);
        f.ReversePeriod = *period;
        RedrawChart(*this);
    } else if (Check10.Value() == 1) {
        const std::string year = Trimmed(BoxText(2));
        const std::string month = Trimmed(BoxText(3));
        // A negative year would make no two-digit year; a month that rounds
        // to 0 no month.
        const std::optional<std::int16_t> y = CInt(Val(year));
        if (Val(year) > 99 || !y || *y < 0) {
            Refuse(2);
            return;
        }
        const std::optional<std::int16_t> m = CInt(Val(month));
        if (!month.empty() && (Val(month) > 12 || !m || *m <= 0)) {
            Refuse(3);
            return;
        }
        Accept(2);
        Accept(3);
        if (!year.empty()) {
            std::string two = std::to_string(*y);
            if (*y < 10) two = std::string("0").append(two);
            if (*y < 10) SetMainBoxText(2, two);
            f.YearCompareStartYear = two;
        } else {
            f.YearCompareStartYear = "";
        }
        if (!month.empty()) {
            std::string two = std::to_string(*m);
            if (*m <= 9) {
                two = std::string("0").append(two);
                SetMainBoxText(3, two);
            }
            f.YearCompareStartMonth = two;
        } else {
            f.YearCompareStartMonth = "";
        }
        RedrawChart(*this);
    }
}

void Form3::TakeOverlayPeriods() {
    auto& f = fields_;
    if (Item("mnu一目", 1).Checked()) {
        const auto conversion = CInt(Val(BoxText(4)));
        const auto base = CInt(Val(BoxText(5)));
        // A period that is no number or does not fit is refused in its own
        // box; a conversion period above the base period in the box that
        // was changed, Text4 unless it still holds the stored one.
        if (!IsNumeric(BoxText(4)) || !conversion) {
            Refuse(4);
            return;
        }
        if (!base) {
            Refuse(5);
            return;
        }
        if (*base < *conversion) {
            Refuse(*conversion != f.OverlayPeriods[0] ? 4 : 5);
            return;
        }
        f.OverlayPeriods[0] = *conversion;
        f.OverlayPeriods[1] = *base;
        Accept(4);
        Accept(5);
        RedrawChart(*this);
        return;
    }
    const auto period = WholeNumber(4);
    if (!period) return;
    std::optional<float> envelope;
    if (Item("mnuEnvelope", 1).Checked() && !(envelope = SingleNumber(5))) return;
    Accept(4);
    f.BandPeriod = *period;
    if (envelope) {
        Accept(5);
        f.EnvelopePct = *envelope;
    }
    RedrawChart(*this);
}

}  // namespace ranvik
