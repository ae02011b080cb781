// ScanVisibleRange and ChoosePriceGridStep: the price scale of the shown bars.
#include "chart/drawing/visible_range.h"

#include <cmath>

#include "chart/drawing/price_scale.h"
#include "chart/drawing/split_correction.h"
#include "core/program_state.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

struct GridRow {
    double bound;
    bool upTo;  // the range may equal the bound; the first rows need it below
    double step;
};

constexpr GridRow kGridLadder[] = {
    {50, false, 5},           {100, false, 10},          {200, false, 20},           {500, false, 50},
    {1000, true, 100},        {2000, true, 200},         {3000, true, 300},          {5000, true, 500},
    {10000, true, 1000},      {50000, true, 2000},       {100000, true, 10000},      {300000, true, 20000},
    {500000, true, 100000},   {1000000, true, 200000},   {5000000, true, 500000},    {10000000, true, 3000000},
};
constexpr double kWidestStep = 5000000;

double IntegerQuotient(double a, double b) { return static_cast<double>(IntDiv(a, b).value_or(0)); }

}  // namespace

void ScanVisibleRange(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    // 1.
    const double previousHigh = f.ViewHigh;
    const float previousLow = f.ViewLow;
    // 2.
    const bool monthly = w.CheckValue(1) == 1 && w.CheckValue(8) == 1;
    const bool correct = !monthly && CorrectionOn(w);
    // 3.
    std::int64_t r = f.FirstRecord;
    BarValues bar = file1.Values(r);
    if (correct) CorrectBar(f, r, bar);
    // A value that is not a finite number (a damaged file) cannot be placed
    // on a scale and takes no part in the extremes; the first finite one of
    // the range starts each of them.
    bool highSeen = false, lowSeen = false, volumeSeen = false, sellSeen = false, buySeen = false;
    const auto widen = [](auto& extreme, float value, bool& seen, bool higher) {
        if (!std::isfinite(value)) return;
        if (!seen || (higher ? value > extreme : value < extreme)) extreme = value;
        seen = true;
    };
    const auto take = [&](const BarValues& b) {
        widen(f.ViewHigh, b.High, highSeen, true);
        widen(f.ViewLow, b.Low, lowSeen, false);
        widen(f.MaxVolume, b.Volume, volumeSeen, true);
        widen(f.ViewMaxSellBalance, b.SellBalance, sellSeen, true);
        widen(f.ViewMaxBuyBalance, b.BuyBalance, buySeen, true);
    };
    f.ViewHigh = 0;
    f.ViewLow = 0;
    f.MaxVolume = 0;
    f.ViewMaxSellBalance = 0;
    f.ViewMaxBuyBalance = 0;
    take(bar);
    // 4.  Every bar at least partly inside the pane, and the one that starts
    // at or beyond its right edge.
    const double paneWidth = w.PricePane().ScaleWidth();
    double width = 0;
    while (r < f.RecordCount) {
        bar = file1.Values(++r);
        if (correct) ApplyCorrection(f, r, bar);
        take(bar);
        width += monthly ? bar.RecordNo : 7;
        if (width >= paneWidth) break;
    }
    // The record buffer holds the last bar scanned, as corrected.
    QuoteRecord& last = file1.Read(r, Program().store.QuoteBufA);
    last.Open = bar.Open;
    last.Close = bar.Close;
    last.High = bar.High;
    last.Low = bar.Low;
    last.Volume = bar.Volume;
    last.BuyBalance = bar.BuyBalance;
    last.SellBalance = bar.SellBalance;
    // 5.  The set-up leaves ViewHigh 0: then both bounds are taken afresh,
    // or a flat file whose lows equal the file's high would keep the bottom
    // of the stock shown before.
    const bool afresh = previousHigh == 0;
    const bool lowChanged = afresh || f.ViewLow != previousLow;
    const bool highChanged = afresh || f.ViewHigh != previousHigh;
    if (!lowChanged && !highChanged) return;
    // 6.
    const float viewHigh = static_cast<float>(f.ViewHigh);
    const int k = f.ViewHigh - f.ViewLow <= 20 ? 200 : 100;
    if (lowChanged) f.PriceBottom = f.ViewLow - f.ViewLow / static_cast<float>(k);
    if (highChanged) f.PriceTop = viewHigh + viewHigh / static_cast<float>(k);
    // Every shown price 0: a range of no height would leave the pane
    // without a scale.
    if (f.PriceTop <= f.PriceBottom) f.PriceTop = f.PriceBottom + 1;
    f.VolumeAreaHeight = static_cast<float>((f.PriceTop - f.PriceBottom) / (f.VolumeAreaRatio - 1));
    const ScaleCorners s = PricePaneScale(f);
    w.PricePane().Scale(s.x1, s.y1, s.x2, s.y2);
    if (f.InvertedChart == kTrue) {
        f.ClipLevelH = f.PriceTop + f.VolumeAreaHeight;
        f.ClipLevelL = static_cast<float>(f.PriceBottom);
    } else {
        f.ClipLevelH = f.PriceTop;
        f.ClipLevelL = static_cast<float>(f.PriceBottom - f.VolumeAreaHeight);
    }
    ChoosePriceGridStep(f);
}

void ChoosePriceGridStep(ChartWindowState& f) {
    const double range = f.PriceTop - f.PriceBottom;
    // 1.
    double step = kWidestStep;
    for (const GridRow& row : kGridLadder) {
        if (row.upTo ? range <= row.bound : range < row.bound) {
            step = row.step;
            break;
        }
    }
    // 2.
    if (range / step > 20) {
        step *= 5;
    } else if (IntegerQuotient(range, step) > 10) {
        step *= 2;
    } else if (range <= step) {
        step = IntegerQuotient(range, 5);
        if (step == 0) step = 0.5;
    }
    // 3.
    if (range / step < 4) {
        step = IntegerQuotient(range, 5);
        if (step < 1) {
            step = 0.5;
            if (range < 0.1) {
                step = 0.005;
            } else if (range < 1) {
                step = 0.01;
            }
        } else if (step > 10 && static_cast<long long>(RoundHalfEven(step)) % 10 != 0) {
            step = Fix(step / 10) * 10 + 10;
        }
    }
    // A range past the ladder's top that no price ever spans (a damaged
    // file's bars) still gets about twenty lines at most: the widest step
    // alone would have the grid drawn line by line into the millions.
    // A range with no end (bars of infinite or undefined prices) has no
    // grid at all: every drawer leaves a step of 0 undrawn.
    while (std::isfinite(range) && step >= kWidestStep && range / step > 20) step *= 10;
    if (!std::isfinite(range)) step = 0;
    // 4.
    f.PriceGridStep = static_cast<float>(step);
    if (step < 0.5) {
        f.AxisFormat = "0.###0";
    } else if (step <= 1) {
        f.AxisFormat = "0.#0";
    } else if (step <= 3) {
        f.AxisFormat = "#,###.#0";
    } else {
        f.AxisFormat = "#,###";
    }
}

}  // namespace ranvik
