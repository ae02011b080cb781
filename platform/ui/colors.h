#pragma once
// Colours for the windows: the program's one colour type with RGB and
// QBColor, its conversion to Qt, and the system colours the windows use.
#include "platform/color/color.h"
#include "platform/color/qt_color.h"

namespace ranvik {

// The system colours the windows use, fixed so that every screen and the
// tests agree.
Color ButtonFaceColor();      // face of buttons and fixed grid cells
Color WindowBackColor();      // background of text boxes and grid cells
Color WindowTextColor();      // text of text boxes and grid cells
Color InactiveBorderColor();  // system colour 11, the border of inactive windows

}  // namespace ranvik
