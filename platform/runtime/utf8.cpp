#include "platform/runtime/utf8.h"

namespace ranvik::utf8 {

namespace {
// Length of the sequence that starts with `lead`, 0 for a byte that cannot
// start one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}
}  // namespace

std::vector<char32_t> Decode(std::string_view text) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t len = SequenceLength(lead);
        if (len == 0 || i + len > text.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t cp = len == 1 ? lead : (lead & (0x7F >> len));
        bool ok = true;
        for (std::size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += len;
    }
    return out;
}

void Append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Encode(const std::vector<char32_t>& codePoints) {
    std::string out;
    out.reserve(codePoints.size());
    for (char32_t cp : codePoints) Append(out, cp);
    return out;
}

std::size_t OffsetOfChar(std::string_view text, std::size_t index) {
    std::size_t i = 0;
    std::size_t n = 0;
    while (i < text.size() && n < index) {
        const std::size_t len = SequenceLength(static_cast<unsigned char>(text[i]));
        i += (len == 0 || i + len > text.size()) ? 1 : len;
        ++n;
    }
    return i;
}

}  // namespace ranvik::utf8
