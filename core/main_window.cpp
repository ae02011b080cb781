// The main window: its construction, destruction and the accessors of its parts.
#include "core/main_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <array>

#include "core/list_pane.h"
#include "core/toolbar.h"
#include "core/program_state.h"
#include "core/main_window_internal.h"

namespace ranvik {

using namespace main_window_internal;

namespace {

}  // namespace

const std::string& ToolbarKey(int position) { return Toolbar::KeyAt(position); }

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MDIForm1");
    setWindowTitle(kProgramName);
    Program().windows.MainForm = this;

    BuildMenus();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);

    BuildToolbarStrip();
    BuildQuickBar();
    BuildAddressBar();
    column->addWidget(Picture1);
    column->addWidget(Picture3);
    column->addWidget(Picture4);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    column->addLayout(body, 1);

    BuildListPane();
    BuildParameterPanel();
    mdiArea_ = new QMdiArea(central);
    mdiArea_->setObjectName("MDIClient");
    mdiArea_->setBackground(QColor(171, 171, 171));
    BuildCollectionPanel();
    InstallParameterBoxFilters();
    body->addWidget(Picture2);
    body->addWidget(HideParam);
    body->addWidget(mdiArea_, 1);
    body->addWidget(Picture11);

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MDIForm1::OnSubWindowActivated);
    resize(1024, 720);
}

MDIForm1::~MDIForm1() {
    // The area outlives this part of the object: hiding its windows while
    // the base classes are torn down would call back into a window that is
    // no longer an MDIForm1.
    if (mdiArea_ != nullptr) mdiArea_->disconnect(this);
    // The children's menu bars belong to their windows, which go after this
    // frame's own parts: they leave the bar stack first.
    for (int i = menuStack_->count() - 1; i >= 0; --i) {
        QWidget* bar = menuStack_->widget(i);
        if (bar == mainMenuBar_) continue;
        bar->disconnect(menuStack_);
        menuStack_->removeWidget(bar);
        bar->setParent(nullptr);
    }
    if (Program().windows.MainForm == this) Program().windows.MainForm = nullptr;
}

// ---------------------------------------------------------------- accessors

QLineEdit* MDIForm1::PanelBox(int textNo) const {
    const auto it = panelBoxes_.find(textNo);
    return it == panelBoxes_.end() ? nullptr : it->second;
}

QLabel* MDIForm1::WindowTab(int no) const { return no == 1 ? Label3 : no == 2 ? Label4 : no == 3 ? Label5 : nullptr; }

void MDIForm1::SetToolbarButtonEnabled(const std::string& key, bool enabled) { Toolbar1->SetEnabled(key, enabled); }

void MDIForm1::SetToolbarButtonsEnabled(int fromPosition, int toPosition, bool enabled) {
    for (int p = fromPosition; p <= toPosition; ++p) SetToolbarButtonEnabled(ToolbarKey(p), enabled);
}

bool MDIForm1::ToolbarButtonEnabled(const std::string& key) const { return Toolbar1->Enabled(key); }

void MDIForm1::SetToolbarButtonValue(const std::string& key, int value) { Toolbar1->SetValue(key, value); }

int MDIForm1::ToolbarButtonValue(const std::string& key) const { return Toolbar1->Value(key); }

bool MDIForm1::ToolbarButtonEnabled(int position) const { return ToolbarButtonEnabled(ToolbarKey(position)); }

int MDIForm1::FormHeightTw() const { return PixelsToTwips(height()) + kNonClientHeightTw; }

int MDIForm1::FormWidthTw() const { return PixelsToTwips(width()) + kNonClientWidthTw; }

int MDIForm1::WindowStateNumber() const {
    if (windowState() & Qt::WindowMinimized) return 1;
    if (windowState() & Qt::WindowMaximized) return 2;
    return 0;
}

void MDIForm1::SetWindowStateNumber(int state) {
    switch (state) {
        case 0: setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)); break;
        case 1: setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized); break;
        case 2: setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized); break;
        default: break;  // not a window state: the window stays as it is
    }
}

void MDIForm1::FocusToolbarStrip() {
    if (Picture1->isVisible()) Picture1->setFocus();
}

}  // namespace ranvik
