#pragma once
// Numbers as the original runtime reads, rounds and writes them.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <string_view>

namespace ranvik {

// Val: the leading numeric part of a text (blanks anywhere are skipped, an
// optional sign, digits, a decimal point, an exponent), 0 when there is none.
double Val(std::string_view text);
// IsNumeric: the whole text, blanks around it allowed, reads as a number
// (sign, digits with thousands commas, decimal point, exponent).  Full-width
// digits and signs count as their narrow forms.
bool IsNumeric(std::string_view text);

// Rounding to a whole number with halves to even (13.5 -> 14, 12.5 -> 12),
// as the original does wherever a number becomes an Integer or Long.
double RoundHalfEven(double value);
// Fix: toward zero.  Int: toward minus infinity.
double Fix(double value);
double Floor(double value);

// The 16-bit Integer range; CInt rounds halves to even first and gives
// nullopt where the original raises an overflow.
constexpr std::int32_t kIntegerMin = -32768;
constexpr std::int32_t kIntegerMax = 32767;
bool FitsInteger(double value);
std::optional<std::int16_t> CInt(double value);
std::optional<std::int32_t> CLng(double value);

// Integer division a \ b: both operands rounded to whole numbers first, the
// quotient cut toward zero.  nullopt for a divisor that rounds to 0 and for
// an operand or quotient beyond a 64-bit integer (NaN and infinities too).
std::optional<std::int64_t> IntDiv(double a, double b);

// CStr of a Double (15 significant digits) and of a Single (7), as written
// into text boxes: "12", "1.5", "-0.25", "1E+15".
std::string NumberText(double value);
std::string NumberText(float value);
// Str: like NumberText but with a blank in the sign place of a number that is
// not negative and no zero before the point (" 12", " .5", "-.5").
std::string Str(double value);
std::string Str(float value);

// Texts put together by appending, part after part.  (GCC 12 at -O3 sees a
// false overlap in "literal" + std::string and warns; appending it does not.)
std::string Joined(std::initializer_list<std::string_view> parts);

}  // namespace ranvik
