// The printer backend writing PDF pages: paper sizes, orientation, the scale
// on paper, colour mode and Japanese text.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>
#include <filesystem>
#include <regex>

#include "platform/surface/printer_surface.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

struct Box {
    double width = 0;
    double height = 0;
};

// The first page's MediaBox in points.
Box MediaBox(const std::string& pdf) {
    static const std::regex box(R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])");
    std::smatch m;
    if (!std::regex_search(pdf, m, box)) return {};
    return {std::stod(m[3]) - std::stod(m[1]), std::stod(m[4]) - std::stod(m[2])};
}

constexpr double kPointsPerMm = 72 / 25.4;

void DrawSomething(PrinterSurface& p) {
    p.Scale(0, 0, 100, 100);
    p.Line(10, 10, 90, 90);
}

TEST(PrinterSurface, WritesAPageOfEachPaperSizeAndOrientation) {
    test::TempFolder folder;
    struct Case {
        int paper;
        double widthMm, heightMm;
    } cases[] = {{9, 210, 297}, {11, 148, 210}, {13, 182, 257}, {43, 100, 148}};
    for (const auto& c : cases) {
        for (int orientation : {1, 2}) {
            const std::string path = folder.File("page" + std::to_string(c.paper) + "-" +
                                                 std::to_string(orientation) + ".pdf");
            PrinterSurface printer(path);
            ASSERT_TRUE(printer.SetPaperSize(c.paper));
            ASSERT_TRUE(printer.SetOrientation(orientation));
            EXPECT_EQ(printer.PaperSize(), c.paper);
            const double w = orientation == 1 ? c.widthMm : c.heightMm;
            const double h = orientation == 1 ? c.heightMm : c.widthMm;
            // Width and Height are the paper in twips.
            EXPECT_NEAR(printer.Width(), w / 25.4 * 1440, 1) << c.paper;
            EXPECT_NEAR(printer.Height(), h / 25.4 * 1440, 1) << c.paper;
            DrawSomething(printer);
            ASSERT_TRUE(printer.EndDoc());
            const Box box = MediaBox(test::ReadBytes(path));
            EXPECT_NEAR(box.width, w * kPointsPerMm, 1) << c.paper << " " << orientation;
            EXPECT_NEAR(box.height, h * kPointsPerMm, 1) << c.paper << " " << orientation;
        }
    }
}

TEST(PrinterSurface, RefusesUnknownCodesAndChangesWhileAPageIsOpen) {
    test::TempFolder folder;
    PrinterSurface printer(folder.File("p.pdf"));
    EXPECT_EQ(printer.DeviceName(), "PDF");
    EXPECT_FALSE(printer.SetPaperSize(8));
    EXPECT_FALSE(printer.SetOrientation(3));
    EXPECT_FALSE(printer.SetPrintQuality(-2));
    EXPECT_FALSE(printer.SetColorMode(0));
    EXPECT_EQ(printer.PaperSize(), 9);
    EXPECT_EQ(printer.Orientation(), 1);
    EXPECT_EQ(printer.PrintQuality(), -3);
    EXPECT_EQ(printer.ColorMode(), 2);
    for (int q : {-1, -3, -4}) EXPECT_TRUE(printer.SetPrintQuality(q)) << q;
    DrawSomething(printer);
    EXPECT_TRUE(printer.PageStarted());
    EXPECT_FALSE(printer.SetPaperSize(11));
    EXPECT_TRUE(printer.EndDoc());
    EXPECT_TRUE(printer.SetPaperSize(11));
}

TEST(PrinterSurface, EndDocWithNothingDrawnWritesNothing) {
    test::TempFolder folder;
    PrinterSurface printer(folder.File("empty.pdf"));
    EXPECT_TRUE(printer.EndDoc());
    EXPECT_FALSE(std::filesystem::exists(folder.File("empty.pdf")));
}

TEST(PrinterSurface, APageThatCannotBeWrittenIsReportedAndLeavesNoFile) {
    test::TempFolder folder;
    const std::string path = folder.File("missing/sub/page.pdf");
    PrinterSurface printer(path);
    DrawSomething(printer);
    printer.Print("text");
    EXPECT_FALSE(printer.EndDoc());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(PrinterSurface, NeverScaledPageWorksInTwipsOfThePrintableArea) {
    test::TempFolder folder;
    PrinterSurface printer(folder.File("p.pdf"));
    EXPECT_NEAR(printer.ScaleWidth(), 11906, 1);
    EXPECT_NEAR(printer.ScaleHeight(), 16838, 1);
}

std::string Tool(const char* name) { return QStandardPaths::findExecutable(name).toStdString(); }

// The page drawn at 10 pixels per inch... by the PDF renderer of the system.
QImage Render(const std::string& pdf, int dpi) {
    const std::string pdftoppm = Tool("pdftoppm");
    if (pdftoppm.empty()) return {};
    QProcess p;
    p.start(QString::fromStdString(pdftoppm),
            {"-r", QString::number(dpi), "-singlefile", QString::fromStdString(pdf),
             QString::fromStdString(pdf + "-render")});
    p.waitForFinished(30000);
    return QImage(QString::fromStdString(pdf + "-render.ppm"));
}

TEST(PrinterSurface, PageKeepsTheUserScaleAndTheColourMode) {
    if (Tool("pdftoppm").empty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    test::TempFolder folder;
    for (int mode : {2, 1}) {
        const std::string path = folder.File("scale" + std::to_string(mode) + ".pdf");
        PrinterSurface printer(path);
        ASSERT_TRUE(printer.SetPaperSize(9));
        ASSERT_TRUE(printer.SetOrientation(2));
        ASSERT_TRUE(printer.SetColorMode(mode));
        // Prices upward, a margin of a tenth on each side, as the printed
        // chart sets its page.
        ASSERT_TRUE(printer.Scale(-10, 1200, 110, 1000));
        printer.Line(0, 1150, 50, 1100, QBColor(12), LineKind::FilledBox);
        ASSERT_TRUE(printer.EndDoc());
        const QImage page = Render(path, 36);
        ASSERT_FALSE(page.isNull());
        // Landscape A4 at 36 dpi: about 421 x 298 pixels.
        ASSERT_NEAR(page.width(), 421, 2);
        ASSERT_NEAR(page.height(), 298, 2);
        auto at = [&](double x, double y) {
            return page.pixel(static_cast<int>((x + 10) / 120 * page.width()),
                              static_cast<int>((1200 - y) / 200 * page.height()));
        };
        const QRgb inside = at(25, 1125);
        EXPECT_EQ(at(75, 1125), qRgb(255, 255, 255));
        EXPECT_EQ(at(25, 1050), qRgb(255, 255, 255));
        if (mode == 2) {
            EXPECT_EQ(inside, qRgb(255, 0, 0));
        } else {
            EXPECT_EQ(qRed(inside), qGreen(inside));
            EXPECT_EQ(qRed(inside), qBlue(inside));
            EXPECT_LT(qRed(inside), 200);
        }
    }
}

TEST(PrinterSurface, JapaneseTextIsInThePdf) {
    const std::string pdftotext = Tool("pdftotext");
    if (pdftotext.empty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    test::TempFolder folder;
    const std::string path = folder.File("text.pdf");
    PrinterSurface printer(path);
    printer.SetPaperSize(43);
    printer.SetFontSize(7);
    printer.SetCurrentX(200);
    printer.SetCurrentY(200);
    printer.Print("日足 + 移動平均", PrintEnd::SameLine);
    printer.PrintNumber(1234);
    printer.Print("ﾎﾞﾘﾝｼﾞｬﾊﾞﾝﾄﾞ　信用売残＋－");
    ASSERT_TRUE(printer.EndDoc());
    QProcess p;
    p.start(QString::fromStdString(pdftotext), {QString::fromStdString(path), "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("日足 + 移動平均"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("1234"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("ﾎﾞﾘﾝｼﾞｬﾊﾞﾝﾄﾞ"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("信用売残＋－"))) << text.toStdString();
    const std::string pdf = test::ReadBytes(path);
    EXPECT_NE(pdf.find("NotoSansCJK"), std::string::npos);
}

}  // namespace
}  // namespace ranvik
