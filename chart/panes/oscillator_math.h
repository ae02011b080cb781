#pragma once
// The numbers of the indicator pane's oscillators, apart from any surface:
// each works on a window of n values, position 1 the oldest and position n
// the newest (position 0 unused), in single precision as the pane keeps them.
#include <cstdint>
#include <string>
#include <vector>

namespace ranvik {

// A window of n single-precision values at positions 1 to n.
using ValueWindow = std::vector<float>;

// RSI from its running sums of rises and falls; 0 when nothing changed.
float RsiOf(float up, float down);

// A ratio in percent of a range; a range of 0 (a window whose highs and lows
// are all equal, as with a suspended stock) leaves the value in the middle.
float RangePercent(float numerator, float range);

// The high-low table of stochastics and %R: the highest high and the lowest
// low of positions 1 to n, earlier positions winning ties.
struct HighLow {
    float high = 0;
    float low = 0;
};
HighLow ExtremesOf(const std::vector<HighLow>& table, int n);

// Stochastics: the three-bar rings of ranges, numerators and %D values.
class StochasticRings {
public:
    // The first values: each ring filled with three copies.
    void Start(float range, float numerator);
    // The next bar: each ring drops its oldest value.
    void Step(float range, float numerator);
    float PercentD() const { return d_; }
    float SlowD() const { return slow_; }

private:
    void Compute();
    float ranges_[3] = {};
    float numerators_[3] = {};
    float ds_[3] = {};
    float d_ = 0;
    float slow_ = 0;
};

// MACD's smoothed average E(P, t) of the closes in `closes`: the plain mean
// of the P closes before t moved 2 / (P + 1) of the way to the close at t.
// Taken afresh from the window, never carried from bar to bar.
float SmoothedAverage(const ValueWindow& closes, int p, int t);

// MACD periods, the short and long ones whole numbers after rounding.
struct MacdPeriods {
    double shortPeriod = 0;
    double longPeriod = 0;
    int signal = 0;
};
// Whether the periods can be drawn: short at least 1 and at most long,
// signal at least 1, all inside the 16-bit range the window length is
// counted in.
bool MacdPeriodsValid(const MacdPeriods& p);

// RCI of positions 1 to n: closes ranked from the highest (rank 1), ties
// sharing the smallest rank of their group; dates ranked from the newest.
// The ranker keeps the positions in the order of their closes from bar to
// bar: when the window moves on by one bar only the new close is out of
// place, so each bar costs n steps rather than a sort.
class RciRanker {
public:
    // The order of a filled window, sorted afresh.
    void Reset(const ValueWindow& closes, int n);
    // The window moved on by one bar: every position one lower, the oldest
    // gone and the new close at position n.
    void Slide(const ValueWindow& closes, int n);
    float Value(const ValueWindow& closes, int n);

private:
    std::vector<std::int32_t> order_;  // positions, highest close first
    std::vector<std::int32_t> ranks_;  // by position
};

// RCI of a window on its own.
float RciOf(const ValueWindow& closes, int n);

// Vector: the slope of the least-squares line through positions 1 to n about
// the centre index m, in thousandths of the mean per bar; 0 for a mean of 0.
int VectorCentre(int n);
float VectorOf(const ValueWindow& closes, int n, float sum);

// The vector's scale S from the view's price range: whole percent of the
// highest price over d (1 monthly, 4 daily, 2 weekly), at least 1.
std::int16_t VectorScale(double viewHigh, double viewLow, bool monthly, bool daily);

// OBV's level labels: unit 1000 above 10,000,000, the label step L and its
// rounding R, and the label at v tenths of the range (empty at 0).
struct ObvScale {
    int unit = 1;
    double step = 0;  // L
    double rounding = 1;  // R
};
ObvScale ObvScaleOf(double largest);
std::string ObvLabel(const ObvScale& s, int v);

// The half height of the printed MACD band.
float MacdClipLevelOf(float priceSpan, bool monthly, bool enlarged);

// The deviation-rate frame's ladder: level lines from `offset` - DS to
// DS - `offset` in steps of `step`, the label offset multiplied by
// `offsetFactor`.
struct DeviationLadder {
    int step = 2;
    int offset = 2;
    double offsetFactor = 1;
};
DeviationLadder DeviationLadderOf(int deviationScale, bool enlarged);

}  // namespace ranvik
