#pragma once
// Text in the system's ANSI code page (CP932, the Windows form of Shift-JIS)
// and the string services the windows rely on.  In memory every text is UTF-8;
// files and fixed-width record fields hold CP932 bytes.
#include <cstddef>
#include <string>
#include <string_view>

namespace ranvik {

// UTF-8 -> CP932 bytes.  A character the code page lacks becomes "?", as the
// original runtime writes it.
std::string ToAnsi(std::string_view utf8);
// CP932 bytes -> UTF-8.  A byte sequence that is not CP932 becomes U+FFFD.
std::string FromAnsi(std::string_view ansi);

// Number of bytes the text takes in the ANSI code page.
std::size_t AnsiLength(std::string_view utf8);

// A fixed-width record field: the text in CP932, padded with blanks to
// `width` bytes, or cut to it without leaving half of a double-byte character
// (the cut half is replaced by a blank).
std::string PackField(std::string_view utf8, std::size_t width);
// The field read back as UTF-8, blanks kept.
std::string UnpackField(std::string_view bytes);

// Characters (code points) of a UTF-8 text, as the original's Len counts them.
std::size_t CharCount(std::string_view utf8);
// Left$, Mid$ (1-based start) and Right$ counted in characters.
std::string LeftChars(std::string_view utf8, std::size_t n);
std::string MidChars(std::string_view utf8, std::size_t start, std::size_t n = std::string::npos);
std::string RightChars(std::string_view utf8, std::size_t n);
// InStr: 1-based character position of `needle` at or after character
// `start`, 0 when absent.
std::size_t FindChars(std::string_view utf8, std::string_view needle, std::size_t start = 1);

// Trim$, LTrim$, RTrim$: half-width blanks only.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
// Blank and ideographic blank (U+3000) trimmed from both ends.
std::string TrimAllBlanks(std::string_view s);

// Wide form: ASCII 0x21-0x7E -> U+FF01-U+FF5E, blank -> U+3000, half-width
// katakana -> full-width katakana with a following voiced or semi-voiced mark
// composed into the letter.
std::string ToWide(std::string_view utf8);
// Narrow form: the reverse; full-width katakana become half-width (voiced
// letters decompose into letter and mark).
std::string ToNarrow(std::string_view utf8);
// Upper and lower case of the ASCII letters and of the full-width letters.
std::string ToUpper(std::string_view utf8);
std::string ToLower(std::string_view utf8);

// Whether every byte is below 0x80.  CP932 is ASCII there both ways (unlike
// plain Shift-JIS, 0x5C stays a backslash and 0x7E a tilde), so such a text
// needs no converter and no narrowing; record fields and page numbers are
// nearly always such texts, and the store and the readers handle many.
bool IsAscii(std::string_view s);

}  // namespace ranvik
