// RSI, stochastics, %R and momentum: their warm-up, first value, next value
// and segments, on the pane or the printed band.
#include <algorithm>

#include "chart/panes/indicator_internal.h"

namespace ranvik {

namespace {

// On paper the 0 to 100 oscillators run downward unless the chart is
// inverted.
float Shown(const IndicatorDraw& d, float v) { return d.printing && !d.inverted ? 100 - v : v; }

class RsiLine : public OscillatorLine {
public:
    void WarmUp(IndicatorDraw& d, int i, const BarValues&) override {
        // Position i - 1 becomes the change into bar i.
        if (i >= 2) d.window[static_cast<std::size_t>(i) - 1] = d.window[static_cast<std::size_t>(i)] - d.window[static_cast<std::size_t>(i) - 1];
    }
    bool Start(IndicatorDraw& d, double) override {
        for (int i = 1; i < d.n; ++i) Add(d.window[static_cast<std::size_t>(i)]);
        previous_ = Shown(d, RsiOf(up_, down_));
        return true;
    }
    void Step(IndicatorDraw& d, const BarValues&) override {
        const int n = d.n;
        // A window of one bar holds no change.
        if (n < 2) return;
        ValueWindow& v = d.window;
        const float left = d.leaving;
        if (left > 0) {
            up_ -= left;
        } else {
            down_ += left;
        }
        v[static_cast<std::size_t>(n) - 1] = v[static_cast<std::size_t>(n)] - v[static_cast<std::size_t>(n) - 1];
        Add(v[static_cast<std::size_t>(n) - 1]);
    }
    void Draw(IndicatorDraw& d, double x0, double x1) override {
        const float value = Shown(d, d.n < 2 ? 0 : RsiOf(up_, down_));
        d.target->Line(x0, previous_, x1, value, d.text);
        previous_ = value;
    }

private:
    void Add(float change) {
        if (change > 0) {
            up_ += change;
        } else {
            down_ -= change;
        }
    }
    float up_ = 0;
    float down_ = 0;
    float previous_ = 0;
};

// The high-low table of stochastics and %R, moved on with the window.
class HighLowTable {
public:
    void Put(int i, const BarValues& bar) {
        if (table_.size() <= static_cast<std::size_t>(i)) table_.resize(static_cast<std::size_t>(i) + 1);
        table_[static_cast<std::size_t>(i)] = {bar.High, bar.Low};
    }
    void Move(int n, const BarValues& bar) {
        std::copy(table_.begin() + 2, table_.begin() + n + 1, table_.begin() + 1);
        table_[static_cast<std::size_t>(n)] = {bar.High, bar.Low};
    }
    HighLow Extremes(int n) const { return ExtremesOf(table_, n); }

private:
    std::vector<HighLow> table_;
};

class StochasticsLine : public OscillatorLine {
public:
    void WarmUp(IndicatorDraw&, int i, const BarValues& bar) override { table_.Put(i, bar); }
    bool Start(IndicatorDraw& d, double) override {
        const HighLow e = table_.Extremes(d.n);
        const float c = d.window[static_cast<std::size_t>(d.n)];
        rings_.Start(e.high - e.low, c - e.low);
        k_ = RangePercent(c - e.low, e.high - e.low);
        Keep(d);
        return true;
    }
    void Step(IndicatorDraw& d, const BarValues& bar) override {
        table_.Move(d.n, bar);
        const HighLow e = table_.Extremes(d.n);
        rings_.Step(e.high - e.low, bar.Close - e.low);
        k_ = RangePercent(bar.Close - e.low, e.high - e.low);
    }
    void Draw(IndicatorDraw& d, double x0, double x1) override {
        Surface& s = *d.target;
        s.Line(x0, pd_, x1, Shown(d, rings_.PercentD()), d.printing ? QBColor(1) : d.text);
        s.Line(x0, pslow_, x1, Shown(d, rings_.SlowD()), QBColor(13));
        s.Line(x0, pk_, x1, Shown(d, k_), d.printing ? QBColor(8) : QBColor(3));
        Keep(d);
    }

private:
    void Keep(const IndicatorDraw& d) {
        pd_ = Shown(d, rings_.PercentD());
        pslow_ = Shown(d, rings_.SlowD());
        pk_ = Shown(d, k_);
    }
    HighLowTable table_;
    StochasticRings rings_;
    float k_ = 0;
    float pd_ = 0;
    float pslow_ = 0;
    float pk_ = 0;
};

class PercentRLine : public OscillatorLine {
public:
    void WarmUp(IndicatorDraw&, int i, const BarValues& bar) override { table_.Put(i, bar); }
    bool Start(IndicatorDraw& d, double) override {
        previous_ = Shown(d, ValueOf(d, d.window[static_cast<std::size_t>(d.n)]));
        return true;
    }
    void Step(IndicatorDraw& d, const BarValues& bar) override {
        table_.Move(d.n, bar);
        value_ = Shown(d, ValueOf(d, bar.Close));
    }
    void Draw(IndicatorDraw& d, double x0, double x1) override {
        d.target->Line(x0, previous_, x1, value_, d.text);
        previous_ = value_;
    }

private:
    float ValueOf(const IndicatorDraw& d, float close) const {
        const HighLow e = table_.Extremes(d.n);
        return RangePercent(e.high - close, e.high - e.low);
    }
    HighLowTable table_;
    float previous_ = 0;
    float value_ = 0;
};

// Momentum: the change over the window in fifths of five price grid steps,
// and in percent of the oldest close, as plotted (a rise drawn upward).
class MomentumLine : public OscillatorLine {
public:
    bool Start(IndicatorDraw& d, double) override {
        Compute(d);
        previousPrice_ = price_;
        previousPercent_ = percentValid_ ? percent_ : 0;
        return true;
    }
    void Step(IndicatorDraw& d, const BarValues&) override { Compute(d); }
    void Draw(IndicatorDraw& d, double x0, double x1) override {
        Surface& s = *d.target;
        if (!d.printing) {
            s.Line(x0, previousPrice_, x1, price_, d.text);
            if (percentValid_) s.Line(x0, previousPercent_, x1, percent_, RGB(50, 150, 255));
        } else {
            const float sign = d.inverted ? -1.0f : 1.0f;
            if (price_ != previousPrice_) s.Line(x0, sign * previousPrice_, x1, sign * price_, QBColor(13));
            if (percentValid_ && percent_ != previousPercent_) {
                s.Line(x0, sign * previousPercent_, x1, sign * percent_, QBColor(9));
            }
        }
        previousPrice_ = price_;
        // Without a percent value the line goes on from the last one drawn.
        if (percentValid_) previousPercent_ = percent_;
    }

private:
    void Compute(const IndicatorDraw& d) {
        const float oldest = d.window[1];
        const float m = d.window[static_cast<std::size_t>(d.n)] - oldest;
        const float unit = d.f.PriceGridStep * 5;
        float y = unit != 0 ? m * 100 / unit : 0;
        percentValid_ = oldest != 0;
        float q = percentValid_ ? -100 * m / oldest : 0;
        if (d.printing) {
            if (!d.enlarged) y = std::clamp(y, -100.0f, 100.0f);
            q = std::clamp(q, -100.0f, 100.0f);
            if (!d.enlarged) q = std::clamp(q, -50.0f, 50.0f);
        }
        price_ = -y;
        if (d.enlarged) price_ = price_ / 2;
        percent_ = d.enlarged ? q : q * 2;
    }
    float price_ = 0;
    float percent_ = 0;
    bool percentValid_ = true;
    float previousPrice_ = 0;
    float previousPercent_ = 0;
};

}  // namespace

std::unique_ptr<OscillatorLine> MakeRsiLine() { return std::make_unique<RsiLine>(); }
std::unique_ptr<OscillatorLine> MakeStochasticsLine() { return std::make_unique<StochasticsLine>(); }
std::unique_ptr<OscillatorLine> MakePercentRLine() { return std::make_unique<PercentRLine>(); }
std::unique_ptr<OscillatorLine> MakeMomentumLine() { return std::make_unique<MomentumLine>(); }

}  // namespace ranvik
