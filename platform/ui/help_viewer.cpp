#include "platform/ui/help_viewer.h"

#include <QAction>
#include <QKeySequence>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace ranvik {

HelpWindow::HelpWindow() : QWidget(nullptr) {
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 680);

    auto* bar = new QToolBar(this);
    bar->setObjectName("HelpToolBar");
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    back_ = bar->addAction("戻る");
    back_->setObjectName("HelpBack");
    back_->setShortcut(QKeySequence::Back);
    back_->setEnabled(false);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpBrowser");
    // Addresses outside the manual belong to the desktop's browser.
    browser_->setOpenExternalLinks(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_, 1);

    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { TakeTitle(); });
}

void HelpWindow::ShowPage(const QUrl& page) {
    // Asking for the page already shown (the same menu item twice) goes to
    // its top again without adding a step to retrace.
    if (browser_->source() == page) {
        if (page.hasFragment()) {
            browser_->scrollToAnchor(page.fragment());
        } else {
            browser_->verticalScrollBar()->setValue(0);
        }
    } else {
        browser_->setSource(page);
    }
    TakeTitle();
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void HelpWindow::TakeTitle() {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? browser_->source().fileName() : title);
}

}  // namespace ranvik
