#include "core/quick_bar.h"

#include "platform/ui/colors.h"

namespace ranvik {

QuickBar::QuickBar(QWidget* parent) : ScreenSurface(parent) {
    // The bar looks like the window's other bars; its face shows through the
    // caption labels.
    SetBackColor(ButtonFaceColor());
}

void QuickBar::PrintAt(double x, double y, std::string_view text, Color color) {
    SetForeColor(color);
    SetCurrentX(x);
    SetCurrentY(y);
    Print(text, PrintEnd::SameLine);
}

}  // namespace ranvik
