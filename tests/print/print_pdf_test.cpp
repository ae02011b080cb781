// The printed page as a PDF: one file per printed window, the paper's size
// and orientation, the texts read back.
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <filesystem>
#include <regex>
#include <string>

#include "tests/print/print_fixture.h"

namespace ranvik::test {
namespace {

std::string Tool(const char* name) { return QStandardPaths::findExecutable(name).toStdString(); }

std::string PdfText(const std::string& path) {
    QProcess p;
    p.start(QString::fromStdString(Tool("pdftotext")), {"-layout", QString::fromStdString(path), "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).toStdString();
}

// The page's width and height in points.
std::pair<double, double> MediaBox(const std::string& pdf) {
    static const std::regex box(R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])");
    std::smatch m;
    if (!std::regex_search(pdf, m, box)) return {0, 0};
    return {std::stod(m[3]) - std::stod(m[1]), std::stod(m[4]) - std::stod(m[2])};
}

TEST_F(PrintTest, PdfPerWindowOnTheChosenPaper) {
    if (Tool("pdftotext").empty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TempFolder out;
    std::unique_ptr<SystemPrinter> pdf = SystemPrinter::PdfInFolder(out.Path());
    w.paper = pdf.get();
    DataFileBuilder file(400);
    for (int r = 2; r <= file.LastRecord(); ++r) file[r].SellBalance = 300, file[r].BuyBalance = 700;
    file.Seal();
    Show(file);
    w.SetItem("mnuボリンジャ", 1, true);
    w.SetItem("mnuRSI", 1, true);
    w.fields.BandPeriod = 25;
    w.fields.OscPeriodDaily = 14;
    struct Case {
        bool portrait;
        bool a5;
        double width, height;  // points
    };
    const Case cases[] = {{false, false, 841.89, 595.28}, {true, true, 419.53, 595.28}};
    for (const Case& c : cases) {
        PrintOptions o;
        o.landscape = !c.portrait, o.portrait = c.portrait;
        o.A4size = !c.a5, o.A5size = c.a5;
        EXPECT_EQ(PrintChart(w, *pdf, o), PrintOutcome::Printed);
    }
    ASSERT_EQ(pdf->WrittenFiles().size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string& path = pdf->WrittenFiles()[i];
        const auto [width, height] = MediaBox(ReadBytes(path));
        EXPECT_NEAR(width, cases[i].width, 1) << path;
        EXPECT_NEAR(height, cases[i].height, 1) << path;
        const std::string text = PdfText(path);
        EXPECT_NE(text.find("極洋(日足)"), std::string::npos) << text;
        EXPECT_NE(text.find("ボリンジャバンド 25日"), std::string::npos) << text;
        std::string packed = text;
        std::erase(packed, ' ');
        EXPECT_NE(packed.find("RSI"), std::string::npos) << text;
        EXPECT_NE(text.find("80%"), std::string::npos) << text;
    }
    std::size_t files = 0;
    for (const auto& e : std::filesystem::directory_iterator(out.Path())) files += e.path().extension() == ".pdf";
    EXPECT_EQ(files, 2u);
    w.paper = &w.recording;
}

TEST_F(PrintTest, RefusedPageLeavesNoPdf) {
    TempFolder out;
    std::unique_ptr<SystemPrinter> pdf = SystemPrinter::PdfInFolder(out.Path());
    w.paper = pdf.get();
    Show(DataFileBuilder(60));
    w.checks[8] = 1;
    w.fields.MonthlyFileName = "gone.tmp";
    EXPECT_EQ(PrintChart(w, *pdf, {}), PrintOutcome::Refused);
    EXPECT_TRUE(std::filesystem::is_empty(out.Path()));
    EXPECT_TRUE(pdf->WrittenFiles().empty());
    w.checks[8] = 0;
    EXPECT_EQ(PrintChart(w, *pdf, {}), PrintOutcome::Printed);
    EXPECT_EQ(pdf->WrittenFiles().size(), 1u);
    w.paper = &w.recording;
}

}  // namespace
}  // namespace ranvik::test
