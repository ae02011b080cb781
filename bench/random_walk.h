#pragma once
// A daily file of `bars` weekdays from 2007/01/04: a random walk from 1,500
// with volumes and margin balances, the same bars on every run.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tests/chart/drawing/data_file_builder.h"

namespace ranvik::bench {

inline test::DataFileBuilder RandomWalk(int bars) {
    test::DataFileBuilder file(bars, test::Spacing::Weekdays, {2007, 1, 4});
    std::uint32_t seed = 12;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / 16777216.0;
    };
    double price = 1500;
    for (int r = 2; r <= bars + 1; ++r) {
        QuoteRecord& bar = file[r];
        const double close = std::max(50.0, price * (1 + (next() - 0.5) * 0.05));
        bar.Open = static_cast<float>(std::round(price));
        bar.Close = static_cast<float>(std::round(close));
        bar.High = static_cast<float>(std::round(std::max(price, close) * (1 + next() * 0.015)));
        bar.Low = static_cast<float>(std::round(std::min(price, close) * (1 - next() * 0.015)));
        bar.Volume = static_cast<float>(std::round(100 + next() * 4900) * 1000);
        bar.BuyBalance = static_cast<float>(std::round(200 + next() * 700) * 1000);
        bar.SellBalance = static_cast<float>(std::round(50 + next() * 350) * 1000);
        price = close;
    }
    return file.Seal();
}

}  // namespace ranvik::bench
