// Child windows in the multiple-document area, their menu bars, and the window tabs.
#include "core/main_window.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTimer>

#include "core/child_form.h"
#include "core/program_state.h"
#include "core/main_window_internal.h"

namespace ranvik {

using namespace main_window_internal;

// ---------------------------------------------------------------- child windows

void MDIForm1::ShowChild(ChildForm* child) {
    QMdiSubWindow* frame = mdiArea_->addSubWindow(child);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->installEventFilter(this);
    child->Load();
    if (child->OpensMaximized()) {
        frame->showMaximized();
    } else {
        frame->show();
    }
    mdiArea_->setActiveSubWindow(frame);
}

void MDIForm1::ChildStateChanged(QMdiSubWindow* frame, Qt::WindowStates before) {
    if (!before.testFlag(Qt::WindowMaximized)) return;
    // The area restores a maximized window when another one is maximized
    // (the results window, a second chart window).  A window that opened
    // maximized never had a size of its own and would sit behind as a small
    // window in the corner: it keeps the area's size instead.  A window the
    // user restores is the only maximized one and keeps its own size.
    QPointer<QMdiSubWindow> restored = frame;
    QTimer::singleShot(0, this, [this, restored] {
        if (restored == nullptr || restored->isMaximized() || restored->isMinimized()) return;
        for (QMdiSubWindow* other : mdiArea_->subWindowList()) {
            if (other != restored && other->isMaximized()) {
                restored->setGeometry(mdiArea_->viewport()->rect());
                return;
            }
        }
    });
}

ChildForm* MDIForm1::ActiveChild() const {
    // The current window, not the active one: the area reports no active
    // window while another program has the focus, and a request sent then
    // must still reach the window the user last worked in.
    QMdiSubWindow* frame = mdiArea_->currentSubWindow();
    return frame != nullptr ? qobject_cast<ChildForm*>(frame->widget()) : nullptr;
}

void MDIForm1::OnSubWindowActivated(QMdiSubWindow* window) {
    ChildForm* child = window != nullptr ? qobject_cast<ChildForm*>(window->widget()) : nullptr;
    ShowMenuBarOf(child);
    if (child != nullptr) child->Form_Activate();
}

void MDIForm1::ShowMenuBarOf(ChildForm* child) {
    QMenuBar* bar = child != nullptr ? child->MenuBar() : nullptr;
    if (bar == nullptr) bar = mainMenuBar_;
    if (menuStack_->indexOf(bar) < 0) {
        menuStack_->addWidget(bar);
        // The stack does not own a child's bar: it goes with its window,
        // after the next window was activated (a closed window's frame is
        // deleted later).  The stack then shows whichever bar it likes, so
        // the active child's bar is put back once the window is gone.
        connect(bar, &QObject::destroyed, menuStack_, [this] {
            menuStack_->setCurrentWidget(mainMenuBar_);
            QMetaObject::invokeMethod(this, [this] { ShowMenuBarOf(ActiveChild()); }, Qt::QueuedConnection);
        });
    }
    menuStack_->setCurrentWidget(bar);
    // Only the shown bar's shortcuts may act, or Ctrl+X would be claimed by
    // two bars at once and neither would act.  The items of the other bars
    // keep their shortcuts but answer them only while their own window
    // holds the focus, which a window never does here.
    auto shortcutsOf = [](QWidget* owner, bool active) {
        for (QAction* action : owner->actions()) {
            action->setShortcutContext(active ? Qt::WindowShortcut : Qt::WidgetShortcut);
        }
    };
    shortcutsOf(this, bar == mainMenuBar_);
    for (QMdiSubWindow* frame : mdiArea_->subWindowList()) {
        if (auto* other = qobject_cast<ChildForm*>(frame->widget())) {
            shortcutsOf(other, other->MenuBar() != nullptr && other->MenuBar() == bar);
        }
    }
}

// ---------------------------------------------------------------- window tabs

void MDIForm1::WindowTab_MouseDown(int no) {
    QLabel* tab = WindowTab(no);
    if (tab == nullptr || BackColorOf(tab) == kFreeTab) return;
    pressedTab_ = tab;
    PressWindowTab(tab);
    if (ChartWindowBase* window = Program().windows.ChartWindow(no)) window->BringToFront();
}

void MDIForm1::WindowTab_MouseUp(int no) {
    QLabel* tab = WindowTab(no);
    if (tab == nullptr || BackColorOf(tab) == kFreeTab) return;
    ReleaseWindowTab();
}

void MDIForm1::PressWindowTab(QLabel* tab) {
    pressedTabTop_ = TopOf(tab);
    pressedTabLeft_ = LeftOf(tab);
    MoveTwips(tab, pressedTabLeft_ + 15, pressedTabTop_ + 15, WidthOf(tab) - 25, HeightOf(tab) - 30);
}

void MDIForm1::ReleaseWindowTab() {
    if (pressedTab_ == nullptr) return;
    MoveTwips(pressedTab_, pressedTabLeft_, pressedTabTop_, kTabWidth, kTabHeight);
}

}  // namespace ranvik
