#include "platform/runtime/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace ranvik {

namespace {

struct PatternShape {
    int requiredIntegerDigits = 0;  // "0" places before the point
    bool groupThousands = false;
    bool hasPoint = false;
    int requiredDecimals = 0;       // places up to the last "0" after the point
    int maxDecimals = 0;            // all digit places after the point
};

PatternShape ReadPattern(std::string_view pattern) {
    PatternShape shape;
    bool afterPoint = false;
    int decimalPlace = 0;
    for (char c : pattern) {
        if (c == '.') {
            afterPoint = true;
            shape.hasPoint = true;
        } else if (c == ',' && !afterPoint) {
            shape.groupThousands = true;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                ++decimalPlace;
                shape.maxDecimals = decimalPlace;
                if (c == '0') shape.requiredDecimals = decimalPlace;
            } else if (c == '0') {
                ++shape.requiredIntegerDigits;
            }
        }
    }
    return shape;
}

// |value| rounded half away from zero to `decimals` places, as decimal digit
// text split at the point.  The value is first taken to 15 significant
// digits, so 1.005 counts as the 1.005 the user sees.
void RoundedDigits(double value, int decimals, std::string& integerPart, std::string& fraction) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    // buf: d.dddddddddddddde[+-]xx
    std::string mantissa;
    for (const char* p = buf; *p != 'e'; ++p)
        if (*p != '.') mantissa += *p;
    const int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    // Digits with the point after position `pointAt` of `digits`.
    std::string digits = mantissa;
    int pointAt = exponent + 1;
    if (pointAt <= 0) {
        digits = std::string(static_cast<std::size_t>(-pointAt + 1), '0') + digits;
        pointAt = 1;
    }
    const int keep = pointAt + decimals;
    if (static_cast<int>(digits.size()) < keep) digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
    const bool roundUp = static_cast<int>(digits.size()) > keep && digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++digits[static_cast<std::size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++pointAt;
        }
    }
    integerPart = digits.substr(0, static_cast<std::size_t>(pointAt));
    fraction = digits.substr(static_cast<std::size_t>(pointAt));
    const std::size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? std::string() : integerPart.substr(firstNonZero);
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value)) value = 0;
    const PatternShape shape = ReadPattern(pattern);
    std::string integerPart;
    std::string fraction;
    RoundedDigits(value, shape.maxDecimals, integerPart, fraction);

    while (static_cast<int>(fraction.size()) > shape.requiredDecimals && fraction.back() == '0') fraction.pop_back();
    if (static_cast<int>(integerPart.size()) < shape.requiredIntegerDigits)
        integerPart.insert(0, static_cast<std::size_t>(shape.requiredIntegerDigits) - integerPart.size(), '0');
    if (shape.groupThousands) {
        std::string grouped;
        for (std::size_t i = 0; i < integerPart.size(); ++i) {
            if (i > 0 && (integerPart.size() - i) % 3 == 0) grouped += ',';
            grouped += integerPart[i];
        }
        integerPart = std::move(grouped);
    }
    const bool isZero = integerPart.find_first_not_of("0,") == std::string::npos &&
                        fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !isZero) ? "-" : "";
    out += integerPart;
    if (shape.hasPoint) {
        out += '.';
        out += fraction;
    }
    return out;
}

}  // namespace ranvik
