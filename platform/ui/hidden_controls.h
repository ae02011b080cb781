#pragma once
// Hidden controls through which windows drive one another: a text box and a
// check box that are never shown.  Setting a value that differs from the
// present one stores it and runs the handler at once, nested inside the
// assignment, so the handler has finished when the assignment returns.  A
// handler that resets its own control runs once more, nested, with the reset
// value (which it ignores).  Setting the value a control already has runs
// nothing.
#include <functional>
#include <string>

namespace ranvik {

class HiddenTextBox {
public:
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);

    // The change handler (`..._Change`).
    std::function<void()> OnChange;

private:
    std::string text_;
};

class HiddenCheckBox {
public:
    // 0 unchecked, 1 checked (2 greyed).
    int Value() const { return value_; }
    void SetValue(int value);

    // The click handler (`..._Click`), raised by every change of the value.
    std::function<void()> OnClick;

private:
    int value_ = 0;
};

}  // namespace ranvik
