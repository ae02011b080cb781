// The saved-page browser of the main window: shown by a chart window's
// debug item, the chosen folder as SavedPageDir, the folder list's height
// cycle, and the lists dragged onto one another and onto the grids.
#include <gtest/gtest.h>

#include <QFileSystemModel>
#include <QListView>
#include <QTest>
#include <QTreeView>
#include <filesystem>

#include "chart/window/saved_page_browser.h"
#include "platform/ui/control_drag.h"
#include "platform/ui/keys.h"
#include "tests/chart/window/kind_switch_fixture.h"

namespace ranvik {
namespace {

// Twips as they come out in whole pixels.
int Tw(double twips) { return PixelsToTwips(TwipsToPixels(twips)); }

class SavedPageBrowserTest : public test::KindSwitchTest {
protected:
    SavedPageBrowser& Browser() { return SavedPageBrowser::Of(*form); }
    // The names File1 lists, once the model has read the folder (its
    // reading thread may be slow on a busy machine: up to 15 s).
    std::vector<std::string> Listed() {
        std::vector<std::string> names;
        for (int wait = 0; wait < 300; ++wait) {
            names.clear();
            const QModelIndex root = Browser().File1->rootIndex();
            const QAbstractItemModel* model = Browser().File1->model();
            for (int r = 0; r < model->rowCount(root); ++r) names.push_back(model->index(r, 0, root).data().toString().toStdString());
            if (!names.empty()) break;
            QTest::qWait(50);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(SavedPageBrowserTest, AChartWindowsDebugItemShowsAndHidesBothLists) {
    test::KindCountingForm3& w = Drawn();
    SavedPageBrowser& browser = Browser();
    EXPECT_TRUE(browser.Dir1->isHidden());
    EXPECT_TRUE(browser.File1->isHidden());
    for (bool on : {true, false, true}) {
        w.mnuFuncExItem_Click(7);
        EXPECT_EQ(Program().app.AppTitle, on ? "RanvikチャートsupDebug " : "Ranvikチャートsup ");
        EXPECT_EQ(browser.Dir1->isHidden(), !on);
        EXPECT_EQ(browser.File1->isHidden(), !on);
        EXPECT_EQ(&SavedPageBrowser::Of(*form), &browser);
    }
    // The main window's own debug item switches the mode and leaves the
    // lists as they are.
    form->mnuFuncExItem_Click(7);
    EXPECT_EQ(Program().app.DebugPages, kFalse);
    EXPECT_FALSE(browser.Dir1->isHidden());
    form->mnuFuncExItem_Click(7);
    EXPECT_EQ(Program().app.DebugPages, kTrue);
    w.mnuFuncExItem_Click(7);
    EXPECT_TRUE(browser.Dir1->isHidden());
    form->mnuFuncExItem_Click(7);
    EXPECT_TRUE(browser.Dir1->isHidden());
    EXPECT_TRUE(browser.File1->isHidden());
}

TEST_F(SavedPageBrowserTest, TheChosenFolderBecomesSavedPageDirEndingInTheSeparator) {
    Start();
    SavedPageBrowser& browser = Browser();
    // Until a folder is chosen, the start-up's folder stays.
    EXPECT_EQ(Program().app.SavedPageDir, dir.Path());
    std::filesystem::create_directories(dir.File("pages/old"));
    const struct {
        std::string chosen;
        std::string saved;
    } cases[] = {
        {dir.File("pages"), dir.File("pages/")},
        {dir.File("pages/old/"), dir.File("pages/old/")},
        {"/", "/"},  // a root already ends in the separator
        {dir.File(""), dir.Path()},
    };
    for (const auto& c : cases) {
        browser.ChooseFolder(c.chosen);
        EXPECT_EQ(Program().app.SavedPageDir, c.saved) << c.chosen;
    }
}

TEST_F(SavedPageBrowserTest, TheFileListShowsTheChosenFoldersPages) {
    Start();
    std::filesystem::create_directories(dir.File("pages"));
    for (const char* name : {"株HTML.htm", "株HEAD.htm", "list.html", "note.txt"}) test::WriteBytes(dir.File("pages/") + name, "x");
    Browser().ChooseFolder(dir.File("pages"));
    EXPECT_EQ(Listed(), (std::vector<std::string>{"株HEAD.htm", "株HTML.htm"}));
}

TEST_F(SavedPageBrowserTest, ElevenRightPressesBringTheFolderListBackToItsHeight) {
    Start();
    SavedPageBrowser& browser = Browser();
    ASSERT_EQ(browser.Dir1Height(), 1980);
    const double heights[] = {2180, 2380, 2580, 2780, 2980, 3180, 3380, 3580, 3780, 3980, 1980};
    for (double height : heights) {
        browser.Dir1_MouseDown(kRightButton, 0, 100, 100);
        EXPECT_EQ(browser.Dir1Height(), height);
        EXPECT_EQ(HeightOf(browser.Dir1), Tw(height));
        EXPECT_FALSE(browser.Drag()->Dragging());
    }
}

TEST_F(SavedPageBrowserTest, ADroppedListPutsTheGrabbedPointUnderTheDropPoint) {
    Start();
    SavedPageBrowser& browser = Browser();
    browser.File1_MouseDown(kRightButton, 0, 100, 40);
    EXPECT_TRUE(browser.Drag()->Dragging());
    EXPECT_EQ(browser.Drag()->Source(), browser.File1);
    browser.Drag()->EndDrag();
    browser.Dir1_MouseDown(kLeftButton, 0, 100, 40);
    EXPECT_EQ(browser.Drag()->Source(), browser.Dir1);
    browser.Drag()->EndDrag();
    EXPECT_EQ(browser.DragOffsetX, 100);
    EXPECT_EQ(browser.DragOffsetY, 40);

    for (QWidget* target : {static_cast<QWidget*>(form->MSFGrid1), static_cast<QWidget*>(form->MSF全Grid2),
                            static_cast<QWidget*>(browser.Dir1), static_cast<QWidget*>(browser.File1)}) {
        QWidget* source = target == browser.File1 ? static_cast<QWidget*>(browser.Dir1) : browser.File1;
        const int left = LeftOf(target);
        const int top = TopOf(target);
        browser.List_DragDrop(target, source, 500, 300);
        EXPECT_EQ(LeftOf(source), Tw(left + 400)) << target->objectName().toStdString();
        EXPECT_EQ(TopOf(source), Tw(top + 260)) << target->objectName().toStdString();
    }
}

TEST_F(SavedPageBrowserTest, AListDraggedWithTheMouseLandsOnATargetAndNowhereElse) {
    StartShown();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    SavedPageBrowser& browser = Browser();
    browser.SetVisible(true);
    QWidget* grid = form->MSFGrid1;
    QWindow* handle = form->windowHandle();
    auto dragFileList = [&](QWidget* over, QPoint where) {
        const QPoint start = browser.File1->viewport()->mapTo(form.get(), QPoint(8, 6));
        const QPoint end = over->mapTo(form.get(), where);
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QTest::mouseMove(handle, (start + end) / 2);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, end);
    };
    // Grabbed at (8, 6) pixels of the viewport, dropped at (20, 30) pixels
    // inside the grid's viewport.
    const QPoint inViewport = browser.File1->viewport()->mapTo(browser.File1, QPoint(8, 6));
    const QPoint dropInGrid = static_cast<QAbstractScrollArea*>(grid)->viewport()->mapTo(grid, QPoint(20, 30));
    dragFileList(static_cast<QAbstractScrollArea*>(grid)->viewport(), QPoint(20, 30));
    EXPECT_FALSE(browser.Drag()->Dragging());
    EXPECT_EQ(browser.File1->x(), grid->x() + dropInGrid.x() - inViewport.x());
    EXPECT_EQ(browser.File1->y(), grid->y() + dropInGrid.y() - inViewport.y());

    // Dropped on the toolbar strip, which takes no list: it stays.
    const QPoint before = browser.File1->pos();
    dragFileList(form->Picture1, QPoint(10, 10));
    EXPECT_FALSE(browser.Drag()->Dragging());
    EXPECT_EQ(browser.File1->pos(), before);
}

}  // namespace
}  // namespace ranvik
