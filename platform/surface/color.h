#pragma once
// Colours as the drawers give them: RGB triples or numbers of the sixteen
// colour console palette.
#include <cstdint>
#include <string>

namespace ranvik {

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

constexpr Color Rgb(int r, int g, int b) {
    auto part = [](int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); };
    return Color{part(r), part(g), part(b)};
}

// QBColor(0) to QBColor(15); a number outside the palette gives black.
constexpr Color QBColor(int number) {
    constexpr Color palette[16] = {
        {0, 0, 0},     {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},   {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255}, {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},   {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    return number >= 0 && number < 16 ? palette[number] : palette[0];
}

// "RGB(r,g,b)", for test messages.
std::string ColorText(Color color);

}  // namespace ranvik
