#pragma once
// The main window's quick parameter bar Picture3: a drawing surface that
// carries the parameter boxes and their caption labels as child controls.
// Its face is never scaled, so it works in twips from the bar's top-left
// corner, where the boxes' Left and Top are measured too: the chart windows
// print a box's unit mark at the box's Left + Width + 20, Top + 10.
//
// A mark stays until the bar is cleared (Cls, which the last chart window's
// closing does); printing another one over it in a new colour recolours it.
#include <string_view>

#include "platform/surface/screen_surface.h"

namespace ranvik {

class QuickBar : public ScreenSurface {
public:
    explicit QuickBar(QWidget* parent = nullptr);

    // Prints `text` in `color` with its top-left corner at (x, y) twips.
    // The current position and fore colour are left where the print puts
    // them, as Print does.
    void PrintAt(double x, double y, std::string_view text, Color color);
};

}  // namespace ranvik
