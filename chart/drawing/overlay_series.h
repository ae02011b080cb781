#pragma once
// The running windows of the price-pane overlays and the numbers worked out
// from them: the moving average of closes, the three-day average candle,
// the trading-value average, the three bands and the deviation rates.  Plain
// arithmetic, apart from any pane, in Singles as the chart keeps its prices.
//
// A window holds the last p bars, element 1 the oldest and element p the
// newest.  Each overlay has the same steps: Store fills element i during the
// warm-up, First gives the value once the window is full, Slide drops the
// oldest bar before the next record is read and Add puts that record in as
// the newest and gives the new value.
#include <array>
#include <cstdint>
#include <vector>

namespace ranvik {

// The last p values as a ring: sliding moves no element, and At(i) names
// the i-th oldest, 1 to p.
class SeriesWindow {
public:
    void Reset(int p);
    int Size() const { return static_cast<int>(values_.size()); }
    float& At(int i) { return values_[Slot(i)]; }
    float At(int i) const { return values_[Slot(i)]; }
    // Drops element 1; element p is then free for the newest value.
    void Slide();
    // f(value) for elements 1 to p in order, the ring walked in its two
    // runs: a sum over the window taken at every bar finds each element
    // without a division.
    template <class F>
    void ForEachOldestFirst(F f) const {
        const std::size_t n = values_.size();
        for (std::size_t s = head_; s < n; ++s) f(values_[s]);
        for (std::size_t s = 0; s < head_; ++s) f(values_[s]);
    }

private:
    std::size_t Slot(int i) const;
    std::vector<float> values_;
    std::size_t head_ = 0;
};

// Simple moving average of closes, with the running sum of its window.  The
// first sum is taken in the window's order and later ones run on, so a value
// may differ from a fresh sum in the last bits of a Single.
class MovingAverage {
public:
    void Reset(int p);
    int Period() const { return window_.Size(); }
    void Store(int i, float close) { window_.At(i) = close; }
    float First();
    void Slide();
    float Add(float close);
    const SeriesWindow& Closes() const { return window_; }
    // The mean of the newest n closes, summed afresh oldest first; 0 for an
    // n of 0 or less.  n must not exceed the period.
    float NewestMean(int n) const;

private:
    SeriesWindow window_;
    float sum_ = 0;
};

// The average candle of the last p bars: the means of their opens, closes,
// highs and lows.  Each new bar's sums are formed afresh from the bars that
// stay, the new one added last.
struct AverageCandle {
    float O = 0;
    float C = 0;
    float H = 0;
    float L = 0;
};

class ThreeDayAverage {
public:
    void Reset(int p);
    void Store(int i, float open, float close, float high, float low);
    AverageCandle First() const;
    void Slide();
    AverageCandle Add(float open, float close, float high, float low);

private:
    std::array<SeriesWindow, 4> windows_;  // opens, closes, highs, lows
};

// Volume-weighted average price of the last p bars, Σ volume × close over
// Σ volume, 0 when the volumes add up to 0.  Besides the whole window it can
// keep the same sums over its newest n bars, which the two-line deviation
// rate compares the average with.
class TradingValueAverage {
public:
    void Reset(int p);
    int Period() const { return values_.Size(); }
    void Store(int i, float volume, float close);
    float First();
    void Slide();
    float Add(float volume, float close);
    // After First: also keeps the sums over the newest n bars (n from 1 to
    // the period; any other n keeps none and the short average is 0).
    void TrackNewest(int n);
    float NewestAverage() const;

private:
    SeriesWindow values_;   // volume × close
    SeriesWindow volumes_;
    float sumValue_ = 0;
    float sumVolume_ = 0;
    int newest_ = 0;
    float newestValue_ = 0;
    float newestVolume_ = 0;
};

// The bands of one bar.  Bollinger: m + 3s, m + 2s, m + s, m, m - s, m - 2s,
// m - 3s.  Envelope: the centre m, then per percentage its lower and upper
// line (m - offset, m + offset).  HL band: the upper, the lower and the
// middle line.
enum class BandKind { Bollinger, Envelope, HighLow };
using BandValues = std::array<float, 7>;

// The sample standard deviation of the window about m (divided by p - 1),
// taken afresh over the whole window.  A window of one bar has no spread: 0.
float SampleDeviation(const SeriesWindow& closes, float m);
BandValues BollingerLines(float m, float s);
BandValues EnvelopeLines(float m, const std::array<float, 3>& percents);
// Largest high, smallest low and their middle over the two windows.
BandValues HighLowLines(const SeriesWindow& highs, const SeriesWindow& lows);

// Deviation rates in percent: the close against its average, and the short
// average against a longer one; 0 where the average compared with is 0.
float DeviationRate(float close, float average);
float TwoLineRate(float shortAverage, float longAverage);
// Half the height of the indicator pane's scale in percent for the view's
// price range: the narrower the range the finer the scale; doubled for the
// enlarged indicator pane.  A view with no positive high takes the widest.
std::int16_t ChooseDeviationScale(double viewLow, double viewHigh, bool enlargedPane);
// A rate as the printed indicator band shows it: amplified for a narrow
// printed price band and by the band's own height, then held within ±100.
float PrintedDeviation(float rate, double clipLevelH, double clipLevelL, bool enlargedPane);

// Radius of the three-day close marks in x units: 903 / the pane's scale
// width, but 0.5 for a scale width below 451.5 and 0.7 up to 903; twice as
// large with monthly candles.
float CloseMarkRadius(double scaleWidth, bool monthly);

}  // namespace ranvik
