#include "platform/ui/text_box.h"

#include <QKeyEvent>

#include "platform/runtime/message_service.h"
#include "platform/ui/keys.h"

namespace ranvik {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(VirtualKeyCode(*event), ShiftStateOf(event->modifiers()));
    int ascii = KeyAsciiOf(*event);
    if (ascii != 0) {
        emit KeyPress(ascii);
        if (ascii == 0) return;
        if (ascii == 13) {
            Beep();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (event->isAutoRepeat()) return;
    emit KeyUp(VirtualKeyCode(*event), ShiftStateOf(event->modifiers()));
}

}  // namespace ranvik
