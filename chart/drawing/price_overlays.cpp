// Pivot, kagi and parabolic of the daily/weekly and the monthly bar passes.
#include "chart/drawing/price_overlays.h"

#include <algorithm>

#include "chart/drawing/segment_clipping.h"
#include "chart/drawing/split_correction.h"
#include "core/program_state.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

// Records looked back at a parabolic turn in the daily/weekly pass; in the
// monthly pass about a month of the source data.
constexpr std::int64_t kLookBack = 3;
constexpr std::int64_t kMonthlyLookBackDaily = 22;
constexpr std::int64_t kMonthlyLookBackWeekly = 5;

// A record other than the pass's own, corrected with the point in force.
BarValues CorrectedValues(ChartHost& w, ChartFile& file1, std::int64_t r) {
    BarValues bar = file1.Values(r);
    if (CorrectionOn(w)) CorrectBar(w.Fields(), r, bar);
    return bar;
}

bool ActiveWindow(const ChartWindowState& f) { return Program().windows.ActiveWindowNo == f.WindowNo; }

// The factor grows in double precision and is kept as a Single: compared
// with the Single 0.2, it reaches 0.22 on its tenth step from 0.02.
void GrowFactor(ChartWindowState& f) {
    if (f.ParabolicAFNow < 0.2f) f.ParabolicAFNow = static_cast<float>(static_cast<double>(f.ParabolicAFNow) + 0.02);
}

// The kagi percentage in use, from the extended panel while the window's
// is 0 or less, shown in the quick bar.
void StartKagiState(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    if (f.KagiPct <= 0) {
        f.KagiPct = static_cast<float>(Val(w.MainBoxText(73)));
        if (f.KagiPct == 0) f.KagiPct = 1;
    }
    if (ActiveWindow(f)) w.SetMainBoxText(6, NumberText(f.KagiPct));
    f.KagiFraction = f.KagiPct / 100;
    f.KagiDirection = 0;
}

void StartParabolicFactor(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    if (f.ParabolicAF == 0) f.ParabolicAF = 0.02f;
    if (ActiveWindow(f)) w.SetMainBoxText(8, NumberText(f.ParabolicAF));
    f.ParabolicAFNow = f.ParabolicAF;
}

void StartPhase(ChartWindowState& f, bool rising, const BarValues& start) {
    if (rising) {
        f.ParabolicUp = -1;
        f.ParabolicEP = f.ParabolicSar = start.High;
    } else {
        f.ParabolicUp = 0;
        f.ParabolicEP = f.ParabolicSar = start.Low;
    }
}

}  // namespace

PivotLevels PivotOf(float h, float l, float c) {
    const float p = (l + h + c) / 3;
    return {{p, 2 * p + h - 2 * l, p + h - l, 2 * p - l, 2 * p - h, p - h + l, 2 * p - 2 * h + l}};
}

void PivotPass::Bar(Surface& onto, float high, float low, float close, double fromX, double toX) {
    const PivotLevels now = PivotOf(high, low, close);
    if (previous.P() != 0) {
        for (std::size_t i = 0; i < now.values.size(); ++i) {
            onto.Line(fromX, previous.values[i], toX, now.values[i], i == 0 ? QBColor(12) : QBColor(8));
        }
    }
    previous = now;
}

MonthlyPivotPass StartMonthlyPivot(const ChartWindowState& f, ChartFile& monthly) {
    MonthlyPivotPass pass;
    if (f.MonthlyFirstRecord > 2) {
        const BarValues before = monthly.Values(f.MonthlyFirstRecord - 1);
        pass.previous = PivotOf(before.High, before.Low, before.Close);
        pass.drawn = pass.previous;
    }
    return pass;
}

void MonthlyPivotPass::Bar(Surface& onto, bool paper, const ChartWindowState& f, float high, float low,
                           float close, double x, double previousWidth, double width) {
    const PivotLevels now = PivotOf(high, low, close);
    const double fromX = x - previousWidth / 2;
    const double toX = x + width / 2;
    if (previous.P() != 0) {
        const ClipLevels levels{static_cast<float>(f.ClipLevelH), f.ClipLevelL, f.MacdClipLevel};
        for (std::size_t i = 0; i < now.values.size(); ++i) {
            const Color color = i == 0 ? QBColor(12) : QBColor(8);
            if (!paper || i == 0) {
                onto.Line(fromX, previous.values[i], toX, now.values[i], color);
                drawn.values[i] = now.values[i];
                continue;
            }
            // On paper nothing cuts the line at the price band: HBOP, R2
            // and R1 are cut at the top, S1, S2 and LBOP at the bottom.
            const bool upper = i <= 3;
            std::int16_t rX1 = 0;
            std::int16_t rX2 = 0;
            float pv = drawn.values[i];
            float nv = now.values[i];
            if (upper) {
                SuppressH(levels, rX1, rX2, 0, static_cast<float>(width), pv, nv, previous.values[i]);
            } else {
                SuppressL(levels, rX1, rX2, 0, static_cast<float>(width), pv, nv, previous.values[i]);
            }
            drawn.values[i] = nv;
            const float level = upper ? levels.ClipLevelH : levels.ClipLevelL;
            if (pv == level && nv == level) continue;
            onto.Line(fromX + rX1, pv, toX - rX2, nv, color);
        }
    }
    previous = now;
}

KagiPass StartKagi(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    StartKagiState(w);
    const std::int64_t before = f.FirstRecord > 2 ? f.FirstRecord - 1 : 2;
    f.KagiLastPrice = CorrectedValues(w, file1, before).Close;
    KagiPass pass;
    pass.timeAxis = w.Item("mnuKagiAshi", 1).Checked();
    return pass;
}

KagiPass StartMonthlyKagi(ChartHost& w, ChartFile& monthly) {
    ChartWindowState& f = w.Fields();
    StartKagiState(w);
    const BarValues first = monthly.Values(f.MonthlyFirstRecord);
    f.KagiLastPrice = first.Close;
    KagiPass pass;
    pass.timeAxis = w.Item("mnuKagiAshi", 1).Checked();
    pass.color = QBColor(6);
    pass.kxPrev = -f.MonthCutDays;
    pass.kx = pass.kxPrev + first.RecordNo / 2.0;
    return pass;
}

void KagiPass::Bar(ChartWindowState& f, Surface& onto, float c, double centre, double step) {
    if (timeAxis) kx = centre;
    // A zero close leaves no price to measure a reversal from: the first
    // close that is not zero starts the line.
    if (f.KagiLastPrice == 0) {
        f.KagiLastPrice = c;
        return;
    }
    const float frac = f.KagiFraction;
    const bool rising = f.KagiDirection != 0;
    auto reverse = [&](bool up) {
        onto.Line(kxPrev, f.KagiLastPrice, kx, f.KagiLastPrice, color);
        onto.Line(kx, f.KagiLastPrice, kx, c, color);
        kxPrev = kx;
        f.KagiLastPrice = c;
        kx += step;
        f.KagiDirection = up ? -1 : 0;
    };
    auto extend = [&] {
        onto.Line(kxPrev, f.KagiLastPrice, kxPrev, c, color);
        f.KagiLastPrice = c;
    };
    if (c > f.KagiLastPrice) {
        if (!rising) {
            if (c / f.KagiLastPrice >= 1 + frac) reverse(true);
        } else {
            extend();
        }
    } else if (c < f.KagiLastPrice) {
        if (rising) {
            if (c / f.KagiLastPrice <= 1 - frac) reverse(false);
        } else {
            extend();
        }
    }
}

void KagiPass::Close(const ChartWindowState& f, Surface& onto) const {
    onto.Line(kxPrev, f.KagiLastPrice, kx, f.KagiLastPrice, color);
}

ParabolicPass StartParabolic(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    StartParabolicFactor(w);
    const std::int64_t s = f.FirstRecord <= 5 ? 2 - f.FirstRecord : -4;
    const std::int64_t from = f.FirstRecord + s;
    int rising = 0;
    if (f.RecordCount >= 10) {
        for (std::int64_t r = from; r <= from + 4; ++r) {
            const BarValues bar = file1.Values(r);
            if (bar.Open < bar.Close) ++rising;
        }
    }
    StartPhase(f, rising >= 3, CorrectedValues(w, file1, from));
    ParabolicPass pass;
    pass.correct = CorrectionOn(w);
    pass.lookBack = kLookBack;
    return pass;
}

ParabolicPass StartMonthlyParabolic(ChartHost& w, ChartFile& monthly) {
    ChartWindowState& f = w.Fields();
    StartParabolicFactor(w);
    const std::int64_t first = f.MonthlyFirstRecord;
    const std::int64_t s = first <= 7 ? 2 - first : -6;
    const std::int64_t from = first + s;
    int rising = 0;
    // Only months the monthly file holds are counted: the data file's count
    // says nothing of how many months there are.
    if (from + 4 <= f.MonthlyRecordCount) {
        for (std::int64_t r = from; r <= from + 4; ++r) {
            const BarValues bar = monthly.Values(r);
            if (bar.Open < bar.Close) ++rising;
        }
    }
    StartPhase(f, rising == 5, monthly.Values(from));
    ParabolicPass pass;
    pass.lookBack = f.IsDaily != 0 ? kMonthlyLookBackDaily : kMonthlyLookBackWeekly;
    pass.fallingColor = QBColor(9);
    return pass;
}

float ParabolicPass::Step(ChartWindowState& f, ChartFile& file, std::int64_t r, float open, float high, float low,
                          float close) const {
    const float sar = static_cast<float>(f.ParabolicSar);
    float ep = static_cast<float>(f.ParabolicEP);
    float next = sar + f.ParabolicAFNow * (ep - sar);
    auto lookBackOver = [&](bool wasRising) {
        if (r - lookBack < 2) return;
        for (std::int64_t k = 0; k <= lookBack; ++k) {
            BarValues bar = file.Values(r - k);
            if (correct) CorrectBar(f, r - k, bar);
            if (wasRising) {
                ep = std::max(ep, bar.Close);
                next = std::max(next, bar.High);
            } else {
                ep = std::min(ep, bar.Open);
                next = std::min(next, bar.Low);
            }
        }
    };
    if (f.ParabolicUp == -1) {
        if (next >= open || next >= close) {
            ep = high;
            f.ParabolicAFNow = f.ParabolicAF;
            f.ParabolicUp = 0;
            lookBackOver(true);
        } else if (close > ep) {
            ep = close;
            GrowFactor(f);
        }
    } else {
        if (next <= open || next <= close) {
            ep = low;
            f.ParabolicAFNow = f.ParabolicAF;
            f.ParabolicUp = -1;
            lookBackOver(false);
        } else if (close < ep) {
            ep = close;
            GrowFactor(f);
        }
    }
    f.ParabolicEP = ep;
    f.ParabolicSarNext = next;
    f.ParabolicSar = next;
    return next;
}

Color ParabolicPass::ColorOf(const ChartWindowState& f) const {
    return f.ParabolicUp == -1 ? QBColor(12) : fallingColor;
}

void ParabolicPass::Bar(ChartWindowState& f, Surface& price, ChartFile& file1, std::int64_t r, float open,
                        float high, float low, float close, double x) const {
    const float next = Step(f, file1, r, open, high, low, close);
    price.SetDrawWidth(2);
    price.Line(x, next, x + 7, next, ColorOf(f));
    price.SetDrawWidth(1);
}

}  // namespace ranvik
