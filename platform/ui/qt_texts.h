#pragma once
// The window system's own texts (message box buttons, a text box's context
// menu, the printer dialog) in Japanese, like every text of both programs,
// where Qt's translations have them.
#include <QApplication>

namespace ranvik {

void InstallJapaneseWindowSystemTexts(QApplication& app);

}  // namespace ranvik
