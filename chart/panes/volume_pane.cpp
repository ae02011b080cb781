// DrawVolumePane: which volume indicator the window draws, its period shown
// in the main window's quick bar, the monthly file in place of the data
// file, the surface it draws on, the passes over a moving window of bars,
// and what it puts back.
#include "chart/panes/volume_pane.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "chart/drawing/price_scale.h"
#include "chart/drawing/split_correction.h"
#include "chart/panes/monthly_switch.h"
#include "chart/panes/volume_figures.h"
#include "chart/panes/volume_ratio_levels.h"
#include "core/program_state.h"
#include "platform/runtime/record_file.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

constexpr int kPeriodBox = 2;     // Text2, the quick bar's volume period
constexpr int kCaptionLabel = 6;  // Label6, its caption

bool Checked(ChartHost& w, const char* item, int index = 1) { return w.Item(item, index).Checked(); }

// A box's number as a period: rounded, and held to the Integer range so that
// a long row of digits leaves the average out rather than overflowing.
int PeriodOf(double value) {
    const double p = RoundHalfEven(value);
    if (!(p >= 1)) return 0;
    return static_cast<int>(std::min<double>(p, kIntegerMax));
}

// The ratio item checked, the psychological line tested first.
std::optional<VolumeRatioKind> RatioChosen(ChartHost& w) {
    if (Checked(w, "mnuPSY")) return VolumeRatioKind::Psychological;
    if (Checked(w, "mnuVolRate", 1)) return VolumeRatioKind::Ratio1;
    if (Checked(w, "mnuVolRate", 2)) return VolumeRatioKind::Ratio2;
    if (Checked(w, "mnuVolRate", 3)) return VolumeRatioKind::Wako;
    return std::nullopt;
}

std::string PeriodUnitShown(ChartHost& w) {
    return w.CheckValue(8) == 1 ? std::string("月") : w.Fields().PeriodUnit.Text();
}

// The unit printed beside Text2 on the quick bar.
void PrintPeriodUnit(ChartHost& w) {
    Surface& bar = w.QuickBar();
    const ChartHost::BoxPlace box = w.MainBoxPlace(kPeriodBox);
    bar.SetForeColor(QBColor(0));
    bar.SetCurrentY(box.top + 10);
    bar.SetCurrentX(box.left + box.width + 20);
    bar.Print(PeriodUnitShown(w));
}

void ShowAveragePeriod(ChartHost& w) {
    const ChartWindowState& f = w.Fields();
    if (f.VolumeIndicatorPeriod != 0) w.SetMainBoxText(kPeriodBox, std::to_string(f.VolumeIndicatorPeriod));
    w.SetMainLabel(kCaptionLabel, "出来平均", QBColor(12));
    w.SetMainBoxEnabled(kPeriodBox, true);
    PrintPeriodUnit(w);
}

void ShowRatioCaption(ChartHost& w, VolumeRatioKind kind) {
    w.SetMainBoxEnabled(kPeriodBox, true);
    w.SetMainLabel(kCaptionLabel, kind == VolumeRatioKind::Psychological ? "ｻｲｺﾛｼﾞ..." : "ﾎﾞﾘｭｰﾑ...", QBColor(12));
    w.SetMainLabelEnabled(kCaptionLabel, true);
    PrintPeriodUnit(w);
}

// The ratio period from the extended panel, its default written back into
// the box on the active window only.
int PanelRatioPeriod(ChartHost& w, bool writeBack) {
    const ChartWindowState& f = w.Fields();
    if (w.CheckValue(8) == 1) return 6;
    const bool daily = f.IsDaily == kTrue;
    const int box = daily ? 56 : 57;
    const int fallback = daily ? 25 : 13;
    const int n = PeriodOf(Val(w.MainBoxText(box)));
    if (n > 0) return n;
    if (writeBack) w.SetMainBoxText(box, std::to_string(fallback));
    return fallback;
}

// What every pass of one draw shares.
struct PaneDraw {
    PaneDraw(ChartHost& window, ChartFile& file, Surface& onto)
        : w(window), f(window.Fields()), file1(file), target(onto) {}
    ChartHost& w;
    ChartWindowState& f;
    ChartFile& file1;
    Surface& target;  // Picture1, or the printed page
    bool printing = false;
    bool monthly = false;
    bool corrected = false;
    int unit = 1;
    double s = 0;  // MaxVolume / unit
    double scaleWidth = 0;
    std::optional<RatioFrame> ratio;
};

int WidthOf(PaneDraw& d, std::int64_t r) { return d.file1.Values(r).RecordNo; }

// x of the point of record r: the middle of its candle; with monthly
// candles the middle of its month, the month FirstRecord starting at
// -MonthCutDays.
double PointX(PaneDraw& d, std::int64_t r) {
    const std::int64_t first = d.f.FirstRecord;
    if (!d.monthly) return 7.0 * static_cast<double>(r - first) + 3;
    double start = -d.f.MonthCutDays;
    for (std::int64_t j = r; j < first; ++j) start -= WidthOf(d, j);
    for (std::int64_t j = first; j < r; ++j) start += WidthOf(d, j);
    const int width = WidthOf(d, r);
    return start + width - std::trunc(width / 2.0);
}

double DrawnY(const PaneDraw& d, double value) {
    if (d.ratio) return d.printing ? RatioPaperY(*d.ratio, value) : RatioScreenY(*d.ratio, value);
    return d.printing ? d.f.VolumeAreaRatio * d.s - value : value;
}

// One pass: a window of n bars moved over the records from the warm-up
// before the view to its right edge, one segment per bar.
void RunPass(PaneDraw& d, int n, Color color) {
    if (n <= 0) return;
    ChartWindowState& f = d.f;
    const std::int64_t held = d.file1.RecordsHeld();
    std::int64_t s = static_cast<std::int64_t>(f.FirstRecord) - n;
    if (s < 2) s = 2;
    auto read = [&](std::int64_t r) {
        BarValues bar = d.file1.Values(r);
        if (d.corrected) ApplyCorrection(f, r, bar);
        return RatioBar{bar.Open, bar.Close, bar.Volume};
    };
    // A window in read order; `oldest` indexes its oldest bar.
    std::vector<RatioBar> window;
    window.reserve(static_cast<std::size_t>(n));
    for (std::int64_t r = s; r < s + n; ++r) {
        if (r > held) return;
        RatioBar bar = read(r);
        if (!d.ratio) bar.volume = bar.volume / static_cast<float>(d.unit);
        window.push_back(bar);
    }
    std::size_t oldest = 0;
    // The running sum of the averages, in double so that thousands of
    // additions and subtractions leave no drift on the line.
    double sum = 0;
    for (const RatioBar& b : window) sum += b.volume;
    auto value = [&]() {
        if (!d.ratio) return sum / n;
        return RatioValue(d.ratio->kind, SumsOf(window), n);
    };
    std::int64_t r = s + n - 1;
    double previousX = PointX(d, r);
    double previousY = DrawnY(d, value());
    int previousWidth = d.monthly ? WidthOf(d, r) : 0;
    const bool always = d.ratio && d.ratio->kind == VolumeRatioKind::Psychological;
    const std::int64_t last = std::min<std::int64_t>(f.RecordCount, held);
    for (++r; r <= last; ++r) {
        RatioBar bar = read(r);
        if (!d.ratio) {
            bar.volume = bar.volume / static_cast<float>(d.unit);
            sum -= window[oldest].volume;
            sum += bar.volume;
        }
        window[oldest] = bar;
        oldest = (oldest + 1) % window.size();
        double x = previousX + 7;
        if (d.monthly) {
            const int width = WidthOf(d, r);
            x = previousX + (previousWidth + width) / 2.0;
            previousWidth = width;
        }
        const double y = DrawnY(d, value());
        if (always || window[oldest].volume != 0) d.target.Line(previousX, previousY, x, y, color);
        previousX = x;
        previousY = y;
        if (x >= d.scaleWidth) break;
    }
}

void RestoreSurfaces(PaneDraw& d) {
    if (d.printing) {
        d.target.SetDrawWidth(2);
        d.target.SetScaleHeight(d.f.SavedScaleHeight);
        d.target.SetScaleTop(d.f.SavedScaleTop);
    } else {
        const ScaleCorners c = PricePaneScale(d.f);
        d.target.Scale(c.x1, c.y1, c.x2, c.y2);
    }
}

}  // namespace

void DrawVolumePane(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    const std::optional<VolumeRatioKind> ratio = RatioChosen(w);
    if (!ratio && !Checked(w, "mnuDekiIdou")) return;
    const bool printing = f.PrintingNow == kTrue;
    Surface* paper = printing ? w.PrintPage() : nullptr;
    if (printing && paper == nullptr) return;
    const bool active = Program().windows.ActiveWindowNo == f.WindowNo;
    const bool monthly = w.CheckValue(8) == 1;

    std::array<int, 3> periods{};
    if (ratio) {
        int n = f.VolumeIndicatorPeriod;
        if (active) {
            ShowRatioCaption(w, *ratio);
            if (f.MaxVolume == 0 && *ratio != VolumeRatioKind::Psychological) return;
            if (!(f.ParamsIsDaily == f.IsDaily && f.VolumeIndicatorPeriod > 0)) n = PanelRatioPeriod(w, true);
            f.VolumeIndicatorPeriod = static_cast<std::int16_t>(n);
            w.SetMainBoxText(kPeriodBox, std::to_string(n));
        } else if (n < 1) {
            // No period stored yet: the panel's, as the active window would
            // take it, without touching the main window.
            n = PanelRatioPeriod(w, false);
        }
        periods[0] = n;
    } else {
        if (active) ShowAveragePeriod(w);
        if (f.MaxVolume == 0) return;
        if (monthly) {
            periods = {2, 6, 0};
        } else {
            const bool daily = f.IsDaily == kTrue;
            periods[0] = PeriodOf(Val(w.MainBoxText(daily ? 32 : 34)));
            periods[1] = PeriodOf(Val(w.MainBoxText(daily ? 33 : 35)));
        }
        periods[2] = f.VolumeIndicatorPeriod >= 1 ? f.VolumeIndicatorPeriod : 0;
        for (std::size_t i = 0; i < periods.size(); ++i) f.VolumeAvgPeriods[i] = static_cast<std::int16_t>(periods[i]);
    }

    Surface& price = w.PricePane();
    PaneDraw d(w, file1, printing ? *paper : price);
    d.printing = printing;
    d.monthly = monthly;
    d.corrected = !monthly && CorrectionOn(w);
    d.unit = VolumeUnitOf(f.MaxVolume);
    d.s = f.MaxVolume / d.unit;
    MonthlySwitch monthlyFile(f, file1, monthly);

    price.SetForeColor(QBColor(6));
    price.SetFontSize(8);
    if (ratio) {
        RatioFrame frame;
        frame.kind = *ratio;
        frame.enlarged = Checked(w, "mnuGamen比", 2);
        frame.inverted = f.InvertedChart == kTrue;
        frame.areaRatio = f.VolumeAreaRatio;
        frame.viewWidth = f.ViewWidth;
        frame.period = periods[0];
        frame.unit = PeriodUnitShown(w);
        d.ratio = frame;
        if (printing) {
            DrawRatioPaperLevels(*paper, price, frame);
        } else {
            Surface& indicator = w.IndicatorPane();
            const double u = indicator.Width() > 0
                                 ? indicator.ScaleWidth() / 900 * 5 * (8535 / indicator.Width())
                                 : 0;
            DrawRatioScreenLevels(price, u, frame);
        }
    } else if (printing) {
        const double top = f.VolumeAreaRatio * d.s;
        paper->SetForeColor(QBColor(6));
        paper->SetScaleTop(-0.2 * top);
        paper->SetScaleHeight(f.VolumePaneFactor * top);
        paper->SetDrawWidth(2);
        paper->SetDrawStyle(DrawStyle::Solid);
    } else {
        price.Scale(0, f.VolumeAreaRatio * d.s, f.ViewWidth, 0);
    }
    d.scaleWidth = price.ScaleWidth();

    if (ratio) {
        RunPass(d, periods[0], QBColor(6));
    } else {
        const Color colors[] = {QBColor(6), QBColor(12), QBColor(13)};
        for (std::size_t i = 0; i < periods.size(); ++i) RunPass(d, periods[i], colors[i]);
    }
    RestoreSurfaces(d);
    price.SetFontSize(9);
}

}  // namespace ranvik
