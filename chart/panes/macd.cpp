// MACD: the difference of a short and a long smoothed average, its signal
// (the plain mean of the last MACD values) and their histogram, on the pane
// in price units or in the printed band cut at its half height.
#include <vector>

#include "chart/drawing/segment_clipping.h"
#include "chart/panes/indicator_internal.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

class MacdLine : public OscillatorLine {
public:
    bool Start(IndicatorDraw& d, double x0) override {
        short_ = static_cast<int>(d.macd.shortPeriod);
        long_ = static_cast<int>(d.macd.longPeriod);
        signal_ = d.macd.signal;
        ring_.assign(static_cast<std::size_t>(signal_) + 1, 0);
        for (int j = 1; j <= signal_; ++j) {
            const int t = j + long_;
            macd_ = SmoothedAverage(d.window, short_, t) - SmoothedAverage(d.window, long_, t);
            ring_[static_cast<std::size_t>(j)] = macd_;
            sum_ += macd_;
        }
        signalValue_ = sum_ / static_cast<float>(signal_);
        startHistogram_ = macd_ - signalValue_;
        if (!d.printing) d.target->Line(x0, startHistogram_, x0, 0, QBColor(13));
        previousMacd_ = originalMacd_ = macd_;
        previousSignal_ = originalSignal_ = signalValue_;
        return true;
    }
    void Step(IndicatorDraw& d, const BarValues&) override {
        const int n = d.n;
        macd_ = SmoothedAverage(d.window, short_, n) - SmoothedAverage(d.window, long_, n);
        sum_ -= ring_[1];
        std::copy(ring_.begin() + 2, ring_.end(), ring_.begin() + 1);
        ring_[static_cast<std::size_t>(signal_)] = macd_;
        sum_ += macd_;
        signalValue_ = sum_ / static_cast<float>(signal_);
    }
    void Draw(IndicatorDraw& d, double x0, double x1) override {
        if (d.printing) {
            DrawOnPaper(d, x0, x1);
        } else {
            DrawOnScreen(d, x0, x1);
        }
    }

private:
    // Histogram lines every 4 units across a month, between the previous
    // and the new values.
    template <class Put>
    void Interpolated(double x0, double x1, float fromMacd, float fromSignal, Put put) const {
        const double dx = x1 - x0;
        for (int k = 1; x0 + 4.0 * k <= x1; ++k) {
            const double x = x0 + 4.0 * k;
            const double m = fromMacd + (macd_ - fromMacd) * (x - x0) / dx;
            const double g = fromSignal + (signalValue_ - fromSignal) * (x - x0) / dx;
            put(x, m - g);
        }
    }

    void DrawOnScreen(IndicatorDraw& d, double x0, double x1) {
        Surface& s = *d.target;
        if (d.monthly) {
            Interpolated(x0, x1, previousMacd_, previousSignal_,
                         [&](double x, double h) { s.Line(x, h, x, 0, QBColor(13)); });
        } else {
            s.Line(x1, macd_ - signalValue_, x1, 0, QBColor(13));
        }
        s.Line(x0, previousSignal_, x1, signalValue_, RGB(0, 100, 255));
        s.Line(x0, previousMacd_, x1, macd_, d.text);
        previousMacd_ = macd_;
        previousSignal_ = signalValue_;
    }

    void DrawOnPaper(IndicatorDraw& d, double x0, double x1) {
        Surface& s = *d.target;
        const float level = d.f.MacdClipLevel;
        // Without a band height there is nothing to scale the values to.
        if (level > 0) {
            const double f = 102 / level;
            const double sigma = d.inverted ? 1 : -1;
            if (d.firstBar) s.Line(x0, sigma * f * startHistogram_, x0, 0, QBColor(12));
            if (d.monthly) {
                Interpolated(x0, x1, originalMacd_, originalSignal_,
                             [&](double x, double h) { s.Line(x, sigma * f * h, x, 0, QBColor(13)); });
            } else {
                s.Line(x1, sigma * f * (macd_ - signalValue_), x1, 0, QBColor(12));
            }
            const ClipLevels levels{0, 0, level};
            auto cut = [&](float& previous, float original, float value, Color color) {
                std::int16_t rX1 = 0;
                std::int16_t rX2 = 0;
                float p = previous;
                float v = value;
                SuppressHLMACD(levels, rX1, rX2, static_cast<float>(x0), static_cast<float>(x1), p, v, original);
                // A segment from beyond one level past the other is cut at
                // one end only: a rise at its end, a fall at its start.  The
                // other end is cut where the true line crosses into the band,
                // so that the segment is drawn inside it.
                const double dx = x1 - x0;
                if ((p > level || p < -level) && (v == level || v == -level) && original != value) {
                    const float edge = p > 0 ? level : -level;
                    rX1 = Distance((original - edge) * dx / (original - value));
                    p = edge;
                } else if ((v > level || v < -level) && (p == level || p == -level) && (p > 0) != (v > 0) &&
                           original != value) {
                    const float edge = v > 0 ? level : -level;
                    rX2 = Distance(dx - (original - edge) * dx / (original - value));
                    v = edge;
                }
                if (v <= level && v >= -level && v != p) {
                    s.Line(x0 + rX1, sigma * f * p, x1 - rX2, sigma * f * v, color);
                }
                previous = v;
            };
            cut(previousSignal_, originalSignal_, signalValue_, QBColor(9));
            cut(previousMacd_, originalMacd_, macd_, QBColor(13));
        }
        originalMacd_ = macd_;
        originalSignal_ = signalValue_;
    }

    int short_ = 0;
    int long_ = 0;
    int signal_ = 0;
    std::vector<float> ring_;
    float sum_ = 0;
    float macd_ = 0;
    float signalValue_ = 0;
    float startHistogram_ = 0;
    float previousMacd_ = 0;
    float previousSignal_ = 0;
    // On paper: the previous values before they were cut.
    float originalMacd_ = 0;
    float originalSignal_ = 0;
};

}  // namespace

std::unique_ptr<OscillatorLine> MakeMacdLine() { return std::make_unique<MacdLine>(); }

}  // namespace ranvik
