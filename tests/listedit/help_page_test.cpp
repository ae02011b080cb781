// The list editor's 説明 item with the delivered manual in the help viewer.
#include <QPointer>
#include <filesystem>
#include <optional>

#include "platform/ui/qt_help_service.h"
#include "tests/listedit/form1_fixture.h"
#include "tests/support/help_pages.h"

namespace ranvik::listedit::test {
namespace {

class HelpPage : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        help_.emplace();
        viewer_ = &help_->Viewer();
    }
    void TearDown() override {
        help_.reset();
        Form1Test::TearDown();
    }

    std::optional<ranvik::test::InstalledHelpViewer> help_;
    QtHelpService* viewer_ = nullptr;
};

TEST_F(HelpPage, TheHelpItemShowsTheListEditorsPageAndClosingTheEditorClosesIt) {
    std::filesystem::copy_file(ranvik::test::DeliveredHelpFile(), dir.File("RanvikCManual.chm"));
    Form1& f = Start();
    f.mnuHelpItem->Choose(0);
    ASSERT_EQ(viewer_->Windows().size(), 1u);
    QPointer<HelpWindow> window = viewer_->Windows()[0];
    EXPECT_EQ(window->windowTitle().toStdString(), ranvik::test::HelpPageTitle("Manual\\RanvikC4.html"));
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_TRUE(window->isVisible());
    int cancel = 0;
    f.Form_Unload(cancel);
    EXPECT_EQ(cancel, 0);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(HelpPage, AMissingHelpFileShowsNothingAndNoMessage) {
    Form1& f = Start();
    f.mnuHelpItem->Choose(0);
    EXPECT_TRUE(viewer_->Windows().empty());
    // Message 054 is for a help component that cannot be called, not for a
    // missing file.
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(HelpPage, ThePageDescribesEveryMenuItemOfTheEditor) {
    Form1& f = Start();
    EXPECT_EQ(ranvik::test::CaptionsMissingFromPage(f.menuBar(), "Manual\\RanvikC4.html"), std::vector<std::string>{});
}

}  // namespace
}  // namespace ranvik::listedit::test
