// The overlays' running windows, bands and deviation rates.
#include "chart/drawing/overlay_series.h"

#include <algorithm>
#include <cmath>

namespace ranvik {

void SeriesWindow::Reset(int p) {
    values_.assign(static_cast<std::size_t>(std::max(p, 0)), 0.0f);
    head_ = 0;
}

std::size_t SeriesWindow::Slot(int i) const {
    return (head_ + static_cast<std::size_t>(i - 1)) % values_.size();
}

void SeriesWindow::Slide() {
    if (!values_.empty()) head_ = (head_ + 1) % values_.size();
}

void MovingAverage::Reset(int p) {
    window_.Reset(p);
    sum_ = 0;
}

float MovingAverage::First() {
    sum_ = 0;
    for (int i = 1; i <= Period(); ++i) sum_ += window_.At(i);
    return sum_ / static_cast<float>(Period());
}

void MovingAverage::Slide() {
    sum_ -= window_.At(1);
    window_.Slide();
}

float MovingAverage::Add(float close) {
    const int p = Period();
    window_.At(p) = close;
    sum_ += window_.At(p);
    return sum_ / static_cast<float>(p);
}

float MovingAverage::NewestMean(int n) const {
    if (n <= 0 || n > Period()) return 0;
    float sum = 0;
    for (int i = Period() - n + 1; i <= Period(); ++i) sum += window_.At(i);
    return sum / static_cast<float>(n);
}

void ThreeDayAverage::Reset(int p) {
    for (SeriesWindow& w : windows_) w.Reset(p);
}

void ThreeDayAverage::Store(int i, float open, float close, float high, float low) {
    windows_[0].At(i) = open;
    windows_[1].At(i) = close;
    windows_[2].At(i) = high;
    windows_[3].At(i) = low;
}

AverageCandle ThreeDayAverage::First() const {
    std::array<float, 4> sums{};
    const int p = windows_[0].Size();
    for (std::size_t a = 0; a < 4; ++a) {
        for (int i = 1; i <= p; ++i) sums[a] += windows_[a].At(i);
    }
    const float n = static_cast<float>(p);
    return {sums[0] / n, sums[1] / n, sums[2] / n, sums[3] / n};
}

void ThreeDayAverage::Slide() {
    for (SeriesWindow& w : windows_) w.Slide();
}

AverageCandle ThreeDayAverage::Add(float open, float close, float high, float low) {
    const int p = windows_[0].Size();
    const std::array<float, 4> prices{open, close, high, low};
    std::array<float, 4> sums{};
    for (std::size_t a = 0; a < 4; ++a) {
        for (int i = 1; i < p; ++i) sums[a] += windows_[a].At(i);
        windows_[a].At(p) = prices[a];
        sums[a] += prices[a];
    }
    const float n = static_cast<float>(p);
    return {sums[0] / n, sums[1] / n, sums[2] / n, sums[3] / n};
}

void TradingValueAverage::Reset(int p) {
    values_.Reset(p);
    volumes_.Reset(p);
    sumValue_ = sumVolume_ = 0;
    newest_ = 0;
    newestValue_ = newestVolume_ = 0;
}

void TradingValueAverage::Store(int i, float volume, float close) {
    values_.At(i) = volume * close;
    volumes_.At(i) = volume;
}

float TradingValueAverage::First() {
    sumValue_ = sumVolume_ = 0;
    for (int i = 1; i <= Period(); ++i) {
        sumValue_ += values_.At(i);
        sumVolume_ += volumes_.At(i);
    }
    return sumVolume_ == 0 ? 0 : sumValue_ / sumVolume_;
}

void TradingValueAverage::Slide() {
    if (newest_ > 0) {
        const int leaving = Period() - newest_ + 1;
        newestValue_ -= values_.At(leaving);
        newestVolume_ -= volumes_.At(leaving);
    }
    sumValue_ -= values_.At(1);
    sumVolume_ -= volumes_.At(1);
    values_.Slide();
    volumes_.Slide();
}

float TradingValueAverage::Add(float volume, float close) {
    const int p = Period();
    values_.At(p) = volume * close;
    volumes_.At(p) = volume;
    sumValue_ += values_.At(p);
    sumVolume_ += volumes_.At(p);
    if (newest_ > 0) {
        newestValue_ += values_.At(p);
        newestVolume_ += volumes_.At(p);
    }
    return sumVolume_ == 0 ? 0 : sumValue_ / sumVolume_;
}

void TradingValueAverage::TrackNewest(int n) {
    newest_ = n >= 1 && n <= Period() ? n : 0;
    newestValue_ = newestVolume_ = 0;
    for (int i = Period() - newest_ + 1; newest_ > 0 && i <= Period(); ++i) {
        newestValue_ += values_.At(i);
        newestVolume_ += volumes_.At(i);
    }
}

float TradingValueAverage::NewestAverage() const {
    if (newest_ == 0 || newestVolume_ == 0) return 0;
    return newestValue_ / newestVolume_;
}

float SampleDeviation(const SeriesWindow& closes, float m) {
    const int p = closes.Size();
    // Period 1 would divide by p - 1 = 0; one bar has no spread, so the
    // seven lines meet as for a flat series.
    if (p <= 1) return 0;
    float squares = 0;
    closes.ForEachOldestFirst([&](float close) {
        const float d = close - m;
        squares += d * d;
    });
    return static_cast<float>(std::sqrt(static_cast<double>(squares) / (p - 1)));
}

BandValues BollingerLines(float m, float s) {
    return {m + 3 * s, m + 2 * s, m + s, m, m - s, m - 2 * s, m - 3 * s};
}

BandValues EnvelopeLines(float m, const std::array<float, 3>& percents) {
    BandValues v{};
    v[0] = m;
    for (std::size_t j = 0; j < 3; ++j) {
        const float offset = percents[j] / 100 * m;
        v[1 + 2 * j] = m - offset;
        v[2 + 2 * j] = m + offset;
    }
    return v;
}

BandValues HighLowLines(const SeriesWindow& highs, const SeriesWindow& lows) {
    float h = highs.At(1);
    float l = lows.At(1);
    for (int i = 2; i <= highs.Size(); ++i) {
        h = std::max(h, highs.At(i));
        l = std::min(l, lows.At(i));
    }
    return {h, l, (h + l) / 2, 0, 0, 0, 0};
}

float DeviationRate(float close, float average) {
    return average == 0 ? 0 : (close / average - 1) * 100;
}

float TwoLineRate(float shortAverage, float longAverage) {
    return longAverage == 0 ? 0 : (shortAverage / longAverage - 1) * 100;
}

std::int16_t ChooseDeviationScale(double viewLow, double viewHigh, bool enlargedPane) {
    std::int16_t scale = 30;
    // Every shown price 0 leaves no range to measure: the widest scale.
    if (viewHigh > 0) {
        const double r = viewLow / viewHigh;
        if (r > 0.95) {
            scale = 3;
        } else if (r > 0.9) {
            scale = 5;
        } else if (r > 0.85) {
            scale = 7;
        } else if (r > 0.8) {
            scale = 12;
        } else if (r > 0.5) {
            scale = 18;
        }
    }
    return enlargedPane ? static_cast<std::int16_t>(scale * 2) : scale;
}

float PrintedDeviation(float rate, double clipLevelH, double clipLevelL, bool enlargedPane) {
    float v = rate;
    if (clipLevelH - clipLevelL < 50) v = v * 2;
    v = enlargedPane ? v * 2 : v * 4;
    return std::clamp(v, -100.0f, 100.0f);
}

float CloseMarkRadius(double scaleWidth, bool monthly) {
    float r = static_cast<float>(903 / scaleWidth);
    if (r > 2) {
        r = 0.5f;
    } else if (r > 1) {
        r = 0.7f;
    }
    return monthly ? r * 2 : r;
}

}  // namespace ranvik
