// DrawIndicatorPane: the surface and the frame, the oscillator's period and
// its write-back, the MACD periods, the early ends, the monthly file in place
// of the data file, the warm-up before the view and the bar pass.
#include "chart/panes/indicator_pane.h"

#include <algorithm>
#include <optional>
#include <string>

#include "chart/drawing/monthly_in_place.h"
#include "chart/drawing/split_correction.h"
#include "chart/panes/indicator_internal.h"
#include "chart/panes/oscillator_reset.h"
#include "core/program_state.h"
#include "core/stock_list.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

constexpr int kOscillatorBox = 3;  // Text3, the quick bar's oscillator period

bool Checked(ChartHost& w, const char* item, int index = 1) { return w.Item(item, index).Checked(); }

// A box's or a stored number as a window length: rounded, 0 when below 1,
// held to the Integer range the window is counted in.
int WholePeriod(double value) {
    const double p = RoundHalfEven(value);
    if (!(p >= 1)) return 0;
    return static_cast<int>(std::min<double>(p, kIntegerMax));
}

// The extended panel's boxes of an oscillator and its daily default.
struct PanelBoxes {
    int daily = 0;
    int weekly = 0;
    int dailyDefault = 25;
};

std::optional<PanelBoxes> BoxesOf(Oscillator kind) {
    switch (kind) {
        case Oscillator::PercentR: return PanelBoxes{40, 41, 25};
        case Oscillator::Momentum: return PanelBoxes{42, 43, 25};
        case Oscillator::Rsi: return PanelBoxes{44, 45, 15};
        case Oscillator::Rci: return PanelBoxes{46, 47, 15};
        case Oscillator::Vector: return PanelBoxes{71, 72, 25};
        case Oscillator::Stochastics: return PanelBoxes{48, 49, 25};
        case Oscillator::Obv: return PanelBoxes{50, 51, 25};
        default: return std::nullopt;
    }
}

// RCI and the vector divide by n * (n * n - 1) and by the spread of the
// positions about their centre: both need two bars at least.
bool NeedsTwoBars(Oscillator kind) { return kind == Oscillator::Rci || kind == Oscillator::Vector; }

// The window length of an oscillator other than MACD; none when no
// oscillator of the panel's table is checked and no period is stored, in
// which case the group has been reset.
std::optional<int> OscillatorPeriod(IndicatorDraw& d, bool active) {
    ChartHost& w = d.w;
    ChartWindowState& f = d.f;
    const bool daily = f.IsDaily == kTrue;
    const std::optional<PanelBoxes> boxes = BoxesOf(d.kind);
    const int fallback = !daily ? 13 : boxes ? boxes->dailyDefault : 25;
    // `period` is the period as given, which the weekly period keeps as a
    // number (a typed 13.5 stays 13.5); `n` the whole bars the pass counts.
    double period = 0;
    int n = 0;
    if (!daily && WholePeriod(f.OscPeriodWeekly) > 0) {
        period = f.OscPeriodWeekly;
        n = WholePeriod(period);
    } else if (daily && f.OscPeriodDaily > 0) {
        n = f.OscPeriodDaily;
        period = n;
    }
    if (n > 0) {
        if (NeedsTwoBars(d.kind) && n < 2) period = n = fallback;
    } else {
        if (!boxes) {
            ResetOscillatorIndicators(w);
            return std::nullopt;
        }
        const int box = daily ? boxes->daily : boxes->weekly;
        period = Val(w.MainBoxText(box));
        n = WholePeriod(period);
        if (n <= 0 || (NeedsTwoBars(d.kind) && n < 2)) {
            period = n = fallback;
            w.SetMainBoxText(box, std::to_string(n));
        }
        if (d.monthly) period = n = 6;
    }
    if (active) {
        // Only the daily period is a whole number.
        if (daily) {
            f.OscPeriodDaily = static_cast<std::int16_t>(n);
            w.SetMainBoxText(kOscillatorBox, std::to_string(n));
        } else {
            f.OscPeriodWeekly = period;
            w.SetMainBoxText(kOscillatorBox, NumberText(period));
        }
    }
    return n;
}

// A period as the check takes it: whole, halves to even.  Not a number or
// beyond any window: 0, which the check refuses.
double RoundedPeriod(double value) {
    const double p = RoundHalfEven(value);
    return p == p && p < 1e9 && p > -1e9 ? p : 0;
}

// The MACD periods: the stored ones, or afresh from the monthly set or the
// panel's boxes; refused periods give message 313 and the defaults.
void TakeMacdPeriods(IndicatorDraw& d, bool active) {
    ChartHost& w = d.w;
    ChartWindowState& f = d.f;
    const bool daily = f.IsDaily == kTrue;
    MacdPeriods p{RoundedPeriod(f.MacdShortPeriod), RoundedPeriod(f.MacdLongPeriod), f.MacdSignalPeriod};
    const bool fresh = f.MacdShortPeriod == 0 || f.ParamsIsDaily != f.IsDaily || f.MacdLongPeriod == 0 ||
                       f.MacdSignalPeriod == 0;
    if (fresh) {
        if (d.monthly) {
            p = {6, 12, 5};
        } else {
            const int first = daily ? 26 : 29;
            p.shortPeriod = RoundedPeriod(Val(w.MainBoxText(first)));
            p.longPeriod = RoundedPeriod(Val(w.MainBoxText(first + 1)));
            p.signal = CInt(Val(w.MainBoxText(first + 2))).value_or(0);
        }
    }
    if (!MacdPeriodsValid(p)) {
        ShowMessage(kMacdPeriodsMessage, std::string(kMainWindowTitle), MessageIcon::Exclamation);
        p = d.monthly ? MacdPeriods{6, 12, 5} : daily ? MacdPeriods{12, 26, 9} : MacdPeriods{13, 26, 9};
    }
    f.MacdShortPeriod = p.shortPeriod;
    f.MacdLongPeriod = p.longPeriod;
    f.MacdSignalPeriod = static_cast<std::int16_t>(p.signal);
    if (active) {
        w.SetMainBoxText(10, NumberText(p.shortPeriod));
        w.SetMainBoxText(11, NumberText(p.longPeriod));
        w.SetMainBoxText(12, std::to_string(p.signal));
    }
    d.macd = p;
    d.n = p.signal + static_cast<int>(p.longPeriod);
}

// RCI blocks the main window while its ranks are computed, with the
// hourglass for long periods; both are undone however the pass ends.
class MainWindowBlock {
public:
    MainWindowBlock(ChartHost& w, bool on) : w_(w), on_(on) {
        if (!on_) return;
        w.SetMainWindowEnabled(false);
        if (Val(w.MainBoxText(kOscillatorBox)) >= 75) w.SetScreenPointer(11);
    }
    ~MainWindowBlock() {
        if (!on_) return;
        w_.SetMainWindowEnabled(true);
        w_.SetScreenPointer(0);
    }
    MainWindowBlock(const MainWindowBlock&) = delete;
    MainWindowBlock& operator=(const MainWindowBlock&) = delete;

private:
    ChartHost& w_;
    bool on_;
};

std::unique_ptr<OscillatorLine> LineOf(Oscillator kind) {
    switch (kind) {
        case Oscillator::Rsi: return MakeRsiLine();
        case Oscillator::Stochastics: return MakeStochasticsLine();
        case Oscillator::PercentR: return MakePercentRLine();
        case Oscillator::Momentum: return MakeMomentumLine();
        case Oscillator::Macd: return MakeMacdLine();
        case Oscillator::Rci: return MakeRciLine();
        case Oscillator::Vector: return MakeVectorLine();
        case Oscillator::Obv: return MakeObvLine();
        default: return nullptr;
    }
}

int WidthOf(IndicatorDraw& d, std::int64_t r) { return d.file1.Values(r).RecordNo; }

// The warm-up window before the view, the first value at the last warm-up
// bar and the bar pass to the right end of the price pane's view.
void DrawLine(IndicatorDraw& d) {
    std::unique_ptr<OscillatorLine> line = LineOf(d.kind);
    if (!line) return;
    ChartWindowState& f = d.f;
    const int n = d.n;
    d.window.assign(static_cast<std::size_t>(n) + 1, 0);
    std::optional<MonthlyFileInPlace> monthlyFile;
    if (d.monthly) monthlyFile.emplace(f, d.file1);
    d.corrected = !d.monthly && CorrectionOn(d.w);
    const std::int64_t held = d.file1.RecordsHeld();
    const std::int64_t first = f.FirstRecord;
    const std::int64_t start = std::max<std::int64_t>(first - n, 2);
    double x0 = 0;
    int previousWidth = 0;
    if (d.monthly) {
        double origin = 0;
        for (std::int64_t r = start; r < first; ++r) origin -= WidthOf(d, r);
        double widths = 0;
        for (std::int64_t r = start; r < start + n; ++r) widths += WidthOf(d, r);
        previousWidth = WidthOf(d, start + n - 1);
        x0 = origin + widths - f.MonthCutDays - Fix(previousWidth / 2.0);
    } else {
        x0 = -7.0 * static_cast<double>(first - start) + 7.0 * n - 4;
    }
    const bool holdsVolumes = d.kind == Oscillator::Obv;
    for (int i = 1; i <= n; ++i) {
        const std::int64_t r = start + i - 1;
        if (r > held) return;
        const BarValues bar = ReadBar(d, r);
        d.window[static_cast<std::size_t>(i)] = holdsVolumes ? bar.Volume : bar.Close;
        line->WarmUp(d, i, bar);
    }
    d.nextRecord = start + n;
    if (!line->Start(d, x0)) return;

    MainWindowBlock block(d.w, d.kind == Oscillator::Rci);
    const double rightEnd = d.w.PricePane().ScaleWidth();
    const std::int64_t last = std::min<std::int64_t>(f.RecordCount, held);
    float* values = d.window.data();
    d.firstBar = true;
    for (std::int64_t r = d.nextRecord; r <= last; ++r) {
        d.leaving = values[1];
        std::copy(values + 2, values + n + 1, values + 1);
        const BarValues bar = ReadBar(d, r);
        values[n] = holdsVolumes ? bar.Volume : bar.Close;
        line->Step(d, bar);
        double x1 = x0 + 7;
        if (d.monthly) {
            x1 = x0 + (bar.RecordNo + previousWidth) / 2.0;
            previousWidth = bar.RecordNo;
            if (d.printing && x1 == x0) break;
        }
        line->Draw(d, x0, x1);
        d.firstBar = false;
        x0 = x1;
        if (x0 >= rightEnd) break;
    }
}

}  // namespace

IndicatorDraw::IndicatorDraw(ChartHost& window, ChartFile& file) : w(window), f(window.Fields()), file1(file) {}

Oscillator CheckedOscillator(ChartHost& w) {
    if (Checked(w, "mnuRSI")) return Oscillator::Rsi;
    if (Checked(w, "mnuストキャス")) return Oscillator::Stochastics;
    if (Checked(w, "mnuPerOscillator")) return Oscillator::PercentR;
    if (Checked(w, "mnuモメンタム")) return Oscillator::Momentum;
    if (Checked(w, "mnuMACD")) return Oscillator::Macd;
    if (Checked(w, "mnuVector")) return Oscillator::Vector;
    if (Checked(w, "mnuRCI")) return Oscillator::Rci;
    if (Checked(w, "mnuKairiRitsu") || Checked(w, "mnu2LineKairiRitsu")) return Oscillator::Deviation;
    if (Checked(w, "mnuOBV")) return Oscillator::Obv;
    return Oscillator::None;
}

double CharacterUnit(Surface& pane) {
    return pane.Width() > 0 ? pane.ScaleWidth() / 900 * 5 * (8535 / pane.Width()) : 0;
}

double OffsetRatio(const ChartWindowState& f, Surface& pane) {
    return pane.Height() > 0 ? f.IndicatorPaneHeight / pane.Height() : 1;
}

BarValues ReadBar(IndicatorDraw& d, std::int64_t r) {
    BarValues bar = d.file1.Values(r);
    if (d.corrected) ApplyCorrection(d.f, r, bar);
    return bar;
}

void DrawIndicatorPane(ChartHost& w, ChartFile& file1) {
    IndicatorDraw d(w, file1);
    ChartWindowState& f = d.f;
    d.printing = f.PrintingNow == kTrue;
    d.kind = CheckedOscillator(w);
    d.inverted = f.InvertedChart == kTrue;
    d.enlarged = Checked(w, "mnuGamen比", 1);
    d.monthly = w.CheckValue(8) == 1;
    const bool hidden = !Checked(w, "mnuGamen比", 3) && !d.printing;
    const bool active = Program().windows.ActiveWindowNo == f.WindowNo;
    if (!hidden && d.kind == Oscillator::Vector) {
        d.vectorScale = VectorScale(f.ViewHigh, f.ViewLow, d.monthly, f.IsDaily == kTrue);
    }
    if (d.printing) {
        // The printed band's frame and titles are the print routine's; the
        // deviation rates are printed by the price pane's pass.
        if (d.kind == Oscillator::Deviation) return;
        d.target = w.PrintPage();
        if (d.target == nullptr) return;
        d.text = QBColor(13);
        d.printMargin = Fix(w.PricePane().ScaleWidth() * 0.1);
    } else if (!hidden) {
        Surface& pane = w.IndicatorPane();
        d.target = &pane;
        d.text = QBColor(f.BackColorNo == 2 ? 15 : 8);
        pane.SetForeColor(d.text);
        pane.SetDrawStyle(DrawStyle::Dot);
        pane.SetFontSize(9);
        switch (d.kind) {
            case Oscillator::Rsi:
            case Oscillator::Stochastics:
            case Oscillator::PercentR: DrawPercentFrame(d, pane); break;
            case Oscillator::Momentum:
                DrawMomentumFrame(d, pane);
                if (active) w.SetMainBoxEnabled(kOscillatorBox, true);
                break;
            case Oscillator::Macd: DrawMacdFrame(d, pane); break;
            case Oscillator::Vector: DrawVectorFrame(d, pane); break;
            case Oscillator::Rci: DrawRciFrame(d, pane); break;
            case Oscillator::Deviation:
                DrawDeviationFrame(d, pane);
                pane.SetDrawStyle(DrawStyle::Solid);
                return;
            case Oscillator::Obv: DrawObvFrame(d, pane); break;
            case Oscillator::None: break;
        }
        pane.SetDrawStyle(DrawStyle::Solid);
    }
    if (active && d.kind != Oscillator::Macd) PrintUnitBeside(w, kOscillatorBox, QBColor(0));
    if (d.kind == Oscillator::Macd) {
        TakeMacdPeriods(d, active);
    } else {
        const std::optional<int> n = OscillatorPeriod(d, active);
        if (!n) return;
        d.n = *n;
    }
    if (hidden) return;
    if (d.n >= f.RecordCount - 1) return;
    if (d.kind == Oscillator::Obv && f.MaxVolume == 0) return;
    DrawLine(d);
}

void PrintIndicatorBand(ChartHost& w, ChartFile& file1) {
    Surface* page = w.PrintPage();
    if (page == nullptr) return;
    ChartWindowState& f = w.Fields();
    f.MacdClipLevel = MacdClipLevelOf(f.PriceSpan, w.CheckValue(8) == 1, Checked(w, "mnuGamen比", 1));
    const Oscillator kind = CheckedOscillator(w);
    const bool percentBand =
        kind == Oscillator::Rsi || kind == Oscillator::Stochastics || kind == Oscillator::PercentR;
    page->SetScaleTop(percentBand ? 0 : -120);
    page->SetScaleHeight(percentBand ? 100 : 240);
    const std::int16_t printing = f.PrintingNow;
    f.PrintingNow = kTrue;
    DrawIndicatorPane(w, file1);
    f.PrintingNow = printing;
    page->SetScaleHeight(f.SavedScaleHeight);
    page->SetScaleTop(f.SavedScaleTop);
}

void ChartHost::gcv(ChartFile& file1) { DrawIndicatorPane(*this, file1); }

void ChartHost::prtgcv(ChartFile& file1) { PrintIndicatorBand(*this, file1); }

}  // namespace ranvik
