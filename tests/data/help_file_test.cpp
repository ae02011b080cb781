// The manual as the build delivers it: the pages the programs name, the links
// between pages, and the characters the help viewer can show.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFileInfo>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>
#include <set>

#include "platform/ui/qt_help_service.h"
#include "tests/support/help_pages.h"

namespace ranvik {
namespace {

class DeliveredHelpFile : public testing::Test {
protected:
    void TearDown() override { help.CloseAll(test::DeliveredHelpFile()); }

    // Every page of the help file, by address.
    std::vector<QUrl> Pages() {
        const std::optional<QUrl> start = help.PageAddress(test::DeliveredHelpFile(), "Manual\\RanvikC5.html");
        if (!start) {
            ADD_FAILURE() << "the help file does not hold the main window's page";
            return {};
        }
        const QString root = start->path().section('/', 0, 2);  // "/ranvik-help/<n>"
        std::vector<QUrl> pages;
        QDirIterator it(":" + root, {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QUrl page;
            page.setScheme("qrc");
            page.setPath(it.next().mid(1));
            pages.push_back(page);
        }
        return pages;
    }

    QtHelpService help;
};

// The links of a shown page (targets as written) and the anchors it holds.
struct Links {
    std::vector<QString> hrefs;
    std::set<QString> anchors;
};
Links LinksOf(const QTextDocument& doc) {
    Links links;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.anchorHref().isEmpty()) links.hrefs.push_back(format.anchorHref());
            for (const QString& name : format.anchorNames()) links.anchors.insert(name);
        }
    }
    return links;
}

TEST_F(DeliveredHelpFile, EveryPageTheProgramsNameOpensInTheViewerWithItsTitle) {
    for (const test::NamedHelpPage& named : test::kNamedHelpPages) {
        help.ShowTopic(test::DeliveredHelpFile(), named.page);
        ASSERT_EQ(help.Windows().size(), 1u) << named.page;
        HelpWindow* window = help.Windows()[0];
        EXPECT_EQ(window->windowTitle().toStdString(), named.title) << named.page;
        // A page, not an empty or unreadable one.
        EXPECT_GT(window->Browser()->toPlainText().size(), 2000) << named.page;
    }
}

TEST_F(DeliveredHelpFile, EveryLinkBetweenPagesResolvesToAPageAndAnchor) {
    const std::vector<QUrl> pages = Pages();
    ASSERT_GE(pages.size(), std::size(test::kNamedHelpPages));
    QTextBrowser browser;
    std::set<QString> reached;
    for (const QUrl& page : pages) {
        browser.setSource(page);
        for (const QString& href : LinksOf(*browser.document()).hrefs) {
            const QUrl target = page.resolved(QUrl(href));
            // The manual is read without a network: no address leads outside.
            const std::string where = page.path().toStdString() + ": " + href.toStdString();
            EXPECT_EQ(target.scheme().toStdString(), "qrc") << where;
            if (!QFileInfo(":" + target.path()).isFile()) {
                ADD_FAILURE() << "no such page, " << where;
                continue;
            }
            if (target.path() != page.path()) reached.insert(target.path());
            if (!target.hasFragment()) continue;
            QTextBrowser other;
            other.setSource(target.adjusted(QUrl::RemoveFragment));
            EXPECT_EQ(LinksOf(*other.document()).anchors.count(target.fragment()), 1u) << "no such place, " << where;
        }
    }
    // Every page can be reached from another one.
    for (const QUrl& page : pages) EXPECT_EQ(reached.count(page.path()), 1u) << page.path().toStdString();
}

TEST_F(DeliveredHelpFile, EveryCharacterOfEveryPageHasAGlyphInTheViewersFonts) {
    const std::vector<QUrl> pages = Pages();
    ASSERT_FALSE(pages.empty());
    for (const QUrl& page : pages) {
        QTextBrowser browser;
        browser.setSource(page);
        QTextDocument* doc = browser.document();
        doc->setTextWidth(760);
        // Drawing the page lays out every block with the fonts the screen
        // would use, fallback fonts included.
        QImage image(800, static_cast<int>(doc->size().height()) + 1, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        doc->drawContents(&painter);
        painter.end();
        int glyphs = 0;
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            const QTextLayout* layout = block.layout();
            for (int line = 0; line < layout->lineCount(); ++line) {
                for (const QGlyphRun& run : layout->lineAt(line).glyphRuns()) {
                    for (quint32 glyph : run.glyphIndexes()) {
                        ++glyphs;
                        // Glyph 0 is the font's empty box shown for a
                        // character that no font has.
                        EXPECT_NE(glyph, 0u) << page.path().toStdString() << ": " << block.text().toStdString();
                    }
                }
            }
        }
        EXPECT_GT(glyphs, 500) << page.path().toStdString();
    }
}

}  // namespace
}  // namespace ranvik
