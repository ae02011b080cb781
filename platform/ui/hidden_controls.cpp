#include "platform/ui/hidden_controls.h"

namespace ranvik {

void HiddenTextBox::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    if (OnChange) OnChange();
}

void HiddenCheckBox::SetValue(int value) {
    if (value == value_) return;
    value_ = value;
    if (OnClick) OnClick();
}

}  // namespace ranvik
