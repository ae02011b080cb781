#pragma once
// The pages of the delivered manual that the programs name, with the titles
// their help windows show, and a check that a page describes every item of
// a window's menu bar.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/qt_help_service.h"

namespace ranvik::test {

struct NamedHelpPage {
    const char* page;
    const char* title;
};

inline constexpr NamedHelpPage kNamedHelpPages[] = {
    {"Manual\\RanvikC4.html", "Tamelo 銘柄リストの編集"},
    {"Manual\\RanvikC5.html", "Ranvikチャート メイン画面"},
    {"Manual\\RanvikC6.html", "Ranvikチャート チャート表示窓"},
    {"Manual\\RanvikC8.html", "Ranvikチャート 株価データ収集"},
    {"Manual\\RanvikC9.html", "Ranvikチャート 株価データ保守"},
};

// The title of a named page ("" for a page the programs do not name).
inline std::string HelpPageTitle(const std::string& page) {
    for (const NamedHelpPage& named : kNamedHelpPages) {
        if (page == named.page) return named.title;
    }
    return {};
}

// The help viewer in place of the program's help service for as long as it
// lives; at its end every help window is closed and the service before it
// comes back.
class InstalledHelpViewer {
public:
    InstalledHelpViewer() {
        auto viewer = std::make_unique<QtHelpService>();
        viewer_ = viewer.get();
        previous_ = InstallHelpService(std::move(viewer));
    }
    ~InstalledHelpViewer() {
        viewer_->CloseAll({});
        InstallHelpService(std::move(previous_));
    }
    InstalledHelpViewer(const InstalledHelpViewer&) = delete;
    InstalledHelpViewer& operator=(const InstalledHelpViewer&) = delete;

    QtHelpService& Viewer() const { return *viewer_; }

private:
    QtHelpService* viewer_ = nullptr;
    std::unique_ptr<HelpService> previous_;
};

// The help file as the build delivers it in the program folder.
inline std::string DeliveredHelpFile() { return std::string(RANVIK_PROGRAM_DIR) + "/RanvikCManual.chm"; }

// The captions of the bar's menus and of their items, submenus included, that
// a user can see ("&" marks as written); separators and hidden items left out.
inline void VisibleCaptions(const QList<QAction*>& actions, std::vector<std::string>& captions) {
    for (QAction* action : actions) {
        if (!action->isVisible() || action->isSeparator()) continue;
        captions.push_back(action->text().toStdString());
        if (action->menu() != nullptr) VisibleCaptions(action->menu()->actions(), captions);
    }
}

// The visible captions of `bar` that the page of the delivered manual does
// not mention word for word.
inline std::vector<std::string> CaptionsMissingFromPage(QMenuBar* bar, const std::string& page) {
    QtHelpService help;
    const auto address = help.PageAddress(DeliveredHelpFile(), page);
    if (!address) return {"no page " + page};
    QTextBrowser browser;
    browser.setSource(*address);
    const std::string text = browser.toPlainText().toStdString();
    std::vector<std::string> captions;
    VisibleCaptions(bar->actions(), captions);
    std::vector<std::string> missing;
    for (const std::string& caption : captions) {
        if (text.find(caption) == std::string::npos) missing.push_back(caption);
    }
    if (captions.empty()) missing.push_back("no menu items at all");
    help.CloseAll({});
    return missing;
}

}  // namespace ranvik::test
