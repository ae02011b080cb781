#pragma once
// Colours as the windows name them: the sixteen numbered colours of QBColor
// and RGB triples, both held as one number (red in the low byte, then green,
// then blue), so that a colour read back from a control compares equal to
// the value it was set from.
#include <cstdint>

#include <QColor>

namespace ranvik {

using Color = std::uint32_t;

constexpr Color RGB(int red, int green, int blue) {
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// The standard 16-colour palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red,
// 5 magenta, 6 yellow (dark), 7 white (light grey), 8 grey, 9 light blue,
// 10 light green, 11 light cyan, 12 light red, 13 light magenta,
// 14 light yellow, 15 bright white.  A number outside 0 to 15 gives black.
Color QBColor(int number);

int RedOf(Color color);
int GreenOf(Color color);
int BlueOf(Color color);

QColor ToQColor(Color color);
Color FromQColor(const QColor& color);

// The system colours the windows use, fixed so that every screen and the
// tests agree.
Color ButtonFaceColor();      // face of buttons and fixed grid cells
Color WindowBackColor();      // background of text boxes and grid cells
Color WindowTextColor();      // text of text boxes and grid cells
Color InactiveBorderColor();  // system colour 11, the border of inactive windows

}  // namespace ranvik
