#include "platform/runtime/values.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/runtime/ansi_text.h"

namespace ranvik {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Writes with `digits` significant digits in the %G form, then drops the
// exponent's extra zero that C writes and VB does not ("1E+015" never
// happens with glibc; "1E+15" is kept).
std::string GeneralForm(double value, int digits) {
    if (value == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, value);
    return buf;
}

std::string DropLeadingZero(std::string s) {
    if (s.rfind("0.", 0) == 0) s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
    return s;
}

std::string WithSignPlace(const std::string& s) {
    if (!s.empty() && s[0] == '-') return s;
    std::string out(1, ' ');
    out.append(s);
    return out;
}

}  // namespace

double Val(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (!IsBlank(c)) compact += c;
    std::size_t i = 0;
    std::string number;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) number += compact[i++];
    bool anyDigit = false;
    while (i < compact.size() && IsDigit(compact[i])) {
        number += compact[i++];
        anyDigit = true;
    }
    if (i < compact.size() && compact[i] == '.') {
        number += compact[i++];
        while (i < compact.size() && IsDigit(compact[i])) {
            number += compact[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0;
    if (i < compact.size() && (compact[i] == 'E' || compact[i] == 'e' || compact[i] == 'D' || compact[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "E";
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) exponent += compact[j++];
        bool expDigit = false;
        while (j < compact.size() && IsDigit(compact[j])) {
            exponent += compact[j++];
            expDigit = true;
        }
        if (expDigit) number += exponent;
    }
    const double v = std::strtod(number.c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

bool IsNumeric(std::string_view text) {
    // Narrowing costs more than the whole test, and an ASCII text has
    // nothing to narrow.
    const std::string s = Trim(IsAscii(text) ? std::string(text) : ToNarrow(text));
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool anyDigit = false;
    while (i < s.size() && (IsDigit(s[i]) || (s[i] == ',' && anyDigit))) {
        anyDigit = anyDigit || IsDigit(s[i]);
        ++i;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit) return false;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        bool expDigit = false;
        while (i < s.size() && IsDigit(s[i])) {
            expDigit = true;
            ++i;
        }
        if (!expDigit) return false;
    }
    return i == s.size();
}

double RoundHalfEven(double value) { return std::nearbyint(value); }  // default mode rounds to even
double Fix(double value) { return std::trunc(value); }
double Floor(double value) { return std::floor(value); }

bool FitsInteger(double value) {
    const double r = RoundHalfEven(value);
    return std::isfinite(r) && r >= kIntegerMin && r <= kIntegerMax;
}

std::optional<std::int16_t> CInt(double value) {
    if (!FitsInteger(value)) return std::nullopt;
    return static_cast<std::int16_t>(RoundHalfEven(value));
}

std::optional<std::int32_t> CLng(double value) {
    const double r = RoundHalfEven(value);
    if (!std::isfinite(r) || r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::optional<std::int64_t> IntDiv(double a, double b) {
    const double ra = RoundHalfEven(a);
    const double rb = RoundHalfEven(b);
    // Operands beyond a 64-bit integer (a price of 1e29 in a damaged file)
    // have no integer quotient, as no number has one by 0.
    constexpr double kBeyond = 9223372036854775808.0;  // 2^63
    const auto fits = [](double v) { return v >= -kBeyond && v < kBeyond; };
    if (rb == 0 || !fits(ra) || !fits(rb)) return std::nullopt;
    const auto ia = static_cast<std::int64_t>(ra);
    const auto ib = static_cast<std::int64_t>(rb);
    if (ia == std::numeric_limits<std::int64_t>::min() && ib == -1) return std::nullopt;
    return ia / ib;
}

std::string NumberText(double value) { return GeneralForm(value, 15); }
std::string NumberText(float value) { return GeneralForm(static_cast<double>(value), 7); }
std::string Str(double value) { return WithSignPlace(DropLeadingZero(NumberText(value))); }
std::string Str(float value) { return WithSignPlace(DropLeadingZero(NumberText(value))); }

std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text.append(part);
    return text;
}

}  // namespace ranvik
