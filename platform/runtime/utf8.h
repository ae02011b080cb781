#pragma once
// Minimal UTF-8 decoding and encoding shared by the runtime's text services.
#include <string>
#include <string_view>
#include <vector>

namespace ranvik::utf8 {

// Code points of a UTF-8 text; a malformed byte decodes as U+FFFD.
std::vector<char32_t> Decode(std::string_view text);
std::string Encode(const std::vector<char32_t>& codePoints);
void Append(std::string& out, char32_t codePoint);
// Byte offset of character `index` (0-based); text.size() when past the end.
std::size_t OffsetOfChar(std::string_view text, std::size_t index);

}  // namespace ranvik::utf8
