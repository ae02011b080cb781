// The quote number normaliser and the conversion the row store applies.
#include "collect/quote_number.h"

#include <array>
#include <cfloat>
#include <cmath>

#include "platform/runtime/ansi_text.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

// "▲" and "△" are how Japanese pages write a fall; "−" and "－" are the
// typographic and full-width minus.
constexpr std::array<std::string_view, 5> kMinusMarks{"-", "−", "－", "▲", "△"};

bool FitsSingle(double value) { return std::isfinite(value) && std::fabs(value) <= FLT_MAX; }

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::size_t Length(std::string_view s) { return IsAscii(s) ? s.size() : CharCount(s); }

// Digits with thousands separators after the first digit, the usual price
// or volume cell: a number by IsNumeric's rules, told without a copy.
bool IsPlainNumber(std::string_view s) {
    if (s.empty() || s[0] < '0' || s[0] > '9') return false;
    for (const char c : s)
        if ((c < '0' || c > '9') && c != ',') return false;
    return true;
}

}  // namespace

bool NormalizeQuoteNumber(std::string& text) {
    if (IsPlainNumber(text)) {
        if (text.size() > 4) std::erase(text, ',');
        return true;
    }
    const std::string_view trimmed = TrimSpaces(text);
    std::string number;
    const bool marked = !trimmed.empty() && (trimmed[0] == '-' || static_cast<unsigned char>(trimmed[0]) >= 0x80);
    for (std::string_view mark : kMinusMarks) {
        if (!marked || !trimmed.starts_with(mark)) continue;
        const std::string_view body = TrimSpaces(trimmed.substr(mark.size()));
        if (body.empty() || body[0] == '+' || body[0] == '-' || !IsNumeric(body)) return false;
        number.assign(1, '-');
        number += body;
        break;
    }
    if (number.empty()) {
        if (!IsNumeric(text)) return false;
        if (Length(text) <= 4) return true;
        number = text;
    }
    if (Length(number) > 4) {
        std::erase(number, ',');
        if (number.find('.') != std::string::npos) {
            const double value = Val(IsAscii(number) ? number : ToNarrow(number));
            if (!FitsSingle(value)) return false;
            number = NumberText(static_cast<float>(value));
        }
    }
    text = std::move(number);
    return true;
}

std::optional<float> QuoteValue(std::string_view text) {
    if (!IsNumeric(text)) return std::nullopt;
    std::string plain = IsAscii(text) ? std::string(text) : ToNarrow(text);
    std::erase(plain, ',');
    const double value = Val(plain);
    if (!FitsSingle(value)) return std::nullopt;
    return static_cast<float>(value);
}

}  // namespace ranvik
