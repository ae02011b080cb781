// Pivot, kagi and parabolic of the daily/weekly bar pass.
#include "chart/drawing/price_overlays.h"

#include <algorithm>

#include "chart/drawing/split_correction.h"
#include "core/program_state.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

constexpr Color kKagiColor = RGB(200, 150, 100);
// Records looked back at a parabolic turn.
constexpr std::int64_t kLookBack = 3;

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

}  // namespace

PivotLevels PivotOf(float h, float l, float c) {
    const float p = (l + h + c) / 3;
    return {{p, 2 * p + h - 2 * l, p + h - l, 2 * p - l, 2 * p - h, p - h + l, 2 * p - 2 * h + l}};
}

void PivotPass::Bar(Surface& price, float high, float low, float close, double x) {
    const PivotLevels now = PivotOf(high, low, close);
    if (previous.P() != 0) {
        for (std::size_t i = 0; i < now.values.size(); ++i) {
            price.Line(x - 4, previous.values[i], x + 3, now.values[i], i == 0 ? QBColor(12) : QBColor(8));
        }
    }
    previous = now;
}

KagiPass StartKagi(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    if (f.KagiPct <= 0) {
        f.KagiPct = static_cast<float>(Val(w.MainBoxText(73)));
        if (f.KagiPct == 0) f.KagiPct = 1;
    }
    if (ActiveWindow(f)) w.SetMainBoxText(6, NumberText(f.KagiPct));
    f.KagiFraction = f.KagiPct / 100;
    f.KagiDirection = 0;
    const std::int64_t before = f.FirstRecord > 2 ? f.FirstRecord - 1 : 2;
    f.KagiLastPrice = CorrectedValues(w, file1, before).Close;
    KagiPass pass;
    pass.timeAxis = w.Item("mnuKagiAshi", 1).Checked();
    return pass;
}

void KagiPass::Bar(ChartWindowState& f, Surface& price, float c, double x) {
    if (timeAxis) kx = x + 3;
    // A zero close leaves no price to measure a reversal from: the first
    // close that is not zero starts the line.
    if (f.KagiLastPrice == 0) {
        f.KagiLastPrice = c;
        return;
    }
    const float frac = f.KagiFraction;
    const bool rising = f.KagiDirection != 0;
    auto reverse = [&](bool up) {
        price.Line(kxPrev, f.KagiLastPrice, kx, f.KagiLastPrice, kKagiColor);
        price.Line(kx, f.KagiLastPrice, kx, c, kKagiColor);
        kxPrev = kx;
        f.KagiLastPrice = c;
        kx += 7;
        f.KagiDirection = up ? -1 : 0;
    };
    auto extend = [&] {
        price.Line(kxPrev, f.KagiLastPrice, kxPrev, c, kKagiColor);
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

ParabolicPass StartParabolic(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    if (f.ParabolicAF == 0) f.ParabolicAF = 0.02f;
    if (ActiveWindow(f)) w.SetMainBoxText(8, NumberText(f.ParabolicAF));
    f.ParabolicAFNow = f.ParabolicAF;
    const std::int64_t s = f.FirstRecord <= 5 ? 2 - f.FirstRecord : -4;
    const std::int64_t from = f.FirstRecord + s;
    int rising = 0;
    if (f.RecordCount >= 10) {
        for (std::int64_t r = from; r <= from + 4; ++r) {
            const BarValues bar = file1.Values(r);
            if (bar.Open < bar.Close) ++rising;
        }
    }
    const BarValues start = CorrectedValues(w, file1, from);
    if (rising >= 3) {
        f.ParabolicUp = -1;
        f.ParabolicEP = f.ParabolicSar = start.High;
    } else {
        f.ParabolicUp = 0;
        f.ParabolicEP = f.ParabolicSar = start.Low;
    }
    ParabolicPass pass;
    pass.correct = CorrectionOn(w);
    return pass;
}

void ParabolicPass::Bar(ChartWindowState& f, Surface& price, ChartFile& file1, std::int64_t r, float open,
                        float high, float low, float close, double x) {
    const float sar = static_cast<float>(f.ParabolicSar);
    float ep = static_cast<float>(f.ParabolicEP);
    float next = sar + f.ParabolicAFNow * (ep - sar);
    auto lookBack = [&](bool wasRising) {
        if (r - kLookBack < 2) return;
        for (std::int64_t k = 0; k <= kLookBack; ++k) {
            BarValues bar = file1.Values(r - k);
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
            lookBack(true);
        } else if (close > ep) {
            ep = close;
            GrowFactor(f);
        }
    } else {
        if (next <= open || next <= close) {
            ep = low;
            f.ParabolicAFNow = f.ParabolicAF;
            f.ParabolicUp = -1;
            lookBack(false);
        } else if (close < ep) {
            ep = close;
            GrowFactor(f);
        }
    }
    f.ParabolicEP = ep;
    f.ParabolicSarNext = next;
    price.SetDrawWidth(2);
    price.Line(x, next, x + 7, next, f.ParabolicUp == -1 ? QBColor(12) : QBColor(6));
    price.SetDrawWidth(1);
    f.ParabolicSar = next;
}

}  // namespace ranvik
