#include "platform/ui/colors.h"

namespace ranvik {

Color QBColor(int number) {
    static constexpr Color kPalette[16] = {
        RGB(0, 0, 0),       RGB(0, 0, 128),     RGB(0, 128, 0),     RGB(0, 128, 128),
        RGB(128, 0, 0),     RGB(128, 0, 128),   RGB(128, 128, 0),   RGB(192, 192, 192),
        RGB(128, 128, 128), RGB(0, 0, 255),     RGB(0, 255, 0),     RGB(0, 255, 255),
        RGB(255, 0, 0),     RGB(255, 0, 255),   RGB(255, 255, 0),   RGB(255, 255, 255),
    };
    if (number < 0 || number > 15) return kPalette[0];
    return kPalette[number];
}

int RedOf(Color color) { return static_cast<int>(color & 0xFF); }
int GreenOf(Color color) { return static_cast<int>((color >> 8) & 0xFF); }
int BlueOf(Color color) { return static_cast<int>((color >> 16) & 0xFF); }

QColor ToQColor(Color color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

Color FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

Color ButtonFaceColor() { return RGB(240, 240, 240); }
Color WindowBackColor() { return RGB(255, 255, 255); }
Color WindowTextColor() { return RGB(0, 0, 0); }
Color InactiveBorderColor() { return RGB(244, 247, 252); }

}  // namespace ranvik
