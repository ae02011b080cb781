#include "core/child_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace ranvik {

ChildForm::ChildForm(QWidget* parent) : QWidget(parent) {
    FG1Text6.OnChange = [this] { FG1Text6_Change(); };
}

ChildForm::~ChildForm() { delete menuBar_; }

QMenuBar* ChildForm::EnsureMenuBar() {
    // The bar is not a child widget of the window: the main window shows it
    // in place of its own while this window is active.
    if (menuBar_ == nullptr) menuBar_ = new QMenuBar(nullptr);
    return menuBar_;
}

QMdiSubWindow* ChildForm::Frame() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void ChildForm::BringToFront() {
    QMdiSubWindow* frame = Frame();
    if (frame == nullptr) return;
    if (QMdiArea* area = frame->mdiArea()) area->setActiveSubWindow(frame);
    frame->raise();
}

void ChildForm::Load() {
    if (loaded_) return;
    loaded_ = true;
    Form_Load();
}

void ChildForm::closeEvent(QCloseEvent* event) {
    // The unload handlers never cancel; they run once however the window is
    // closed (its own menu, the frame's close box, the end of the program).
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    event->accept();
}

ChildFormMakers& Makers() {
    static ChildFormMakers makers;
    return makers;
}

}  // namespace ranvik
