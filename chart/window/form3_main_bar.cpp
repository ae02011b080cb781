// What the drawers change of the main window beyond its boxes: a caption's
// colour, whether the main window takes input, and the pointer shown over
// the whole screen while a long computation runs.
#include <QApplication>
#include <QLabel>

#include "chart/window/form3.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/ui/control_colors.h"

namespace ranvik {

void Form3::SetMainLabelColor(int labelNo, Color color) {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    const auto it = main->QuickLabels.find(labelNo);
    if (it != main->QuickLabels.end()) SetForeColor(it->second, color);
}

void Form3::SetMainWindowEnabled(bool enabled) {
    if (MDIForm1* main = Program().windows.MainForm) main->setEnabled(enabled);
}

void Form3::SetScreenPointer(int pointer) {
    // One override at a time, so that the default comes back with one call.
    if (pointerShown_) {
        QApplication::restoreOverrideCursor();
        pointerShown_ = false;
    }
    if (pointer == 11) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        pointerShown_ = true;
    }
}

}  // namespace ranvik
