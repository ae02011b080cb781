#include "maintenance/correction_points.h"

#include <cmath>

namespace ranvik {

std::optional<std::string> JumpMultiplier(double prev, double cur) {
    if (!(prev > 0) || !(cur > 0)) return std::nullopt;
    const double ratio = prev / cur;
    // Rounded half away from zero, as the number formats round.
    const auto whole = [](double value) { return std::floor(value + 0.5); };
    std::string text;
    if (prev >= cur || whole(ratio * 10) >= 10) {
        const double n = whole(ratio);
        if (n >= 100) return std::nullopt;
        text = std::to_string(static_cast<int>(n));
    } else {
        const int tenths = static_cast<int>(whole(ratio * 10));
        if (tenths == 0) return std::nullopt;
        text = "0." + std::to_string(tenths);
    }
    return text;
}

}  // namespace ranvik
