// The help viewer: pages of a help file shown in a window of their own, links
// followed, Back, the failure rules and closing at exit.
#include "platform/ui/qt_help_service.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <filesystem>

#include "tests/support/test_support.h"

namespace ranvik {
namespace {

const std::string kHelpFile = RANVIK_FIXTURE_HELP_FILE;

// Where the link to `href` is drawn in the browser's viewport.
QPoint LinkPoint(QTextBrowser* browser, const QString& href) {
    QTextDocument* doc = browser->document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href) continue;
            QTextCursor cursor(doc);
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            return browser->cursorRect(cursor).center() - QPoint(3, 0);
        }
    }
    ADD_FAILURE() << "no link to " << href.toStdString();
    return {};
}

void ClickLink(QTextBrowser* browser, const QString& href) {
    const QPoint at = LinkPoint(browser, href);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
}

TEST(QtHelpService, PageNamesInsideTheHelpFile) {
    const struct {
        const char* page;
        const char* name;
    } cases[] = {
        {"Manual\\RanvikC5.html", "Manual/RanvikC5.html"},
        {"a.html", "a.html"},
        {"\\Manual\\\\.\\a.html", "Manual/a.html"},
        // Nothing outside the help file is reachable by a page name.
        {"Manual\\..\\..\\secret.html", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(HelpPageName(c.page).toStdString(), c.name) << c.page;
}

TEST(QtHelpService, APageOpensInAWindowOfItsOwnWithItsTitleInTheProgramsFont) {
    QtHelpService help;
    // Nothing of the help file is read before a page is asked for.
    EXPECT_FALSE(QFileInfo(":/ranvik-help").exists());
    help.ShowTopic(kHelpFile, "Manual\\first.html");
    ASSERT_EQ(help.Windows().size(), 1u);
    HelpWindow* window = help.Windows()[0];
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "一ページ目");
    EXPECT_EQ(window->Browser()->font().family(), QApplication::font().family());
    EXPECT_EQ(window->Browser()->document()->defaultFont().family(), QApplication::font().family());
    EXPECT_FALSE(window->BackAction()->isEnabled());
    EXPECT_EQ(window->BackAction()->text().toStdString(), "戻る");
    help.CloseAll(kHelpFile);
}

TEST(QtHelpService, LinksAreFollowedInPlaceAndBackRetracesThem) {
    QtHelpService help;
    help.ShowTopic(kHelpFile, "Manual\\first.html");
    ASSERT_EQ(help.Windows().size(), 1u);
    QPointer<HelpWindow> window = help.Windows()[0];
    QTextBrowser* browser = window->Browser();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

    // The link leads to the other page's end.
    ClickLink(browser, "second.html#end");
    EXPECT_EQ(window->windowTitle().toStdString(), "二ページ目");
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    ASSERT_TRUE(window->BackAction()->isEnabled());
    window->BackAction()->trigger();
    EXPECT_EQ(window->windowTitle().toStdString(), "一ページ目");
    EXPECT_FALSE(window->BackAction()->isEnabled());

    // The next page asked for comes in the same window, at its top.
    help.ShowTopic(kHelpFile, "Manual\\second.html");
    ASSERT_EQ(help.Windows().size(), 1u);
    EXPECT_EQ(help.Windows()[0], window.data());
    EXPECT_EQ(window->windowTitle().toStdString(), "二ページ目");
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(window->BackAction()->isEnabled());
    help.CloseAll(kHelpFile);
    EXPECT_TRUE(window.isNull());
}

TEST(QtHelpService, AMissingOrUnreadableHelpFileOrPageShowsNothing) {
    test::TempFolder dir;
    test::WriteBytes(dir.File("RanvikCManual.chm"), "not a help file at all");
    std::filesystem::create_directories(dir.File("folder.chm"));
    const struct {
        std::string helpFile;
        const char* page;
    } cases[] = {
        {dir.File("missing.chm"), "Manual\\first.html"},
        {dir.File("RanvikCManual.chm"), "Manual\\first.html"},
        {dir.File("folder.chm"), "Manual\\first.html"},
        {kHelpFile, "Manual\\missing.html"},
        {kHelpFile, "Manual"},
        {kHelpFile, "Manual\\..\\Manual\\first.html"},
        {kHelpFile, ""},
    };
    QtHelpService help;
    for (const auto& c : cases) {
        help.ShowTopic(c.helpFile, c.page);
        EXPECT_TRUE(help.Windows().empty()) << c.helpFile << " " << c.page;
    }
    help.CloseAll(kHelpFile);
}

TEST(QtHelpService, CloseAllClosesTheWindowsOfEveryHelpFileAndAHelpFileOpensAgainAfterwards) {
    test::TempFolder dir;
    std::filesystem::copy_file(kHelpFile, dir.File("copy.chm"));
    QtHelpService help;
    help.ShowTopic(kHelpFile, "Manual\\first.html");
    help.ShowTopic(dir.File("copy.chm"), "Manual\\second.html");
    ASSERT_EQ(help.Windows().size(), 2u);
    QPointer<HelpWindow> first = help.Windows()[0];
    QPointer<HelpWindow> second = help.Windows()[1];
    EXPECT_EQ(second->windowTitle().toStdString(), "二ページ目");
    help.CloseAll(kHelpFile);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
    EXPECT_TRUE(help.Windows().empty());
    // A closed help file is opened afresh when asked again.
    help.ShowTopic(dir.File("copy.chm"), "Manual\\first.html");
    ASSERT_EQ(help.Windows().size(), 1u);
    EXPECT_EQ(help.Windows()[0]->windowTitle().toStdString(), "一ページ目");
}

}  // namespace
}  // namespace ranvik
