#pragma once
// A one-line text box with the key events of the original's text boxes:
// KeyDown with the virtual-key number, KeyPress with the character typed,
// KeyUp when the key is released.  A KeyPress handler that sets the
// character to 0 swallows it: the box neither takes the character nor
// reacts to it.  Enter that no handler swallows gives the beep of a
// one-line box, which is why cell editors swallow it and act on KeyUp.
#include <QLineEdit>

namespace ranvik {

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // The caret position (SelStart), in characters.
    int SelStart() const { return cursorPosition(); }
    void SetSelStart(int position) { setCursorPosition(position); }

signals:
    void KeyDown(int keyCode, int shift);
    // Direct connections only: a handler changes keyAscii in place.
    void KeyPress(int& keyAscii);
    void KeyUp(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace ranvik
