#pragma once
// The numbers of the volume area, apart from any surface: the volume unit,
// the trading unit read from the stock's unit text, the step of the volume
// scale, and the four ratio indicators over a window of bars.
#include <cstdint>
#include <string>
#include <vector>

namespace ranvik {

// Volumes are drawn in thousands once the largest one exceeds 100,000,000,
// so that the scale's numbers stay within a Single's exact range.
int VolumeUnitOf(double maxVolume);

// Shares per trading unit from "(" & unit & "株)".  A text without "株", or
// whose unit is not a positive whole number (0, blank, "(0株)"), reads as
// 1000: a unit of 0 would divide the scale by nothing.
int TradingUnitOf(const std::string& stockUnitText);

// The grid step of the volume scale of maximum m: a whole number of U², or
// of U when that would be 0, or U itself, and at most about m / 6.
double VolumeScaleStep(double m, int tradingUnit);

enum class VolumeRatioKind { Ratio1, Ratio2, Wako, Psychological };

// One bar of a ratio window, as corrected.
struct RatioBar {
    float open = 0;
    float close = 0;
    float volume = 0;
};

// The volumes of the rising, falling and even bars of a window (each bar by
// its own open and close), and how many bars rose.
struct RatioSums {
    double up = 0;
    double down = 0;
    double even = 0;
    int rising = 0;
    double Total() const { return up + down + even; }
};
RatioSums SumsOf(const std::vector<RatioBar>& window);

// The indicator's value in percent over a window of n bars.
double RatioValue(VolumeRatioKind kind, const RatioSums& sums, int n);

}  // namespace ranvik
