// The help menus of the chart program with the delivered manual in the help
// viewer: the page each window's 説明 item shows by what is on the screen.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QStackedWidget>
#include <filesystem>
#include <optional>

#include "platform/ui/qt_help_service.h"
#include "tests/chart/window/kind_switch_fixture.h"
#include "tests/support/help_pages.h"

namespace ranvik {
namespace {

class HelpPages : public test::KindSwitchTest {
protected:
    void SetUp() override {
        KindSwitchTest::SetUp();
        std::filesystem::copy_file(test::DeliveredHelpFile(), dir.File("RanvikCManual.chm"));
        help_.emplace();
        viewer_ = &help_->Viewer();
    }
    void TearDown() override {
        help_.reset();
        KindSwitchTest::TearDown();
    }
    // The caption of the one help window, "" when none is open.
    std::string Shown() const {
        const auto windows = viewer_->Windows();
        EXPECT_LE(windows.size(), 1u);
        if (windows.empty()) return {};
        EXPECT_TRUE(windows[0]->isVisible());
        EXPECT_EQ(windows[0]->parentWidget(), nullptr);
        return windows[0]->windowTitle().toStdString();
    }

    std::optional<test::InstalledHelpViewer> help_;
    QtHelpService* viewer_ = nullptr;
};

TEST_F(HelpPages, EachWindowsHelpItemShowsThePageOfWhatIsOnTheScreen) {
    test::KindCountingForm3& chart = Drawn();
    const auto title = [](const char* page) { return test::HelpPageTitle(page); };
    EXPECT_EQ(Shown(), "");
    // A chart window is active: the main window's item names the chart
    // window's page, the chart window's own item the main window's.
    form->Item("mnuHelpItem", 1).Choose();
    EXPECT_EQ(Shown(), title("Manual\\RanvikC6.html"));
    chart.Item("mnuHelpItem", 0).Choose();
    EXPECT_EQ(Shown(), title("Manual\\RanvikC5.html"));
    // The collection panel, while open, decides in both windows.
    chart.Item("mnuSelToolItem", 3).Choose();
    ASSERT_FALSE(form->Picture11->isHidden());
    form->Item("mnuHelpItem", 1).Choose();
    EXPECT_EQ(Shown(), title("Manual\\RanvikC8.html"));
    chart.Item("mnuHelpItem", 0).Choose();
    EXPECT_EQ(Shown(), title("Manual\\RanvikC8.html"));
    chart.Item("mnuSelToolItem", 3).Choose();
    ASSERT_TRUE(form->Picture11->isHidden());
    // The data maintenance window has a page of its own.
    chart.Item("mnuSelToolItem", 1).Choose();
    ASSERT_NE(Program().windows.MaintenanceWindow, nullptr);
    Program().windows.MaintenanceWindow->Item("mnuHelpItem", 0).Choose();
    EXPECT_EQ(Shown(), title("Manual\\RanvikC9.html"));
    Program().windows.MaintenanceWindow->Frame()->close();
    // No child window: the main window's page.
    chart.mnuMadoClose_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(form->ActiveChild(), nullptr);
    form->Item("mnuHelpItem", 1).Choose();
    EXPECT_EQ(Shown(), title("Manual\\RanvikC5.html"));
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(HelpPages, TheHelpWindowClosesWithTheProgramAndAMissingHelpFileShowsNothing) {
    StartShown();
    std::filesystem::remove(dir.File("RanvikCManual.chm"));
    form->Item("mnuHelpItem", 1).Choose();
    EXPECT_EQ(Shown(), "");
    test::WriteBytes(dir.File("RanvikCManual.chm"), test::ReadBytes(test::DeliveredHelpFile()));
    form->Item("mnuHelpItem", 1).Choose();
    ASSERT_EQ(viewer_->Windows().size(), 1u);
    QPointer<HelpWindow> window = viewer_->Windows()[0];
    form->close();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(HelpPages, EachPageDescribesEveryMenuItemOfItsWindow) {
    test::KindCountingForm3& chart = Drawn();
    using V = std::vector<std::string>;
    auto* bars = qobject_cast<QStackedWidget*>(form->menuWidget());
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(test::CaptionsMissingFromPage(qobject_cast<QMenuBar*>(bars->widget(0)), "Manual\\RanvikC5.html"), V{});
    EXPECT_EQ(test::CaptionsMissingFromPage(chart.MenuBar(), "Manual\\RanvikC6.html"), V{});
    chart.Item("mnuSelToolItem", 1).Choose();
    ASSERT_NE(Program().windows.MaintenanceWindow, nullptr);
    EXPECT_EQ(test::CaptionsMissingFromPage(Program().windows.MaintenanceWindow->MenuBar(), "Manual\\RanvikC9.html"),
              V{});
}

}  // namespace
}  // namespace ranvik
