// The chart program given a path that names no regular file: on its command
// line, through a data-file grid row whose file was swapped meanwhile, as
// its own settings, lists and pages, and in the saved-page folder.  The
// missing-data message where a file is shown, the main window up, no wait,
// nothing made or changed.
#include <QListView>
#include <QTest>
#include <iostream>

#include "chart/window/saved_page_browser.h"
#include "tests/chart/window/chart_window_fixture.h"
#include "tests/support/hang_guard.h"
#include "tests/support/path_shapes.h"

namespace ranvik {
namespace {

using test::PathShape;

class OddPathTest : public test::ChartWindowTest {
protected:
    void TearDown() override {
        test::UnlockPathShapes(odd.Path());
        SetCommandLine("");
        test::ChartWindowTest::TearDown();
    }
    test::TempFolder odd;  // the shapes, apart from the program folder
};

TEST_F(OddPathTest, TheCommandLineNamesSomethingElseThanAStockDataFile) {
    for (PathShape shape : test::kAllPathShapes) {
        const char* what = test::NameOf(shape);
        if (!test::ShapeHoldsHere(shape)) {
            std::cout << "skipped: " << what << " (run as root, who may search every folder; the platform test "
                      << "tries it without root's powers)\n";
            continue;
        }
        const std::string path = test::MakePathShape(odd.Path(), "1301d.KDT", shape, test::DataFileBytes(40));
        const auto before = test::FolderContents(odd.Path());
        SetCommandLine("\"" + path + "\"");
        messages->shown.clear();
        {
            test::HangGuard bound(std::string("start-up with ") + what + " on the command line");
            StartShown();
            QApplication::processEvents();
        }
        const bool drawn = shape == PathShape::Regular;
        EXPECT_TRUE(form->isVisible()) << what;
        ASSERT_NE(Window(1), nullptr) << what;
        EXPECT_EQ(F().ChartShown, drawn ? 1 : 0) << what;
        EXPECT_EQ(F().DataFileName.empty(), !drawn) << what;
        EXPECT_EQ(MessageTexts(), drawn ? std::vector<std::string>{} : std::vector<std::string>{"302, 株価データが無い    "})
            << what;
        EXPECT_EQ(test::FolderContents(odd.Path()), before) << what;
        form->close();
        form.reset();
        test::UnlockPathShapes(odd.Path());
        for (const auto& entry : std::filesystem::directory_iterator(odd.Path())) std::filesystem::remove_all(entry.path());
    }
}

// The grid lists regular files only; a file replaced after the listing is
// met when its row is double-clicked.
TEST_F(OddPathTest, AGridRowWhoseFileWasReplaced) {
    const PathShape shapes[] = {PathShape::Empty, PathShape::Folder, PathShape::Pipe, PathShape::DanglingLink,
                                PathShape::LinkLoop};
    StartShown();
    for (PathShape shape : shapes) {
        const char* what = test::NameOf(shape);
        test::WriteDataFile(dir.File("6501d.KDT"), 300);
        form->FillDataFileList(dir.Path());
        std::filesystem::remove(dir.File("6501d.KDT"));
        test::MakePathShape(dir.Path(), "6501d.KDT", shape, "");
        const auto before = test::FolderContents(dir.Path());
        messages->shown.clear();
        {
            test::HangGuard bound(std::string("a double click on the row of ") + what);
            RequestFile("6501d.KDT", "d");
        }
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{"302, 株価データが無い    "}) << what;
        EXPECT_EQ(F().ChartShown, 0) << what;
        EXPECT_EQ(test::FolderContents(dir.Path()), before) << what;
        for (const char* name : {"6501d.KDT", "6501d.KDT.loop"}) std::filesystem::remove_all(dir.File(name));
    }
    // The window goes on: a real file draws.
    RequestFile("1301d.KDT", "d");
    EXPECT_EQ(F().ChartShown, 1);
}

// The program's own files as odd paths: the start-up, a drawn chart and the
// shut-down go as they go without those files, and leave them as they were.
TEST_F(OddPathTest, TheProgramsOwnFilesAreSomethingElse) {
    const char* const names[] = {"Ranvikchart.ini",   "Ranvikchart.org.txt",     "MyURL.txt", "チャートNEWS.etxt",
                                 "全銘柄リスト.eTBL", "東証プライムリスト.eTBL", "株HTML.htm"};
    for (const char* name : names) std::filesystem::remove(dir.File(name));
    auto run = [&](const std::string& what) {
        test::HangGuard bound("start-up, a chart and shut-down over program files that are " + what);
        messages->shown.clear();
        StartShown();
        QApplication::processEvents();
        RequestFile("1301d.KDT", "d");
        EXPECT_EQ(F().ChartShown, 1) << what;
        form->close();
        form.reset();
        return MessageTexts();
    };
    // The first run makes the program's lock file; the run without the
    // files changes nothing else.
    run("missing");
    const auto before = test::FolderContents(dir.Path());
    const std::vector<std::string> missing = run("missing");
    ASSERT_EQ(test::FolderContents(dir.Path()), before) << "the test expects a run that changes no file";
    for (PathShape shape : {PathShape::Folder, PathShape::Pipe, PathShape::DanglingLink, PathShape::LinkLoop}) {
        const char* what = test::NameOf(shape);
        for (const char* name : names) test::MakePathShape(dir.Path(), name, shape, "");
        const auto made = test::FolderContents(dir.Path());
        EXPECT_EQ(run(what), missing) << what;
        EXPECT_EQ(test::FolderContents(dir.Path()), made) << what;
        for (const char* name : names) {
            std::filesystem::remove_all(dir.File(name));
            std::filesystem::remove(dir.File(std::string(name) + ".loop"));
        }
    }
}

// The saved-page browser shown over a folder whose pages are odd paths:
// the folder is taken, the lists fill without waiting, nothing is opened.
TEST_F(OddPathTest, TheSavedPageFolderHoldsOddPaths) {
    StartShown();
    const std::string pages = odd.Path();
    const struct {
        const char* name;
        PathShape shape;
    } entries[] = {{"株HTML.htm", PathShape::Regular},       {"株HTML2.htm", PathShape::Pipe},
                   {"株HTML3.htm", PathShape::LinkLoop},     {"株HTML4.htm", PathShape::DanglingLink},
                   {"株HTML5.htm", PathShape::Folder},       {"株HTML6.htm", PathShape::NoSearch}};
    for (const auto& e : entries) test::MakePathShape(pages, e.name, e.shape, "<html></html>");
    const auto before = test::FolderContents(pages);
    {
        test::HangGuard bound("the saved-page browser over odd paths");
        SavedPageBrowser& browser = SavedPageBrowser::Of(*form);
        browser.SetVisible(true);
        browser.ChooseFolder(pages);
        QListView& files = *browser.File1;
        bool listed = false;
        for (int wait = 0; wait < 200 && !listed; ++wait) {
            QTest::qWait(50);
            for (int r = 0; r < files.model()->rowCount(files.rootIndex()); ++r)
                listed = listed || files.model()->index(r, 0, files.rootIndex()).data().toString() == "株HTML.htm";
        }
        EXPECT_TRUE(listed);
    }
    EXPECT_EQ(Program().app.SavedPageDir, pages);
    EXPECT_EQ(test::FolderContents(pages), before);
}

}  // namespace
}  // namespace ranvik
