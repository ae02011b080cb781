#pragma once
// Numbers as the quote pages and the company pages write them, turned into
// the plain number texts the row store converts and logs.
#include <optional>
#include <string>
#include <string_view>

namespace ranvik {

// Rewrites a page's number in place and says whether it is one.
//
// A number after a minus mark ("-", "−", "－", "▲" or "△", blanks allowed
// between) is negative and is written with "-".  A number longer than 4
// characters loses its thousands separators, and one with a decimal point is
// rounded to single precision and written in the single's text form
// ("1,234.5" -> "1234.5", "25,000,000.5" -> "2.5E+07").  A number of at most
// 4 characters stays as written ("1,23", "-1.5").
//
// Pages decoded as UTF-8 lose no character, so "・" is no mark here: a text
// that does not read whole as a number ("---", "・", "12・345", "") stays
// unchanged and the result is false; a reader then treats the field as
// missing instead of storing a number made up for it.
bool NormalizeQuoteNumber(std::string& text);

// The single-precision value of a number text as the row store converts it
// (separators dropped, full-width digits read as narrow ones); nullopt when
// the text is not a number or lies beyond a single's range.
std::optional<float> QuoteValue(std::string_view text);

}  // namespace ranvik
