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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// The platform's numeric test for a text of ASCII characters alone, which
// needs no narrowing of full-width characters: that narrowing costs more
// than all the rest of a page's reading.  The same grammar: blanks around,
// a sign, digits with separators after the first digit, a decimal point, an
// exponent.
bool IsAsciiNumeric(std::string_view s) {
    s = TrimSpaces(s);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool anyDigit = false;
    while (i < s.size() && (IsDigit(s[i]) || (s[i] == ',' && anyDigit))) {
        if (IsDigit(s[i])) anyDigit = true;
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
        const std::size_t digits = i;
        while (i < s.size() && IsDigit(s[i])) ++i;
        if (i == digits) return false;
    }
    return i == s.size();
}

bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

bool ReadsAsNumber(std::string_view s) { return IsAscii(s) ? IsAsciiNumeric(s) : IsNumeric(s); }

std::size_t Length(std::string_view s) { return IsAscii(s) ? s.size() : CharCount(s); }

}  // namespace

bool NormalizeQuoteNumber(std::string& text) {
    const std::string_view trimmed = TrimSpaces(text);
    std::string number;
    const bool marked = !trimmed.empty() && (trimmed[0] == '-' || static_cast<unsigned char>(trimmed[0]) >= 0x80);
    for (std::string_view mark : kMinusMarks) {
        if (!marked || !trimmed.starts_with(mark)) continue;
        const std::string_view body = TrimSpaces(trimmed.substr(mark.size()));
        if (body.empty() || body[0] == '+' || body[0] == '-' || !ReadsAsNumber(body)) return false;
        number.assign(1, '-');
        number += body;
        break;
    }
    if (number.empty()) {
        const bool ascii = IsAscii(text);
        if (!(ascii ? IsAsciiNumeric(text) : IsNumeric(text))) return false;
        if ((ascii ? text.size() : CharCount(text)) <= 4) return true;
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
    if (!ReadsAsNumber(text)) return std::nullopt;
    std::string plain = IsAscii(text) ? std::string(text) : ToNarrow(text);
    std::erase(plain, ',');
    const double value = Val(plain);
    if (!FitsSingle(value)) return std::nullopt;
    return static_cast<float>(value);
}

}  // namespace ranvik
