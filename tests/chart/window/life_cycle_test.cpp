// A chart window's load values, its command-line file, the title blink and
// its unload.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <memory>
#include <type_traits>

#include "platform/ui/control_colors.h"
#include "tests/chart/window/chart_window_fixture.h"

namespace ranvik {
namespace {

using test::ChartWindowTest;
using test::RecordingForm3;

// The declared types of the fields that later drawers rely on.
using S = ChartWindowState;
static_assert(std::is_same_v<decltype(S::ChartShown), double>);       // number
static_assert(std::is_same_v<decltype(S::FirstRecord), std::int16_t>);
static_assert(std::is_same_v<decltype(S::ViewWidth), float>);
static_assert(std::is_same_v<decltype(S::CrossX), double>);
static_assert(std::is_same_v<decltype(S::CrossY), float>);
static_assert(std::is_same_v<decltype(S::CorrectionFactors), std::array<float, 6>>);
static_assert(std::is_same_v<decltype(S::VolumeAvgPeriods), std::array<std::int16_t, 3>>);
static_assert(std::is_same_v<decltype(S::StockCode4), FixedText<4>>);
static_assert(std::is_same_v<decltype(S::FirstShownDate), FixedText<8>>);

TEST_F(ChartWindowTest, ANewWindowStartsWithItsLoadValues) {
    Program().collection.WebDataFetched = 1;
    Start();
    const ChartWindowState& f = F();
    EXPECT_EQ(f.ChartShown, 0);
    EXPECT_EQ(f.PeriodUnit.Text(), " ");
    EXPECT_EQ(f.ClipLevelH, 100);
    EXPECT_EQ(f.ClipLevelL, 0);
    EXPECT_EQ(f.BackColorNo, 1);
    EXPECT_EQ(f.BandVolumeScale, 8);
    EXPECT_EQ(f.WindowNo, 1);
    EXPECT_EQ(f.VolumeAreaRatio, 7);
    EXPECT_EQ(f.StockSource, 1);
    EXPECT_EQ(f.PrintingNow, 0);
    EXPECT_EQ(f.PartialViewWidth, 903);
    EXPECT_EQ(f.ViewWidth, 903);
    EXPECT_EQ(f.PriceTop, 5000);
    EXPECT_EQ(f.PriceBottom, 1000);
    EXPECT_EQ(f.CrossX, -2000);
    EXPECT_EQ(f.CrossY, -2000);
    for (double value : {static_cast<double>(f.CompareTopPct), static_cast<double>(f.CompareBottomPct),
                         static_cast<double>(f.BandPeriod), static_cast<double>(f.EnvelopePct), f.OscPeriodWeekly,
                         static_cast<double>(f.OscPeriodDaily), static_cast<double>(f.VolumeIndicatorPeriod),
                         static_cast<double>(f.KagiPct), static_cast<double>(f.PnfBoxSize), f.MacdShortPeriod,
                         f.MacdLongPeriod, static_cast<double>(f.MacdSignalPeriod), static_cast<double>(f.ReversePeriod)}) {
        EXPECT_EQ(value, 0);
    }
    EXPECT_EQ(f.YearCompareStartYear.Text(), "  ");
    EXPECT_EQ(f.DataFileName, "");
    EXPECT_EQ(f.CorrectionWanted, -1);
    // 1310 twips as the pane shows it, in whole pixels.
    EXPECT_EQ(f.IndicatorPaneHeight, HeightOf(Window(1)->Picture3));
    EXPECT_NEAR(f.IndicatorPaneHeight, 1310, 7.5);
    EXPECT_EQ(Program().collection.WebDataFetched, 0);

    RecordingForm3& w = *Window(1);
    EXPECT_EQ(w.Timer1->interval(), 500);
    EXPECT_FALSE(w.Timer1->isActive());
    for (int box : {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12}) EXPECT_EQ(w.CheckValue(box), box == 1 ? 1 : 0) << box;
    EXPECT_EQ(w.Slider1->minimum(), 150);
    EXPECT_EQ(w.Slider1->maximum(), 2000);
    EXPECT_EQ(w.Slider1->value(), 903);
    EXPECT_EQ(w.Slider1->singleStep(), 7);
    EXPECT_EQ(w.Slider1->pageStep(), 49);
    EXPECT_EQ(w.Slider1->tickInterval(), 50);
    EXPECT_EQ(w.HScroll1->pageStep(), 365);
    EXPECT_TRUE(w.Label1->text().isEmpty());
    EXPECT_EQ(LeftOf(w.Label1), 60);
    EXPECT_EQ(TopOf(w.Label1), 15);  // 10 twips: the nearest pixel
    EXPECT_EQ(TopOf(w.Picture1), TopOf(w.Label1) + HeightOf(w.Label1));
    for (QWidget* pane : {static_cast<QWidget*>(w.Picture1), static_cast<QWidget*>(w.Picture3),
                          static_cast<QWidget*>(w.HScroll1)}) {
        EXPECT_EQ(LeftOf(pane), 30);
    }
    EXPECT_EQ(w.Picture10->pos(), QPoint(0, 0));
    EXPECT_TRUE(w.Item("mnuGamen比", 3).Checked());
    for (QWidget* hidden : {static_cast<QWidget*>(w.Picture4), static_cast<QWidget*>(w.Picture5),
                            static_cast<QWidget*>(w.Picture8), static_cast<QWidget*>(w.Picture11),
                            static_cast<QWidget*>(w.Frame1), static_cast<QWidget*>(w.Frame3),
                            static_cast<QWidget*>(w.Label14)}) {
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    }
    EXPECT_EQ(w.LabelNo(7).text().toStdString(), "前日比");
    EXPECT_EQ(LeftOf(&w.LabelNo(13)), 9450);
}

TEST_F(ChartWindowTest, TheVolumeAverageMarkIsReadFromTheSettingsAndWrittenBackOnClosing) {
    const struct {
        const char* stored;
        bool checked;
    } cases[] = {{"'1  '", true}, {"'0  '", false}, {"'   '", false}};
    for (const auto& c : cases) {
        test::WriteLines(dir.File("Ranvikchart.ini"), {"Version=4.4.5", std::string("mnuDekiIdou=") + c.stored});
        Start();
        EXPECT_EQ(Window(1)->Item("mnuDekiIdou", 1).Checked(), c.checked) << c.stored;
        Window(1)->Item("mnuDekiIdou", 1).SetChecked(!c.checked);
        Window(1)->Frame()->close();
        EXPECT_EQ(FromAnsi(test::ReadBytes(dir.File("Ranvikchart.ini"))),
                  std::string("Version=4.4.5\r\nmnuDekiIdou='") + (c.checked ? "0" : "1") + "  '\r\n")
            << c.stored;
        form->close();
        form.reset();
    }
    // Without a settings file the item keeps its designed mark.
    std::filesystem::remove(dir.File("Ranvikchart.ini"));
    Start();
    EXPECT_TRUE(Window(1)->Item("mnuDekiIdou", 1).Checked());
}

// The first tick paints grey; whoever stops the blink leaves the title blue,
// and a blink stopped after a grey tick starts again with a blue one.
TEST_F(ChartWindowTest, TheTitleBlinksTickByTick) {
    Start();
    RecordingForm3& w = *Window(1);
    const Color blue = RGB(0, 120, 255);
    const Color grey = QBColor(7);
    w.StartBlink();
    EXPECT_TRUE(w.Timer1->isActive());
    for (Color expected : {grey, blue, grey}) {
        w.Timer1_Timer();
        EXPECT_EQ(ForeColorOf(w.Label1), expected);
    }
    w.StopBlink();
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(ForeColorOf(w.Label1), blue);
    w.StartBlink();
    for (Color expected : {blue, grey, blue}) {
        w.Timer1_Timer();
        EXPECT_EQ(ForeColorOf(w.Label1), expected);
    }
}

TEST_F(ChartWindowTest, ClosingDeletesTheTemporaryFilesAndFreesTheSlot) {
    test::WriteLines(dir.File("Ranvikchart.ini"), {"Version=4.4.5", "mnuDekiIdou='0  '"});
    Start();
    RunWindowMenu(8);
    ChartWindowState& f = F(2);
    for (const char* name : {"Temp2m.KDT", "Temp2d.KDT"}) test::WriteBytes(dir.File(name), "x");
    f.MonthlyFileName = "Temp2m.KDT";
    f.WebTempFileName = "Temp2d.KDT";
    f.CorrectedFileName = "Hosei2d.KDT";  // already gone: the other steps run all the same
    f.CorrectedSourceName = "6501d.KDT";
    Window(2)->Item("mnuDekiIdou", 1).SetChecked(true);
    Window(2)->Frame()->close();
    EXPECT_FALSE(std::filesystem::exists(dir.File("Temp2m.KDT")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Temp2d.KDT")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("1301d.KDT")));
    EXPECT_EQ(Window(2), nullptr);
    EXPECT_EQ(BackColorOf(form->WindowTab(2)), QBColor(11));
    // A window that never drew writes its mark all the same.
    EXPECT_EQ(FromAnsi(test::ReadBytes(dir.File("Ranvikchart.ini"))), "Version=4.4.5\r\nmnuDekiIdou='1  '\r\n");
    EXPECT_EQ(form->windowTitle().toStdString(), Program().app.AppTitle);
}

// The first resize of window 1 opens the command-line file when its name
// ends in ".KDT" in any letter case; a missing one is reported and not made.
TEST_F(ChartWindowTest, TheFirstResizeOpensTheCommandLineFile) {
    test::WriteDataFile(dir.File("8001w.kdt"), 50);
    test::WriteBytes(dir.File("notes.txt"), test::DataFileBytes(50));
    const struct {
        std::string line;
        const char* title;
        bool drawn;
        const char* message;
    } cases[] = {
        {dir.File("1301d.KDT"), "1301d.KDT", true, nullptr},
        {"\"" + dir.File("1301d.KDT") + "\"", "1301d.KDT", true, nullptr},
        {dir.File("8001w.kdt"), "8001w.kdt", true, nullptr},
        {dir.File("notes.txt"), "notes.txt", false, nullptr},
        {dir.File("9999d.KDT"), "9999d.KDT", false, "302, 株価データが無い    "},
        {"x", "", false, nullptr},
    };
    for (const auto& c : cases) {
        SetCommandLine(c.line);
        messages->shown.clear();
        StartShown();
        // The file opens once the start-up is back in the event loop.
        EXPECT_EQ(F().ChartShown, 0) << c.line;
        QCoreApplication::processEvents();
        const ChartWindowState& f = F();
        EXPECT_EQ(f.StockTitle, c.title) << c.line;
        EXPECT_EQ(f.CommandLineFile, "") << c.line;
        EXPECT_EQ(f.ChartShown, c.drawn ? 1 : 0) << c.line;
        EXPECT_EQ(Window(1)->Lines().empty(), !c.drawn) << c.line;
        EXPECT_EQ(f.DataFileName.empty(), !c.drawn) << c.line;
        EXPECT_EQ(MessageTexts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << c.line;
        EXPECT_FALSE(std::filesystem::exists(dir.File("9999d.KDT"))) << c.line;
        form->close();
        form.reset();
    }
    SetCommandLine("");
}

// Messages as the program shows them: a box that waits in an event loop of
// its own until the user answers.
class WaitingMessages : public MessageService {
public:
    MessageAnswer Show(const ShownMessage& message) override {
        texts.push_back(message.text);
        shownInsideShow.push_back(showing);
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
        return MessageAnswer::Ok;
    }
    void Beep() override {}
    bool showing = false;  // while the main window's show() runs
    std::vector<std::string> texts;
    std::vector<bool> shownInsideShow;
};

// A command-line file without bars (missing, or its header alone): message
// 302 once the main window is on the screen, never from inside its first
// show(), and the program runs on with an empty chart window.
TEST_F(ChartWindowTest, ACommandLineFileWithoutBarsIsReportedAfterTheStartUp) {
    QuoteRecord header;
    header.RecordNo = 1;
    test::WriteBytes(dir.File("1333d.KDT"), header.Encode());
    for (const std::string name : {"9999d.KDT", "1333d.KDT"}) {
        SetCommandLine("\"" + dir.File(name) + "\"");
        auto waiting = std::make_unique<WaitingMessages>();
        WaitingMessages& shown = *waiting;
        std::unique_ptr<MessageService> previous = InstallMessageService(std::move(waiting));
        MDIForm1& main = Start();
        shown.showing = true;
        main.show();
        shown.showing = false;
        QCoreApplication::processEvents();
        EXPECT_EQ(shown.texts, std::vector<std::string>{"302, 株価データが無い    "}) << name;
        EXPECT_EQ(shown.shownInsideShow, std::vector<bool>{false}) << name;
        EXPECT_TRUE(main.isVisible()) << name;
        ASSERT_NE(Window(1), nullptr) << name;
        EXPECT_EQ(F().ChartShown, 0) << name;
        EXPECT_EQ(F().DataFileName, "") << name;
        EXPECT_TRUE(Window(1)->Lines().empty()) << name;
        EXPECT_EQ(Window(1)->Label1->text().toStdString(), name) << name;
        form->close();
        form.reset();
        InstallMessageService(std::move(previous));
    }
    SetCommandLine("");
}

TEST_F(ChartWindowTest, OnlyWindowOneOpensTheCommandLineFileAndAgainWhenReopened) {
    SetCommandLine(dir.File("6501d.KDT"));
    StartShown();
    RunWindowMenu(8);
    QCoreApplication::processEvents();
    EXPECT_EQ(F(1).ChartShown, 1);
    EXPECT_EQ(F(2).ChartShown, 0);
    EXPECT_EQ(F(2).StockTitle, "");
    Window(1)->Frame()->close();
    RunWindowMenu(8);
    QCoreApplication::processEvents();
    EXPECT_EQ(F(1).ChartShown, 1);
    EXPECT_EQ(F(1).ShownFileName, dir.File("6501d.KDT"));
    SetCommandLine("");
}

TEST_F(ChartWindowTest, TheCompanyItemOpensTheCompanyWindowOnceForThisStock) {
    Start();
    F().StockTitle = "極洋 ";
    Window(1)->mnu会社Item_Click(0);
    ChildForm* company = Program().windows.CompanyInfoWindow;
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(Program().selection.CurrentName, "極洋 ");
    RunWindowMenu(8);
    Window(2)->ShowCompanyInfoWindow();
    EXPECT_EQ(Program().windows.CompanyInfoWindow, company);
    EXPECT_EQ(form->ActiveChild(), company);
}

TEST_F(ChartWindowTest, TheResultsDataItemShowsTheGridAndMarksTheMainWindow) {
    Start();
    Program().app.AdminMode = kTrue;
    Window(1)->mnu会社Item_Click(0);
    ChildForm* company = Program().windows.CompanyInfoWindow;
    ASSERT_NE(company, nullptr);
    auto* grid = company->findChild<QWidget*>("MSFGrid1");
    ASSERT_NE(grid, nullptr);
    for (bool mark : {true, false}) {
        Window(1)->mnu会社Item_Click(1);
        EXPECT_EQ(Window(1)->Item("mnu会社Item", 1).Checked(), mark);
        EXPECT_EQ(form->Item("mnu会社Item", 1).Checked(), mark);
        EXPECT_EQ(grid->isVisibleTo(company), mark);
    }
}

}  // namespace
}  // namespace ranvik
