#include "chart/panes/oscillator_math.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"

namespace ranvik {

float RsiOf(float up, float down) {
    const float total = up + down;
    return total != 0 ? 100 * up / total : 0;
}

float RangePercent(float numerator, float range) { return range != 0 ? 100 * numerator / range : 50; }

HighLow ExtremesOf(const std::vector<HighLow>& table, int n) {
    HighLow e = table[1];
    for (int i = 2; i <= n; ++i) {
        if (table[static_cast<std::size_t>(i)].high > e.high) e.high = table[static_cast<std::size_t>(i)].high;
        if (table[static_cast<std::size_t>(i)].low < e.low) e.low = table[static_cast<std::size_t>(i)].low;
    }
    return e;
}

void StochasticRings::Start(float range, float numerator) {
    for (int i = 0; i < 3; ++i) {
        ranges_[i] = range;
        numerators_[i] = numerator;
    }
    d_ = RangePercent(numerators_[0] + numerators_[1] + numerators_[2], ranges_[0] + ranges_[1] + ranges_[2]);
    for (float& v : ds_) v = d_;
    slow_ = (ds_[0] + ds_[1] + ds_[2]) / 3;
}

void StochasticRings::Step(float range, float numerator) {
    ranges_[0] = ranges_[1];
    ranges_[1] = ranges_[2];
    ranges_[2] = range;
    numerators_[0] = numerators_[1];
    numerators_[1] = numerators_[2];
    numerators_[2] = numerator;
    d_ = RangePercent(numerators_[0] + numerators_[1] + numerators_[2], ranges_[0] + ranges_[1] + ranges_[2]);
    ds_[0] = ds_[1];
    ds_[1] = ds_[2];
    ds_[2] = d_;
    slow_ = (ds_[0] + ds_[1] + ds_[2]) / 3;
}

float SmoothedAverage(const ValueWindow& closes, int p, int t) {
    float sum = 0;
    for (int i = t - p; i < t; ++i) sum += closes[static_cast<std::size_t>(i)];
    const float a = sum / static_cast<float>(p);
    return a + (closes[static_cast<std::size_t>(t)] - a) * 2 / static_cast<float>(p + 1);
}

bool MacdPeriodsValid(const MacdPeriods& p) {
    if (p.signal < 1 || p.signal > kIntegerMax) return false;
    if (!(p.shortPeriod > 0) || !(p.longPeriod > 0) || p.shortPeriod > p.longPeriod) return false;
    // The window holds long + signal closes, counted as an Integer.
    return p.longPeriod + p.signal <= kIntegerMax;
}

void RciRanker::Reset(const ValueWindow& closes, int n) {
    order_.resize(static_cast<std::size_t>(n));
    std::iota(order_.begin(), order_.end(), 1);
    std::stable_sort(order_.begin(), order_.end(), [&](std::int32_t a, std::int32_t b) {
        return closes[static_cast<std::size_t>(a)] > closes[static_cast<std::size_t>(b)];
    });
}

void RciRanker::Slide(const ValueWindow& closes, int n) {
    if (order_.size() != static_cast<std::size_t>(n)) {
        Reset(closes, n);
        return;
    }
    for (std::int32_t& p : order_) {
        p = p == 1 ? n : p - 1;
    }
    // Insertion into place of the one position out of order.
    for (std::size_t k = 1; k < order_.size(); ++k) {
        const std::int32_t p = order_[k];
        const float v = closes[static_cast<std::size_t>(p)];
        std::size_t j = k;
        while (j > 0 && closes[static_cast<std::size_t>(order_[j - 1])] < v) {
            order_[j] = order_[j - 1];
            --j;
        }
        order_[j] = p;
    }
}

float RciRanker::Value(const ValueWindow& closes, int n) {
    ranks_.resize(static_cast<std::size_t>(n) + 1);
    // A group of equal closes shares the rank of its first member; the next
    // group's rank counts every close above it.
    for (int k = 0; k < n; ++k) {
        const std::int32_t i = order_[static_cast<std::size_t>(k)];
        const std::int32_t before = k > 0 ? order_[static_cast<std::size_t>(k - 1)] : 0;
        const bool tie = k > 0 && closes[static_cast<std::size_t>(before)] == closes[static_cast<std::size_t>(i)];
        ranks_[static_cast<std::size_t>(i)] = tie ? ranks_[static_cast<std::size_t>(before)] : k + 1;
    }
    float d = 0;
    for (int i = 1; i <= n; ++i) {
        const float diff = static_cast<float>(n + 1 - i - ranks_[static_cast<std::size_t>(i)]);
        d += diff * diff;
    }
    const float nf = static_cast<float>(n);
    return 100 * (1 - 6 * d / (nf * (nf * nf - 1)));
}

float RciOf(const ValueWindow& closes, int n) {
    RciRanker ranker;
    ranker.Reset(closes, n);
    return ranker.Value(closes, n);
}

int VectorCentre(int n) { return static_cast<int>(RoundHalfEven((n + 1) / 2.0)); }

float VectorOf(const ValueWindow& closes, int n, float sum) {
    const float mean = sum / static_cast<float>(n);
    if (mean == 0) return 0;
    const int m = VectorCentre(n);
    float sxy = 0;
    float sxx = 0;
    for (int i = 1; i <= n; ++i) {
        const auto di = static_cast<float>(i - m);
        sxy += (closes[static_cast<std::size_t>(i)] - mean) * di;
        sxx += di * di;
    }
    if (sxx == 0) return 0;
    return sxy / sxx / mean * 1000;
}

std::int16_t VectorScale(double viewHigh, double viewLow, bool monthly, bool daily) {
    // A view whose every price is 0 has no range to measure.
    if (!(viewHigh > 0)) return 1;
    const double d = monthly ? 1 : daily ? 4 : 2;
    const double s = Fix((viewHigh - viewLow) / viewHigh * 100 / d);
    if (!(s >= 1)) return 1;
    return static_cast<std::int16_t>(std::min<double>(s, kIntegerMax));
}

ObvScale ObvScaleOf(double largest) {
    ObvScale s;
    s.unit = largest > 10000000 ? 1000 : 1;
    s.step = largest / s.unit / 10;
    s.rounding = s.step > 1000 ? 1000 : 1;
    return s;
}

std::string ObvLabel(const ObvScale& s, int v) {
    return FormatNumber(Fix(std::abs(s.step * v) / s.rounding) * s.rounding, "#,###");
}

float MacdClipLevelOf(float priceSpan, bool monthly, bool enlarged) {
    float d = monthly ? 10.0f : 16.0f;
    if (enlarged) d = d / 2;
    return priceSpan / (d / 2);
}

DeviationLadder DeviationLadderOf(int ds, bool enlarged) {
    DeviationLadder l;
    auto modOr = [](int value, int m) { return value % m == 0 ? m : value % m; };
    if ((enlarged && ds > 20) || (!enlarged && ds > 10)) {
        l.step = 5;
        l.offset = modOr(ds, 5);
    } else {
        l.step = 2;
        l.offset = modOr(ds, 2);
    }
    if (ds >= 30 && !enlarged) {
        l.step *= 2;
        l.offset *= 2;
    }
    if (enlarged && ds != 24) {
        l.offsetFactor = 1.2;
        l.step *= 2;
        l.offset = ds <= 20 ? modOr(ds, 4) : modOr(ds, 10);
    }
    return l;
}

}  // namespace ranvik
