// The volume area's numbers: units, scale step, ratio indicators.
#include "chart/panes/volume_figures.h"

#include <cmath>

#include "platform/runtime/values.h"

namespace ranvik {

int VolumeUnitOf(double maxVolume) { return maxVolume > 100000000 ? 1000 : 1; }

int TradingUnitOf(const std::string& text) {
    constexpr int kMissing = 1000;
    const std::size_t p = text.find("株");
    if (p == std::string::npos || p < 1) return kMissing;
    const double u = RoundHalfEven(Val(std::string_view(text).substr(1, p - 1)));
    // A unit beyond any real stock's would only overflow U².
    if (!(u >= 1) || u > 1000000) return kMissing;
    return static_cast<int>(u);
}

double VolumeScaleStep(double m, int u) {
    const double u2 = static_cast<double>(u) * u;
    const double sixth = RoundHalfEven(m / 6);
    double step = u2 * std::trunc(sixth / u2);
    if (step == 0) step = u * std::trunc(sixth / u);
    if (step == 0) step = u;
    return step;
}

RatioSums SumsOf(const std::vector<RatioBar>& window) {
    RatioSums s;
    for (const RatioBar& b : window) {
        if (b.close > b.open) {
            s.up += b.volume;
            ++s.rising;
        } else if (b.open > b.close) {
            s.down += b.volume;
        } else {
            s.even += b.volume;
        }
    }
    return s;
}

double RatioValue(VolumeRatioKind kind, const RatioSums& s, int n) {
    const double total = s.Total();
    switch (kind) {
        case VolumeRatioKind::Ratio1:
            if (total == 0) return 0;
            if (s.down + s.even == 0) return 600;
            return (s.up + s.even / 2) / (s.down + s.even / 2) * 100;
        case VolumeRatioKind::Ratio2:
            return total == 0 ? 0 : (s.up + s.even / 2) / total * 100;
        case VolumeRatioKind::Wako:
            return total == 0 ? 0 : (s.up - s.down - s.even) / total * 100;
        case VolumeRatioKind::Psychological:
            return n <= 0 ? 0 : static_cast<double>(s.rising) / n * 100;
    }
    return 0;
}

}  // namespace ranvik
