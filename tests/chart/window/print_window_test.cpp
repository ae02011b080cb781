// Printing from the chart windows: the print settings window sends command
// 200 to each chosen window, which prints its page on the current printer;
// a window that is printing takes no command.
#include "platform/surface/printer.h"
#include "platform/ui/label_button.h"
#include "print/form6.h"
#include "tests/chart/window/chart_window_fixture.h"

#include <QCheckBox>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <filesystem>
#include <functional>
#include <regex>

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

std::string Tool(const char* name) { return QStandardPaths::findExecutable(name).toStdString(); }

std::string ToolOutput(const char* tool, const QStringList& arguments) {
    QProcess p;
    p.start(QString::fromStdString(Tool(tool)), arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).toStdString();
}

// Command 200 prints one page of a candlestick window on the current
// printer, here PDF files in a folder; any other kind prints nothing.
TEST_F(PrintFromWindows, Command200WritesOnePdfPageForCandlesOnly) {
    if (Tool("pdfinfo").empty() || Tool("pdftotext").empty()) GTEST_SKIP() << "poppler-utils are not installed";
    Start();
    RequestFile("1301d.KDT", "d");
    TempFolder out;
    std::shared_ptr<SystemPrinter> pdf = SystemPrinter::PdfInFolder(out.Path());
    Program().print.CurrentPrinter = pdf;
    Program().commands.ChartCommand = 200;
    Window(1)->CommCheck.SetValue(1);
    EXPECT_EQ(Window(1)->CommCheck.Value(), 0);
    EXPECT_EQ(F(1).PrintingNow, 0);
    EXPECT_TRUE(messages->shown.empty());
    ASSERT_EQ(pdf->WrittenFiles().size(), 1u);
    const QString path = QString::fromStdString(pdf->WrittenFiles()[0]);
    const std::string info = ToolOutput("pdfinfo", {path});
    EXPECT_TRUE(std::regex_search(info, std::regex(R"(Pages:\s+1\n)"))) << info;
    ASSERT_EQ(F(1).StockTitle.rfind("(日) ", 0), 0u);
    const std::string title = F(1).StockTitle.substr(std::string("(日) ").size());
    EXPECT_NE(ToolOutput("pdftotext", {"-layout", path, "-"}).find(title), std::string::npos) << title;

    // The same window showing the stock comparison prints nothing.
    Window(1)->Check2.SetValue(1);
    ASSERT_EQ(Window(1)->Check1.Value(), 0);
    Program().commands.ChartCommand = 200;
    Window(1)->CommCheck.SetValue(1);
    EXPECT_EQ(Window(1)->CommCheck.Value(), 0);
    EXPECT_EQ(pdf->WrittenFiles().size(), 1u);
    std::size_t files = 0;
    for (const auto& e : std::filesystem::directory_iterator(out.Path())) files += e.path().extension() == ".pdf";
    EXPECT_EQ(files, 1u);
    Program().print.CurrentPrinter.reset();
}

// With no printer the print run writes one PDF per window and says once
// where they went; a printer of the system says nothing.
TEST_F(PrintFromWindows, APrintRunIntoPdfFilesSaysOnceWhereTheyWent) {
    Start();
    RequestFile("1301d.KDT", "d");
    RunWindowMenu(8);
    RequestFile("6501d.KDT", "d");
    TempFolder out;
    std::shared_ptr<SystemPrinter> pdf = SystemPrinter::PdfInFolder(out.Path());
    Program().print.CurrentPrinter = pdf;
    Form6* f = Form6::ShowPrintSettings();
    f->Form_Activate();
    ASSERT_TRUE(f->Check1->isChecked());
    ASSERT_TRUE(f->Check2->isChecked());
    QTest::mouseClick(f->印刷実行, Qt::LeftButton);
    ASSERT_EQ(pdf->WrittenFiles().size(), 2u);
    ASSERT_EQ(messages->shown.size(), 1u);
    const auto& shown = messages->shown[0];
    EXPECT_EQ(shown.text, "プリンタが無いため、PDFファイルに印刷しました。    \r\n" + pdf->WrittenFiles()[0] + "\r\n" +
                              pdf->WrittenFiles()[1]);
    EXPECT_EQ(shown.title, "印刷設定");
    EXPECT_EQ(shown.icon, MessageIcon::Information);
    for (const std::string& file : pdf->WrittenFiles()) EXPECT_TRUE(std::filesystem::exists(file)) << file;

    // A printer that is no PDF folder: the run says nothing.
    auto printer = std::make_shared<RecordingPrinter>();
    Program().print.CurrentPrinter = printer;
    f = Form6::ShowPrintSettings();
    f->Form_Activate();
    QTest::mouseClick(f->印刷実行, Qt::LeftButton);
    EXPECT_EQ(printer->endDocs, 2);
    EXPECT_EQ(messages->shown.size(), 1u);
    Program().print.CurrentPrinter.reset();
}

// A printer whose end of the document runs something first: a command
// reaching the window while its job runs.
class InterruptingPrinter : public RecordingPrinter {
public:
    bool EndDoc() override {
        if (during) during();
        return RecordingPrinter::EndDoc();
    }
    std::function<void()> during;
};

TEST_F(PrintFromWindows, CommandsSentFromInsideTheJobAreDropped) {
    Start();
    RequestFile("1301d.KDT", "d");
    Form3& w = *Window(1);
    w.mnuColorItem_Click(2);
    auto printer = std::make_shared<InterruptingPrinter>();
    int seen = 0;
    std::int16_t printing = 0;
    printer->during = [&] {
        ++seen;
        printing = F(1).PrintingNow;
        // The colour menu, the toolbar's next colour and a quick-bar value,
        // each through the channel's handler as a set box raises it.
        w.mnuColorItem_Click(5);
        for (int code : {99, 1, 2, 200}) {
            Program().commands.ChartCommand = static_cast<std::int16_t>(code);
            w.CommCheck_Click();
        }
    };
    Program().print.CurrentPrinter = printer;
    const float viewWidth = F(1).ViewWidth;
    Program().commands.ChartCommand = 200;
    w.CommCheck.SetValue(1);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(printing, kTrue);
    EXPECT_EQ(printer->endDocs, 1);
    EXPECT_EQ(F(1).BackColorNo, 3);
    EXPECT_TRUE(w.Item("mnuColorItem", 2).Checked());
    EXPECT_EQ(F(1).ViewWidth, viewWidth);
    EXPECT_EQ(F(1).PrintingNow, 0);
    EXPECT_EQ(w.CommCheck.Value(), 0);
    // After the job the window takes commands again.
    w.mnuColorItem_Click(5);
    EXPECT_EQ(F(1).BackColorNo, 6);
}

}  // namespace
}  // namespace ranvik::test
