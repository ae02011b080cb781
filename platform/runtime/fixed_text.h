#pragma once
// Fixed-length text (the original's String * n): every assignment pads the
// text with blanks or cuts it to exactly N characters, so the field always
// holds N.  Characters are code points, as the original counted them in
// memory (a field of one character holds "日").  A new one holds N blanks,
// as after assigning the empty text.
#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/runtime/ansi_text.h"

namespace ranvik {

template <std::size_t N>
class FixedText {
public:
    FixedText() : text_(N, ' ') {}
    // Implicit both ways: the field is assigned and read like any text.
    FixedText(std::string_view text) { Assign(text); }
    FixedText(const char* text) { Assign(text); }
    FixedText(const std::string& text) { Assign(text); }

    FixedText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    FixedText& operator=(const char* text) { return *this = std::string_view(text); }
    FixedText& operator=(const std::string& text) { return *this = std::string_view(text); }

    const std::string& Text() const { return text_; }
    operator const std::string&() const { return text_; }
    static constexpr std::size_t Length() { return N; }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.text_ == b.text_; }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.text_ == b; }
    // Compared as texts, as the original compares codes ("0010" to "0500").
    friend std::strong_ordering operator<=>(const FixedText& a, std::string_view b) { return a.text_.compare(b) <=> 0; }

private:
    void Assign(std::string_view text) {
        const std::size_t count = CharCount(text);
        text_ = count >= N ? LeftChars(text, N) : std::string(text) + std::string(N - count, ' ');
    }

    std::string text_;
};

}  // namespace ranvik
