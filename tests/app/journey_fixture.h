#pragma once
// The whole chart program as a user meets it: the main window shown with its
// real chart windows, maintenance window and company results window, in a
// temporary program folder with a long daily price history.  The tests drive
// it only with the mouse and the keyboard on what is on the screen (rows of
// the grids, menus of the bar shown, keys, the window tabs, caption buttons,
// the panes) and look at what the user would see after each step.  The web
// is a company page transfer that fails as an offline machine's does, the
// printer a recording one.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "chart/window/form3.h"
#include "company/company_pages.h"
#include "platform/surface/printer.h"
#include "print/form6.h"
#include "tests/chart/window/chart_window_fixture.h"

namespace ranvik::test {

class JourneyTest : public ChartWindowTestOf<Form3> {
protected:
    void SetUp() override {
        ChartWindowTestOf::SetUp();
        WriteUrlList({"投資情報0=https://indicators.example/ind", "投資情報1=https://results.example/fin"});
        // Some twenty years of trading days.
        WriteDataFile(dir.File("8306d.KDT"), 5105);
        // Offline: the request reports the transfer's error state.
        previousRequest_ = InstallCompanyPageRequest([](const std::string&, const PageStateHandler& state) {
            state(11);
            return PageReply{false, "<h1>offline</h1>"};
        });
        printer = std::make_shared<RecordingPrinter>();
        files_ = FolderBytes();
    }
    void TearDown() override {
        delete Form6::Instance();
        InstallCompanyPageRequest(previousRequest_);
        ChartWindowTestOf::TearDown();
    }

    // Started and shown as the program starts, its window active.
    MDIForm1& StartProgram() {
        MDIForm1& main = StartShown();
        Program().print.CurrentPrinter = printer;
        main.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
        QCoreApplication::processEvents();
        return main;
    }

    // The chart window in a slot, null while the slot is free.
    static ChartWindowBase* Slot(int no) { return Program().windows.ChartWindow(no); }

    // Lets posted work run: closed windows go, queued steps run.
    static void Settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // Chooses an item of a menu on the bar shown, as the mouse does: a click
    // on the menu's title opens it, a click on the item chooses it.
    void Choose(const std::string& menuTitle, const std::string& itemCaption) {
        QMenuBar* bar = ShownMenuBar(*form);
        ASSERT_NE(bar, nullptr);
        QAction* title = nullptr;
        for (QAction* a : bar->actions()) {
            if (a->text().toStdString() == menuTitle && a->isVisible()) title = a;
        }
        ASSERT_NE(title, nullptr) << menuTitle << " is not on the bar shown";
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(title).center());
        QMenu* menu = title->menu();
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); })) << menuTitle;
        QAction* item = nullptr;
        for (QAction* a : menu->actions()) {
            if (a->text().toStdString() == itemCaption && a->isVisible()) item = a;
        }
        ASSERT_NE(item, nullptr) << itemCaption;
        ASSERT_TRUE(item->isEnabled()) << itemCaption;
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
        // The window system gives the main window back its activation when
        // the menu closes (a window the item opened may keep it).
        Settle();
        form->activateWindow();
        (void)QTest::qWaitForWindowActive(form.get());
        Settle();
    }

    // A key typed while the main window's toolbar strip has the focus, as it
    // has after every click on a chart.
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        form->Picture1->setFocus();
        QTest::keyClick(form.get(), key, modifiers);
        Settle();
    }

    void DoubleClickFile(const std::string& file) {
        const int row = FileRow(file);
        ASSERT_NE(row, 0) << file;
        DoubleClickRow(*form->MSFGrid1, row);
        Settle();
    }

    void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
        Settle();
    }

    std::vector<std::string> Messages() {
        std::vector<std::string> texts = MessageTexts();
        messages->shown.clear();
        return texts;
    }

    // Pixels of a pane that differ from its background: 0 for an empty pane.
    static int Ink(ScreenSurface* pane) {
        const QImage image = pane->Image();
        if (image.isNull()) return 0;
        const QRgb background = image.pixel(0, 0);
        int ink = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) ink += image.pixel(x, y) != background ? 1 : 0;
        }
        return ink;
    }
    // Pixels of the column x and of the row y that differ between two
    // pictures of a pane.
    static int ChangedOnColumn(const QImage& a, const QImage& b, int x) {
        int changed = 0;
        for (int y = 0; y < a.height(); ++y) changed += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        return changed;
    }
    static int ChangedOnRow(const QImage& a, const QImage& b, int y) {
        int changed = 0;
        for (int x = 0; x < a.width(); ++x) changed += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        return changed;
    }

    // The program folder, every file by name with its bytes.
    std::map<std::string, std::string> FolderBytes() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
            if (entry.is_regular_file()) files[entry.path().filename().string()] = ReadBytes(entry.path().string());
        }
        return files;
    }
    // Names of the files present at the start whose bytes changed or that
    // are gone.
    std::vector<std::string> ChangedFiles() const {
        std::vector<std::string> changed;
        const auto now = FolderBytes();
        for (const auto& [name, bytes] : files_) {
            const auto it = now.find(name);
            if (it == now.end() || it->second != bytes) changed.push_back(name);
        }
        return changed;
    }
    // Names of files that were not there at the start, but for the lock
    // that keeps a second copy of the program from starting.
    std::vector<std::string> NewFiles() const {
        std::vector<std::string> added;
        for (const auto& [name, bytes] : FolderBytes()) {
            if (files_.count(name) == 0 && name != ".ranvikchart.lock") added.push_back(name);
        }
        return added;
    }

    std::shared_ptr<RecordingPrinter> printer;

private:
    CompanyPageRequest previousRequest_;
    std::map<std::string, std::string> files_;
};

}  // namespace ranvik::test
