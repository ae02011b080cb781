#include "platform/ui/keys.h"

namespace ranvik {

int VirtualKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 48 + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 65 + (key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return 9;
        case Qt::Key_Clear: return 12;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Pause: return 19;
        case Qt::Key_CapsLock: return 20;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Print: return 44;
        case Qt::Key_Insert: return 45;
        case Qt::Key_Delete: return 46;
        case Qt::Key_Asterisk: return keypad ? 106 : 186;
        case Qt::Key_Plus: return keypad ? 107 : 187;
        case Qt::Key_Minus: return keypad ? 109 : 189;
        case Qt::Key_Period: return keypad ? 110 : 190;
        case Qt::Key_Slash: return keypad ? 111 : 191;
        case Qt::Key_NumLock: return 144;
        case Qt::Key_ScrollLock: return 145;
        case Qt::Key_Semicolon:
        case Qt::Key_Colon: return 186;
        case Qt::Key_Equal: return 187;
        case Qt::Key_Comma:
        case Qt::Key_Less: return 188;
        case Qt::Key_Underscore: return 189;
        case Qt::Key_Greater: return 190;
        case Qt::Key_Question: return 191;
        case Qt::Key_At:
        case Qt::Key_QuoteLeft: return 192;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft: return 219;
        case Qt::Key_Backslash:
        case Qt::Key_Bar:
        case Qt::Key_yen: return 220;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight: return 221;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
        case Qt::Key_AsciiCircum: return 222;
        default: return 0;
    }
}

int KeyAsciiOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Tab: return 9;
        default: break;
    }
    const QString text = event.text();
    if (text.isEmpty()) return 0;
    // Ctrl with a letter types the control character of that letter.
    return static_cast<int>(text.toUcs4().value(0));
}

int ShiftStateOf(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) state |= kShiftMask;
    if (modifiers.testFlag(Qt::ControlModifier)) state |= kCtrlMask;
    if (modifiers.testFlag(Qt::AltModifier)) state |= kAltMask;
    return state;
}

int MouseButtonsHeld(Qt::MouseButtons buttons) {
    int held = 0;
    if (buttons.testFlag(Qt::LeftButton)) held |= kLeftButton;
    if (buttons.testFlag(Qt::RightButton)) held |= kRightButton;
    if (buttons.testFlag(Qt::MiddleButton)) held |= kMiddleButton;
    return held;
}

int MouseButtonOf(const QMouseEvent& event) {
    if (event.type() == QEvent::MouseMove) return MouseButtonsHeld(event.buttons());
    switch (event.button()) {
        case Qt::LeftButton: return kLeftButton;
        case Qt::RightButton: return kRightButton;
        case Qt::MiddleButton: return kMiddleButton;
        default: return 0;
    }
}

}  // namespace ranvik
