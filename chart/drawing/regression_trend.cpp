// The regression trend: for up to three periods the least-squares line
// through the closes of the last n bars up to the last drawn one, with the
// lines one and two standard deviations above and below it, on the price
// pane or, while the window prints, on the page within the price band.
#include "chart/drawing/regression_trend.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "chart/drawing/segment_clipping.h"
#include "chart/drawing/split_correction.h"
#include "core/program_state.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

// A box's period rounded to an Integer; no number, or one beyond the
// Integer range, leaves the line out.
std::int16_t BoxPeriod(ChartHost& w, int textNo) { return CInt(Val(w.MainBoxText(textNo))).value_or(0); }

void TakePeriods(ChartHost& w, bool monthly) {
    ChartWindowState& f = w.Fields();
    std::array<std::int16_t, 4>& n = f.RegressionPeriods;
    if (monthly) {
        n[1] = 6;
        n[2] = 12;
    } else if (f.IsDaily == kTrue) {
        n[1] = BoxPeriod(w, 62);
        n[2] = BoxPeriod(w, 63);
    } else {
        n[1] = BoxPeriod(w, 64);
        n[2] = BoxPeriod(w, 65);
    }
    // The quick bar's period was set for the other kind of data.
    if (f.ParamsIsDaily != f.IsDaily) n[3] = 0;
    if (Program().windows.ActiveWindowNo == f.WindowNo && n[3] != 0) w.SetMainBoxText(18, std::to_string(n[3]));
}

}  // namespace

RegressionLine FitRegression(const std::vector<float>& closes) {
    RegressionLine line;
    const int n = static_cast<int>(closes.size());
    if (n < 2) return line;
    // The index the line is anchored at is rounded, so an even period fits
    // about a point half a bar off the true middle.
    const double q = RoundHalfEven((n + 1) / 2.0);
    double sum = 0;
    for (const float y : closes) sum += y;
    const double mean = sum / n;
    double sxy = 0;
    double sxx = 0;
    double syy = 0;
    for (int j = 1; j <= n; ++j) {
        const double dy = closes[static_cast<std::size_t>(j - 1)] - mean;
        const double dj = j - q;
        sxy += dy * dj;
        sxx += dj * dj;
        syy += dy * dy;
    }
    const double b = sxy / sxx;
    const double a = mean - q * b;
    line.U = static_cast<float>(a + b);
    line.V = static_cast<float>(a + n * b);
    line.s = static_cast<float>(std::sqrt(syy / (n - 1)));
    return line;
}

void DrawRegressionTrend(ChartHost& w, ChartFile& file1, std::int64_t& lastRecord, double& lastX) {
    ChartWindowState& f = w.Fields();
    const bool printing = f.PrintingNow != 0;
    Surface* paper = printing ? w.PrintPage() : nullptr;
    if (printing && paper == nullptr) return;
    Surface& target = printing ? *paper : w.PricePane();
    const bool monthly = w.CheckValue(8) == 1;
    const bool correct = !monthly && CorrectionOn(w);
    TakePeriods(w, monthly);

    ClipLevels levels;
    levels.ClipLevelH = static_cast<float>(f.ClipLevelH);
    levels.ClipLevelL = f.ClipLevelL;
    const std::int64_t held = file1.IsOpen() ? file1.RecordsHeld() : 0;
    const Color colors[] = {QBColor(5), QBColor(8), QBColor(2)};

    for (int k = 1; k <= 3; ++k) {
        const int n = f.RegressionPeriods[static_cast<std::size_t>(k)];
        // One bar has no line to fit and no spread; the n bars must all lie
        // between the first bar and the last one the file holds.
        if (n < 2) continue;
        const std::int64_t from = lastRecord - n + 1;
        if (from < 2 || lastRecord > held) continue;

        std::vector<float> closes;
        closes.reserve(static_cast<std::size_t>(n));
        double widths = 0;
        int firstWidth = 0;
        int lastWidth = 0;
        for (std::int64_t r = from; r <= lastRecord; ++r) {
            BarValues bar = file1.Values(r);
            // Only the point in force as the caller left it applies.
            if (correct) CorrectBar(f, r, bar);
            closes.push_back(bar.Close);
            if (r == from) firstWidth = bar.RecordNo;
            lastWidth = bar.RecordNo;
            widths += bar.RecordNo;
        }
        const RegressionLine fit = FitRegression(closes);

        double x1 = lastX + 3 - 7.0 * (n - 1);
        double x2 = lastX + 3;
        if (monthly) {
            // From the centre of the window's first month to the centre of
            // its last.
            x1 = lastX - widths + RoundHalfEven(firstWidth / 2.0);
            x2 = lastX - RoundHalfEven(lastWidth / 2.0);
        }
        const Color color = colors[k - 1];
        if (!printing) {
            for (const float offset : {0.0f, fit.s, 2 * fit.s, -fit.s, -2 * fit.s}) {
                target.Line(x1, fit.U + offset, x2, fit.V + offset, color);
            }
            continue;
        }
        const float H = levels.ClipLevelH;
        const float L = levels.ClipLevelL;
        for (const float offset : {2 * fit.s, fit.s, 0.0f, -fit.s, -2 * fit.s}) {
            float ua = fit.U + offset;
            float va = fit.V + offset;
            const float orgpv = ua;
            std::int16_t rX1 = 0;
            std::int16_t rX2 = 0;
            const float px = static_cast<float>(x1);
            const float nx = static_cast<float>(x2);
            const bool above = ua > H || va > H;
            const bool below = ua < L || va < L;
            // A steep line may leave the band at both levels: it is cut at
            // both, so that nothing is printed over the volume area.
            if (above && below) {
                SuppressHL(levels, rX1, rX2, px, nx, ua, va, orgpv);
            } else if (above) {
                SuppressH(levels, rX1, rX2, px, nx, ua, va, orgpv);
            } else if (below) {
                SuppressL(levels, rX1, rX2, px, nx, ua, va, orgpv);
            }
            if (ua == va && (va >= H || va <= L)) continue;
            target.Line(x1 + rX1, ua, x2 - rX2, va, color);
        }
    }
}

}  // namespace ranvik
