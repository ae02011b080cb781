#pragma once
// The one colour type of both programs: what the windows and the drawers name
// as RGB(r, g, b) or QBColor(n).  Plain C++, so the drawing engine and the
// file readers can hold colours without the window system; the conversion to
// Qt's colours is in platform/color/qt_color.h.
#include <cstdint>
#include <iosfwd>
#include <string>

namespace ranvik {

// Black unless set.  Two colours are equal when their three parts are, so a
// colour read back from a control compares equal to the one it was set from.
// Aligned to four bytes so that a colour passed by value is built in one
// register: three bytes are put together on the stack part by part and read
// back whole, which stalls every drawing call that names its colour.
struct alignas(4) Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

// Parts above 255 count as 255 and below 0 as 0, as the original's RGB took
// them, so an out-of-range part never wraps round to a dark colour.
constexpr Color RGB(int red, int green, int blue) {
    auto part = [](int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); };
    return Color{part(red), part(green), part(blue)};
}

// The sixteen-colour console palette: 0 black, 1 blue, 2 green, 3 cyan,
// 4 red, 5 magenta, 6 yellow (dark), 7 light grey, 8 grey, 9 light blue,
// 10 light green, 11 light cyan, 12 light red, 13 light magenta,
// 14 light yellow, 15 white.  A number outside 0 to 15 gives black.
constexpr Color QBColor(int number) {
    constexpr Color palette[16] = {
        RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
        RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
        RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
        RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255),
    };
    return number >= 0 && number < 16 ? palette[number] : palette[0];
}

// "RGB(r,g,b)": recorded drawings and test messages name colours this way.
std::string ColorText(Color color);
std::ostream& operator<<(std::ostream& out, Color color);

}  // namespace ranvik
