#include "platform/runtime/ansi_text.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <stdexcept>
#include <vector>

#include "platform/runtime/utf8.h"

namespace ranvik {

namespace {

// One converter per direction for the life of the program; the program has
// one user-interface thread.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns false at an input sequence it
    // cannot convert, leaving `in` at that sequence.
    bool Run(const char*& in, std::size_t& inLeft, std::string& out) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::array<char, 512> buffer{};
        while (inLeft > 0) {
            char* outPtr = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t rc = iconv(handle_, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
            out.append(buffer.data(), buffer.size() - outLeft);
            if (rc == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) continue;
                return false;
            }
        }
        return true;
    }

private:
    iconv_t handle_;
};

Converter& ToAnsiConverter() {
    static Converter c("CP932", "UTF-8");
    return c;
}

Converter& FromAnsiConverter() {
    static Converter c("UTF-8", "CP932");
    return c;
}

std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace

std::string ToAnsi(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    const char* in = utf8.data();
    std::size_t left = utf8.size();
    while (!ToAnsiConverter().Run(in, left, out)) {
        out += '?';
        const std::size_t skip = std::min(left, Utf8SequenceLength(static_cast<unsigned char>(*in)));
        in += skip;
        left -= skip;
    }
    return out;
}

std::string FromAnsi(std::string_view ansi) {
    if (IsAscii(ansi)) return std::string(ansi);
    std::string out;
    out.reserve(ansi.size() * 3 / 2);
    const char* in = ansi.data();
    std::size_t left = ansi.size();
    while (!FromAnsiConverter().Run(in, left, out)) {
        utf8::Append(out, 0xFFFD);
        const std::size_t skip = (IsLeadByte(static_cast<unsigned char>(*in)) && left >= 2) ? 2 : 1;
        in += skip;
        left -= skip;
    }
    return out;
}

std::size_t AnsiLength(std::string_view utf8) { return ToAnsi(utf8).size(); }

std::string PackField(std::string_view utf8, std::size_t width) {
    std::string bytes = ToAnsi(utf8);
    if (bytes.size() > width) {
        // Walk the characters so the cut never splits a double-byte pair.
        std::size_t i = 0;
        while (i < width) {
            const std::size_t len = IsLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
            if (i + len > width) break;
            i += len;
        }
        bytes.resize(i);
    }
    bytes.append(width - bytes.size(), ' ');
    return bytes;
}

std::string UnpackField(std::string_view bytes) { return FromAnsi(bytes); }

std::size_t CharCount(std::string_view utf8) { return utf8::Decode(utf8).size(); }

std::string LeftChars(std::string_view utf8, std::size_t n) {
    return std::string(utf8.substr(0, utf8::OffsetOfChar(utf8, n)));
}

std::string MidChars(std::string_view utf8, std::size_t start, std::size_t n) {
    if (start < 1) start = 1;
    const std::size_t from = utf8::OffsetOfChar(utf8, start - 1);
    const std::string_view rest = utf8.substr(from);
    if (n == std::string::npos) return std::string(rest);
    return std::string(rest.substr(0, utf8::OffsetOfChar(rest, n)));
}

std::string RightChars(std::string_view utf8, std::size_t n) {
    const std::size_t count = CharCount(utf8);
    if (n >= count) return std::string(utf8);
    return MidChars(utf8, count - n + 1);
}

std::size_t FindChars(std::string_view utf8, std::string_view needle, std::size_t start) {
    if (start < 1) start = 1;
    const std::size_t from = utf8::OffsetOfChar(utf8, start - 1);
    if (from > utf8.size()) return 0;
    const std::size_t at = utf8.find(needle, from);
    if (at == std::string_view::npos) return 0;
    return CharCount(utf8.substr(0, at)) + 1;
}

std::string TrimLeft(std::string_view s) {
    const std::size_t i = s.find_first_not_of(' ');
    return i == std::string_view::npos ? std::string() : std::string(s.substr(i));
}

std::string TrimRight(std::string_view s) {
    const std::size_t i = s.find_last_not_of(' ');
    return i == std::string_view::npos ? std::string() : std::string(s.substr(0, i + 1));
}

std::string Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

std::string TrimAllBlanks(std::string_view s) {
    auto cps = utf8::Decode(s);
    std::size_t b = 0;
    std::size_t e = cps.size();
    auto blank = [](char32_t c) { return c == U' ' || c == U'\u3000'; };
    while (b < e && blank(cps[b])) ++b;
    while (e > b && blank(cps[e - 1])) --e;
    return utf8::Encode(std::vector<char32_t>(cps.begin() + static_cast<std::ptrdiff_t>(b),
                                              cps.begin() + static_cast<std::ptrdiff_t>(e)));
}

namespace {

// Full-width forms of the half-width katakana U+FF61 to U+FF9F.
constexpr std::array<char16_t, 63> kFullKana = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2,                  // ｡｢｣､･ｦ
    0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5, 0x30E7,  // ｧｨｩｪｫｬｭｮ
    0x30C3, 0x30FC,                                                  // ｯｰ
    0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA,                          // ｱｲｳｴｵ
    0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3,                          // ｶｷｸｹｺ
    0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD,                          // ｻｼｽｾｿ
    0x30BF, 0x30C1, 0x30C4, 0x30C6, 0x30C8,                          // ﾀﾁﾂﾃﾄ
    0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE,                          // ﾅﾆﾇﾈﾉ
    0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB,                          // ﾊﾋﾌﾍﾎ
    0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2,                          // ﾏﾐﾑﾒﾓ
    0x30E4, 0x30E6, 0x30E8,                                          // ﾔﾕﾖ
    0x30E9, 0x30EA, 0x30EB, 0x30EC, 0x30ED,                          // ﾗﾘﾙﾚﾛ
    0x30EF, 0x30F3, 0x309B, 0x309C,                                  // ﾜﾝﾞﾟ
};

constexpr char32_t kHalfVoiced = 0xFF9E;
constexpr char32_t kHalfSemiVoiced = 0xFF9F;

bool TakesVoicedMark(char32_t full) {
    return (full >= 0x30AB && full <= 0x30C8 && full != 0x30C3) ||  // カ..ト
           (full >= 0x30CF && full <= 0x30DB);                      // ハ..ホ
}

bool TakesSemiVoicedMark(char32_t full) { return full >= 0x30CF && full <= 0x30DB; }

bool IsHalfKana(char32_t c) { return c >= 0xFF61 && c <= 0xFF9F; }

// Half-width base letter and mark for a full-width katakana, or 0.
struct NarrowKana {
    char32_t letter = 0;
    char32_t mark = 0;
};

NarrowKana NarrowOf(char32_t full) {
    for (std::size_t i = 0; i < kFullKana.size(); ++i) {
        const char32_t base = kFullKana[i];
        const char32_t half = 0xFF61 + static_cast<char32_t>(i);
        if (full == base) return {half, 0};
        if (TakesVoicedMark(base) && full == base + 1) return {half, kHalfVoiced};
        if (TakesSemiVoicedMark(base) && full == base + 2) return {half, kHalfSemiVoiced};
    }
    if (full == 0x30F4) return {0xFF73, kHalfVoiced};  // ヴ
    return {};
}

}  // namespace

std::string ToWide(std::string_view utf8) {
    const auto cps = utf8::Decode(utf8);
    std::string out;
    for (std::size_t i = 0; i < cps.size(); ++i) {
        const char32_t c = cps[i];
        if (c == U' ') {
            utf8::Append(out, 0x3000);
        } else if (c >= 0x21 && c <= 0x7E) {
            utf8::Append(out, c + 0xFEE0);
        } else if (IsHalfKana(c)) {
            char32_t full = kFullKana[c - 0xFF61];
            const char32_t next = i + 1 < cps.size() ? cps[i + 1] : 0;
            if (next == kHalfVoiced && full == 0x30A6) {
                full = 0x30F4;
                ++i;
            } else if (next == kHalfVoiced && TakesVoicedMark(full)) {
                full += 1;
                ++i;
            } else if (next == kHalfSemiVoiced && TakesSemiVoicedMark(full)) {
                full += 2;
                ++i;
            }
            utf8::Append(out, full);
        } else {
            utf8::Append(out, c);
        }
    }
    return out;
}

std::string ToNarrow(std::string_view utf8) {
    std::string out;
    for (char32_t c : utf8::Decode(utf8)) {
        if (c == 0x3000) {
            out += ' ';
        } else if (c >= 0xFF01 && c <= 0xFF5E) {
            out += static_cast<char>(c - 0xFEE0);
        } else if (const NarrowKana k = NarrowOf(c); k.letter != 0) {
            utf8::Append(out, k.letter);
            if (k.mark != 0) utf8::Append(out, k.mark);
        } else {
            utf8::Append(out, c);
        }
    }
    return out;
}

std::string ToUpper(std::string_view utf8) {
    std::string out;
    for (char32_t c : utf8::Decode(utf8)) {
        if ((c >= U'a' && c <= U'z') || (c >= 0xFF41 && c <= 0xFF5A)) c -= 0x20;
        utf8::Append(out, c);
    }
    return out;
}

std::string ToLower(std::string_view utf8) {
    std::string out;
    for (char32_t c : utf8::Decode(utf8)) {
        if ((c >= U'A' && c <= U'Z') || (c >= 0xFF21 && c <= 0xFF3A)) c += 0x20;
        utf8::Append(out, c);
    }
    return out;
}

bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace ranvik
