#include "collect/busy_look.h"

#include <QApplication>

#include "core/main_window.h"
#include "core/program_state.h"

namespace ranvik {

BusyLook::BusyLook() {
    if (MDIForm1* main = Program().windows.MainForm) main->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyLook::~BusyLook() { End(); }

void BusyLook::End() {
    if (ended_) return;
    ended_ = true;
    QApplication::restoreOverrideCursor();
    if (MDIForm1* main = Program().windows.MainForm) main->setEnabled(true);
}

}  // namespace ranvik
