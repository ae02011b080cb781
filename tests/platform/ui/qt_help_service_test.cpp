#include "platform/ui/qt_help_service.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "tests/support/test_support.h"

namespace ranvik {
namespace {

// Takes the place of the desktop's browser: file addresses opened while it
// lives are recorded instead of shown.
class OpenedPages : public QObject {
    Q_OBJECT
public:
    OpenedPages() { QDesktopServices::setUrlHandler("file", this, "Open"); }
    ~OpenedPages() override { QDesktopServices::unsetUrlHandler("file"); }
    std::vector<std::string> paths;

public slots:
    void Open(const QUrl& url) { paths.push_back(url.toLocalFile().toStdString()); }
};

TEST(QtHelpService, PagesLieInTheFolderNamedAfterTheHelpFile) {
    EXPECT_EQ(HelpPagePath("/prog/RanvikCManual.chm", "Manual\\RanvikC5.html"),
              "/prog/RanvikCManual/Manual/RanvikC5.html");
    EXPECT_EQ(HelpPagePath("/prog.d/help", "a.html"), "/prog.d/help/a.html");
}

TEST(QtHelpService, APageThatIsThereOpensInTheBrowser) {
    test::TempFolder dir;
    std::filesystem::create_directories(dir.File("RanvikCManual/Manual"));
    test::WriteBytes(dir.File("RanvikCManual/Manual/RanvikC6.html"), "<html></html>");
    OpenedPages opened;
    QtHelpService help;
    help.ShowTopic(dir.File("RanvikCManual.chm"), "Manual\\RanvikC6.html");
    EXPECT_EQ(opened.paths, std::vector<std::string>{dir.File("RanvikCManual/Manual/RanvikC6.html")});
}

TEST(QtHelpService, AMissingHelpPageOpensNothingAndCreatesNothing) {
    test::TempFolder dir;
    OpenedPages opened;
    QtHelpService help;
    // Neither the help file nor the page exists; the help folder holds
    // another page only.
    help.ShowTopic(dir.File("RanvikCManual.chm"), "Manual\\RanvikC5.html");
    std::filesystem::create_directories(dir.File("RanvikCManual/Manual"));
    test::WriteBytes(dir.File("RanvikCManual/Manual/RanvikC6.html"), "");
    help.ShowTopic(dir.File("RanvikCManual.chm"), "Manual\\RanvikC5.html");
    help.CloseAll(dir.File("RanvikCManual.chm"));
    EXPECT_TRUE(opened.paths.empty());
    std::vector<std::string> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path())) {
        tree.push_back(std::filesystem::relative(entry.path(), dir.Path()).string());
    }
    std::sort(tree.begin(), tree.end());
    EXPECT_EQ(tree, (std::vector<std::string>{"RanvikCManual", "RanvikCManual/Manual",
                                              "RanvikCManual/Manual/RanvikC6.html"}));
}

}  // namespace
}  // namespace ranvik

#include "qt_help_service_test.moc"
