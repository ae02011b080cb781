#pragma once
// Keyboard and mouse values as the windows' handlers receive them: key codes
// are the virtual-key numbers (13 Enter, 37 to 40 the arrows, 65 to 90 the
// letters, 112 to 123 F1 to F12), the shift state adds 1 for Shift, 2 for
// Ctrl and 4 for Alt, and mouse buttons are 1 left, 2 right, 4 middle.
#include <QKeyEvent>
#include <QMouseEvent>

namespace ranvik {

constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

// The virtual-key number of a key event; 0 for a key without one.
int VirtualKeyCode(const QKeyEvent& event);
// The character code a key press types (KeyPress); 0 when it types none.
int KeyAsciiOf(const QKeyEvent& event);
int ShiftStateOf(Qt::KeyboardModifiers modifiers);
// The button that changed (press, release) or, for a move, the buttons held.
int MouseButtonOf(const QMouseEvent& event);
int MouseButtonsHeld(Qt::MouseButtons buttons);

}  // namespace ranvik
