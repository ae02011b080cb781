// Printing from the chart windows: the print settings window sends command
// 200 to each chosen window, which prints its page on the current printer;
// a window that is printing takes no command.
#include "platform/surface/printer.h"
#include "print/form6.h"
#include "tests/chart/window/chart_window_fixture.h"

#include <QCheckBox>
#include <QRadioButton>

namespace ranvik::test {
namespace {

class PrintFromWindows : public ChartWindowTest {
protected:
    void TearDown() override {
        delete Form6::Instance();
        ChartWindowTest::TearDown();
    }
};

TEST_F(PrintFromWindows, EachChosenWindowPrintsOnePage) {
    Start();
    RequestFile("1301d.KDT", "d");
    RunWindowMenu(8);
    RequestFile("6501d.KDT", "d");
    auto printer = std::make_shared<RecordingPrinter>();
    printer->refuse.insert("PaperSize 11");
    Program().print.CurrentPrinter = printer;
    Form6* f = Form6::ShowPrintSettings();
    f->Form_Activate();
    ASSERT_TRUE(f->Check1->isChecked());
    ASSERT_TRUE(f->Check2->isChecked());
    EXPECT_FALSE(f->A5size->isEnabled());
    printer->settings.clear();
    f->印刷実行_Click();
    EXPECT_EQ(printer->endDocs, 2);
    EXPECT_EQ(printer->settings.size(), 8u);
    EXPECT_EQ(Form6::Instance(), nullptr);
    for (int no = 1; no <= 2; ++no) {
        EXPECT_EQ(F(no).PrintingNow, 0);
        EXPECT_EQ(Window(no)->CommCheck.Value(), 0);
    }
    // The page of the last window was drawn: its title, less the period
    // mark "(日) " in front, with the period.
    ASSERT_EQ(F(2).StockTitle.rfind("(日) ", 0), 0u);
    const std::string title = F(2).StockTitle.substr(std::string("(日) ").size()) + "(日足)    ";
    bool titled = false;
    for (const auto& t : printer->Recorder().CallsOf(RecordedCall::Kind::Text)) titled |= t.text.rfind(title, 0) == 0;  // the overlay legend may follow
    EXPECT_TRUE(titled) << title;
}

TEST_F(PrintFromWindows, ThePrintItemOpensOneModelessSettingsWindow) {
    Start();
    RequestFile("1301d.KDT", "d");
    ASSERT_EQ(Form6::Instance(), nullptr);
    ASSERT_TRUE(Window(1)->Item("mnuPrt", 1).Enabled());
    Window(1)->Item("mnuPrt", 1).Choose();
    Form6* f = Form6::Instance();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(f->isModal());
    // A second choice raises the same window rather than opening another.
    Window(1)->mnuPrt_Click();
    EXPECT_EQ(Form6::Instance(), f);
}

TEST_F(PrintFromWindows, APrintingWindowOnlyClearsTheCommand) {
    Start();
    RequestFile("1301d.KDT", "d");
    auto printer = std::make_shared<RecordingPrinter>();
    Program().print.CurrentPrinter = printer;
    Program().commands.ChartCommand = 200;
    F(1).PrintingNow = kTrue;
    Window(1)->CommCheck.SetValue(1);
    EXPECT_EQ(Window(1)->CommCheck.Value(), 0);
    EXPECT_EQ(printer->endDocs, 0);
    EXPECT_TRUE(printer->settings.empty());
    F(1).PrintingNow = 0;
}

}  // namespace
}  // namespace ranvik::test
