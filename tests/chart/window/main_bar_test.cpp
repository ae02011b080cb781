// What the chart window changes of the main window for its drawers: a
// caption's colour, whether the main window takes input, and the pointer
// over the whole screen.
#include <QApplication>
#include <QCursor>
#include <QLabel>

#include "chart/window/form3.h"
#include "platform/ui/control_colors.h"
#include "tests/core/main_window_fixture.h"

namespace ranvik {
namespace {

class MainBarTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        InstallChartWindowMaker();
    }
    void TearDown() override {
        while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
        MainWindowTest::TearDown();
    }
    Form3* Window(int no) { return static_cast<Form3*>(Program().windows.ChartWindow(no)); }
};

TEST_F(MainBarTest, CaptionColourEnabledStateAndPointer) {
    MDIForm1& main = Start();
    Form3* one = Window(1);
    ASSERT_NE(one, nullptr);
    const std::string caption = main.QuickLabels[7]->text().toStdString();
    one->SetMainLabelColor(7, RGB(150, 150, 150));
    EXPECT_EQ(ForeColorOf(main.QuickLabels[7]), RGB(150, 150, 150));
    EXPECT_EQ(main.QuickLabels[7]->text().toStdString(), caption);
    one->SetMainLabelColor(99, RGB(1, 2, 3));  // no such label: nothing

    one->SetMainWindowEnabled(false);
    EXPECT_FALSE(main.isEnabled());
    one->SetMainWindowEnabled(true);
    EXPECT_TRUE(main.isEnabled());

    // The hourglass twice is still one override; the default takes it away.
    one->SetScreenPointer(11);
    one->SetScreenPointer(11);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    one->SetScreenPointer(0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    one->SetScreenPointer(0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace ranvik
