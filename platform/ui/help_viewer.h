#pragma once
// The window that shows the manual: one page at a time in the program's
// fonts, with the links between pages followed in place and a Back button
// that retraces them.  It has no owner window, so it stays open beside the
// program and is closed only by the user or by the help service at exit.
#include <QUrl>
#include <QWidget>

class QAction;
class QTextBrowser;

namespace ranvik {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    // Shows `page` (a file or resource address) and brings the window to the
    // front; the page's title becomes the window's caption.
    void ShowPage(const QUrl& page);

    QTextBrowser* Browser() const { return browser_; }
    QAction* BackAction() const { return back_; }

private:
    void TakeTitle();

    QTextBrowser* browser_;
    QAction* back_;
};

}  // namespace ranvik
