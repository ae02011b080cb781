#pragma once
// The chart of the surface benchmarks: 4,681 generated daily bars (a random
// walk that always gives the same chart; longer walks begin with the same
// bars) drawn with candles, volume boxes, four moving averages and a
// caption, as the candle drawers draw them.
#include <algorithm>
#include <map>
#include <vector>

#include "platform/surface/surface.h"

namespace ranvik::bench {

constexpr int kBars = 4681;

struct Bar {
    float open, high, low, close, volume;
};

// A random walk that always gives the same chart.
inline std::vector<Bar> MakeBars(int count = kBars) {
    std::vector<Bar> bars;
    unsigned state = 12345;
    auto next = [&] {
        state = state * 1103515245u + 12345u;
        return ((state >> 16) & 0x7fff) / 32767.0;
    };
    double price = 1500;
    for (int i = 0; i < count; ++i) {
        const double open = price;
        const double close = std::max(100.0, open * (1 + (next() - 0.495) * 0.05));
        const double high = std::max(open, close) * (1 + next() * 0.02);
        const double low = std::min(open, close) * (1 - next() * 0.02);
        bars.push_back({float(open), float(high), float(low), float(close), float(100000 + next() * 900000)});
        price = close;
    }
    return bars;
}

inline const std::vector<Bar>& Bars(int count = kBars) {
    static std::map<int, std::vector<Bar>> walks;
    auto found = walks.find(count);
    if (found == walks.end()) found = walks.emplace(count, MakeBars(count)).first;
    return found->second;
}

inline void DrawChart(Surface& s, int count = kBars) {
    const auto& bars = Bars(count);
    const int n = static_cast<int>(bars.size());
    float top = 0, bottom = 1e30f, maxVolume = 0;
    for (const Bar& b : bars) {
        top = std::max(top, b.high);
        bottom = std::min(bottom, b.low);
        maxVolume = std::max(maxVolume, b.volume);
    }
    const double width = 7.0 * n;
    const double volumeHeight = (top - bottom) / 6;
    s.Cls();
    s.Scale(0, top, width, bottom - volumeHeight);
    s.SetDrawStyle(DrawStyle::Dot);
    for (int k = 1; k < 10; ++k) {
        const double y = bottom + (top - bottom) * k / 10;
        s.Line(0, y, width, y, RGB(150, 150, 150));
    }
    s.SetDrawStyle(DrawStyle::Solid);
    double x = 0;
    for (const Bar& b : bars) {
        s.Scale(0, 7 * maxVolume, width, 0);
        s.Line(x + 1, 0, x + 5, b.volume, RGB(100, 220, 100), LineKind::FilledBox);
        s.Scale(0, top, width, bottom - volumeHeight);
        const Color c = RGB(0, 120, 200);
        s.Line(x + 3, b.high, x + 3, b.low, c);
        if (b.open < b.close) {
            s.Line(x, b.open, x + 6, b.close, QBColor(15), LineKind::FilledBox);
            s.Line(x, b.open, x + 6, b.close, c, LineKind::Box);
        } else {
            s.Line(x, b.open, x + 6, b.close, c, LineKind::FilledBox);
        }
        x += 7;
    }
    const int periods[] = {5, 25, 75, 200};
    const Color colours[] = {QBColor(12), QBColor(2), QBColor(13), QBColor(9)};
    for (int m = 0; m < 4; ++m) {
        double sum = 0;
        for (int i = 0; i < n; ++i) {
            sum += bars[i].close;
            if (i >= periods[m]) sum -= bars[i - periods[m]].close;
            if (i + 1 < periods[m]) continue;
            const double avg = sum / periods[m];
            const double px = 7.0 * i + 3;
            if (i + 1 == periods[m]) {
                s.SetCurrentX(px);
                s.SetCurrentY(avg);
            } else {
                s.LineTo(px, avg, colours[m]);
            }
        }
    }
    s.SetCurrentX(0);
    s.SetCurrentY(top);
    s.Print("日足 + 移動平均");
}

}  // namespace ranvik::bench
