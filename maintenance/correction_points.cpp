#include "maintenance/correction_points.h"

#include <cmath>
#include <cstdio>

#include "maintenance/record_entries.h"

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
        text = std::string("0.").append(std::to_string(tenths));
    }
    return text;
}

std::optional<std::string> StoredMultiplier(const std::string& shown) {
    const std::optional<float> number = EntryNumber(shown);
    if (!number) return std::nullopt;
    const double v = *number;
    if (v == 1) return std::string();
    if (v >= 0.1 && v < 1) {
        const int tenths = static_cast<int>(std::floor(v * 10 + 1e-6));
        if (tenths >= 1 && tenths <= 9) return std::string("0").append(std::to_string(tenths));
        return std::nullopt;
    }
    if (v >= 2 && v <= 99 && v == std::floor(v)) return std::to_string(static_cast<int>(v));
    return std::nullopt;
}

std::optional<std::string> TypedMultiplier(const std::string& entry) {
    const std::optional<float> number = EntryNumber(entry);
    if (!number) return std::nullopt;
    const float v = *number;
    if (v < 0.1f || v > 99.0f) return std::nullopt;
    if (v > 1) return std::to_string(static_cast<int>(std::floor(static_cast<double>(v) + 0.5)));
    if (v == 1) return entry;
    // Ten times the value as a single-precision number prints, so that 0.7
    // gives 7 and not the 6 of its binary fraction.
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.7g", static_cast<double>(10.0f * v));
    return std::string("0.") + digits[0];
}

}  // namespace ranvik
