// The load requests of the main window, as a chart window carries them out:
// every code, pending and shown, the same file or stock again, the
// split-corrected copy, an empty file cell and three windows.
#include <gtest/gtest.h>

#include <QLabel>
#include <filesystem>

#include "chart/drawing/chart_setup.h"
#include "platform/runtime/folder.h"
#include "platform/ui/control_colors.h"
#include "tests/chart/window/chart_window_fixture.h"

namespace ranvik {
namespace {

using test::ChartWindowTest;
using test::RecordingForm3;

class LoadRequests : public ChartWindowTest {
protected:
    MDIForm1& StartWindow() {
        MDIForm1& main = Start();
        Window(1)->price.ClearLog();
        return main;
    }
    bool Blinking(int no = 1) { return Window(no)->Timer1->isActive(); }
};

TEST_F(LoadRequests, ADataFileIsPendingOnAPressAndDrawnOnADoubleClick) {
    StartWindow();
    RecordingForm3& w = *Window(1);
    RequestFile("1301d.KDT", "s");
    const ChartWindowState& f = F();
    EXPECT_EQ(f.DataFileName, dir.File("1301d.KDT"));
    EXPECT_EQ(f.ChartShown, 0);
    EXPECT_EQ(f.StockSource, 1);
    EXPECT_EQ(f.StockCode, "1301");
    EXPECT_EQ(f.StockCode4.Text(), "1301");
    EXPECT_EQ(f.StockUnitText, "(100株)");
    EXPECT_EQ(f.StockTitle, Program().selection.CurrentName + " ");
    EXPECT_EQ(w.Label1->text().toStdString(), f.StockTitle + "(100株)");
    EXPECT_TRUE(Blinking());
    EXPECT_TRUE(w.Label20->isHidden());
    EXPECT_EQ(w.Draws(), 0);

    // A second press before any draw leaves it pending.
    RequestFile("1301d.KDT", "s");
    EXPECT_EQ(f.ChartShown, 0);
    EXPECT_TRUE(Blinking());

    RequestFile("1301d.KDT", "d");
    EXPECT_EQ(w.Draws(), 1);
    EXPECT_EQ(f.ChartShown, 1);
    EXPECT_EQ(f.ShownFileName, f.DataFileName);
    EXPECT_EQ(f.ShownCode, "1301");
    EXPECT_EQ(f.RecordCount, 1001);
    EXPECT_EQ(f.ViewWidth, 903);
    EXPECT_FALSE(Blinking());
    EXPECT_EQ(ForeColorOf(w.Label1), RGB(0, 120, 255));
    EXPECT_TRUE(MessageTexts().empty());
}

// The file on screen asked for again: shown at once, nothing drawn, its row
// in the "shown" colour of the immediate-display toggle.
TEST_F(LoadRequests, TheSameFileAgainIsShownWithoutADraw) {
    MDIForm1& main = StartWindow();
    RecordingForm3& w = *Window(1);
    RequestFile("6501d.KDT", "d");
    RequestFile("1301d.KDT", "s");
    EXPECT_EQ(F().ChartShown, 0);
    for (bool toggleOn : {false, true}) {
        if (toggleOn) {
            main.Picture5_MouseDown();
            main.Picture5_MouseUp();
        }
        ASSERT_EQ(main.ImmediateDisplay(), toggleOn);
        RequestFile("6501d.KDT", "s");
        EXPECT_EQ(w.Draws(), 1) << toggleOn;
        EXPECT_EQ(F().ChartShown, 1) << toggleOn;
        EXPECT_FALSE(Blinking()) << toggleOn;
        EXPECT_FALSE(w.Label20->isHidden()) << toggleOn;
        EXPECT_EQ(main.MSFGrid1->CellBackColorAt(FileRow("6501d.KDT"), 1),
                  toggleOn ? RGB(255, 120, 120) : RGB(120, 120, 255))
            << toggleOn;
    }
}

// Asking for the file whose split-corrected copy is on screen keeps the copy,
// so that scrolling goes on redrawing it.
TEST_F(LoadRequests, TheFileOfTheCorrectedCopyShownKeepsTheCopy) {
    StartWindow();
    RecordingForm3& w = *Window(1);
    test::WriteDataFile(dir.File("Hosei1d.KDT"), 1000);
    ChartWindowState& f = F();
    f.DataFileName = dir.File("Hosei1d.KDT");
    ShowPartialView(w);
    f.CorrectedFileName = "Hosei1d.KDT";
    f.CorrectedSourceName = "1301d.KDT";
    RequestFile("1301d.KDT", "s");
    EXPECT_EQ(f.DataFileName, dir.File("Hosei1d.KDT"));
    EXPECT_EQ(f.ChartShown, 1);
    const int draws = w.Draws();
    w.HScroll1->setValue(w.HScroll1->value() - 700);
    EXPECT_EQ(w.Draws(), draws + 1);
}

// A row without a file name leaves the window without a stock: nothing
// pending, nothing shown, and no later action opens a file of no name.
TEST_F(LoadRequests, AnEmptyFileCellLeavesTheWindowEmpty) {
    StartWindow();
    RecordingForm3& w = *Window(1);
    const auto files = ListFolder(dir.Path(), "*");
    RequestFile("6501d.KDT", "d");
    const int row = FileRow("7203w.KDT");
    form->MSFGrid1->SetTextMatrix(row, 4, "");
    for (const char* mode : {"s", "d"}) {
        form->MSFGrid1->SetRow(row);
        Send("4", mode);
        EXPECT_EQ(F().DataFileName, "") << mode;
        EXPECT_EQ(F().ChartShown, 0) << mode;
        EXPECT_FALSE(Blinking()) << mode;
        EXPECT_EQ(w.Draws(), 1) << mode;
        EXPECT_TRUE(MessageTexts().empty()) << mode;
    }
    // A fresh window takes the empty cell the same way.
    RunWindowMenu(8);
    form->MSFGrid1->SetRow(row);
    Send("4", "s");
    EXPECT_EQ(F(2).ChartShown, 0);
    // The display items then ask for a stock.
    Send("1", "s");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"300, 銘柄を指定して下さい    "});
    EXPECT_EQ(ListFolder(dir.Path(), "*"), files);
}

TEST_F(LoadRequests, AListStockIsFetchedOnADoubleClickAndKnownAgainAfterwards) {
    MDIForm1& main = StartWindow();
    RecordingForm3& w = *Window(1);
    Program().collection.WebDataFetched = 1;
    RequestListStock(1, "s");
    const ChartWindowState& f = F();
    EXPECT_EQ(f.StockSource, 2);
    EXPECT_EQ(Program().collection.WebDataFetched, 0);
    EXPECT_EQ(f.StockTitle, "<東プ>極洋 ");
    EXPECT_EQ(w.Label1->text().toStdString(), "<東プ>極洋 (100株)");
    EXPECT_TRUE(Blinking());
    EXPECT_EQ(webUpdates, 0);
    EXPECT_EQ(w.Draws(), 0);

    // The download's end clears the panes, the drawing clears them again.
    RequestListStock(1, "d");
    EXPECT_EQ(webUpdates, 1);
    EXPECT_EQ(w.Draws(), 2);
    EXPECT_EQ(f.IsDaily, 0);  // the main window's 週 option
    EXPECT_EQ(f.ShownCode, "1301");
    EXPECT_EQ(f.ChartShown, 1);
    EXPECT_EQ(f.DataFileName, dir.File("Temp1w.KDT"));
    EXPECT_EQ(f.RecordCount, webBars + 1);
    EXPECT_FALSE(Blinking());

    // The same stock again: shown at once, nothing fetched or drawn.
    RequestListStock(1, "s");
    EXPECT_EQ(webUpdates, 1);
    EXPECT_EQ(w.Draws(), 2);
    EXPECT_EQ(f.ChartShown, 1);
    EXPECT_FALSE(Blinking());
    for (int col : {0, 1}) EXPECT_EQ(main.MSF全Grid2->CellBackColorAt(1, col), RGB(80, 80, 255)) << col;

    // Another stock is pending until it is fetched.
    RequestListStock(2, "s");
    EXPECT_TRUE(Blinking());
    EXPECT_EQ(f.StockTitle, "<東プ>日立製作所 ");
}

TEST_F(LoadRequests, AListRowWithoutAStockOrMarketChangesNothing) {
    StartWindow();
    FlexGrid& grid = *form->MSF全Grid2;
    grid.SetTextMatrix(2, 2, "");  // no market letter
    RequestListStock(2, "s");
    EXPECT_EQ(F().StockSource, 1);
    EXPECT_FALSE(Blinking());
    grid.SetTextMatrix(2, 0, "");  // no stock on the row
    Program().selection.CurrentMarket = ".t";
    grid.SetRow(2);
    Send("5", "s");
    EXPECT_EQ(F().StockSource, 1);
    EXPECT_EQ(F().StockTitle, "");
}

// Codes "1" and "2" draw a local file at once and fetch a list stock first;
// after the fetch they redraw the window's temporary file.
TEST_F(LoadRequests, TheDisplayCodesDrawAFileOrFetchAListStockFirst) {
    StartWindow();
    RecordingForm3& w = *Window(1);
    RequestFile("1301d.KDT", "s");
    Send("1", "s");
    EXPECT_EQ(F().ViewWidth, 903);
    EXPECT_EQ(F().ChartShown, 1);
    Send("2", "s");
    EXPECT_EQ(F().ViewWidth, F().ViewWidthMax);
    EXPECT_EQ(F().ViewWidthMax, 1001 * 7 + 100);
    EXPECT_EQ(w.Draws(), 2);

    RequestListStock(2, "s");
    Send("1", "s");
    EXPECT_EQ(webUpdates, 1);
    EXPECT_EQ(F().DataFileName, dir.File("Temp1w.KDT"));
    Send("2", "s");
    EXPECT_EQ(webUpdates, 1);
    EXPECT_EQ(F().ViewWidth, F().ViewWidthMax);
    EXPECT_EQ(w.Draws(), 5);  // the fetch cleared the panes once more
}

// Pages without a row: the title and the price read are shown, message 312,
// and the window is left without a file to draw.
TEST_F(LoadRequests, AFetchWithoutRowsShowsTheTitleAndPriceAndDrawsNothing) {
    StartWindow();
    RecordingForm3& w = *Window(1);
    webBars = 0;
    RequestListStock(2, "d");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"312, データ無し。   "});
    EXPECT_EQ(F().DataFileName, "");
    EXPECT_EQ(F().ChartShown, 0);
    EXPECT_TRUE(w.Lines().empty());
    EXPECT_EQ(w.Label1->text().toStdString(), "<東プ>日立製作所 (100株)");
    EXPECT_FALSE(w.Label10->isHidden());
    EXPECT_EQ(w.Label10->text().toStdString(), "現在値 2,500(+10)");
    EXPECT_FALSE(Blinking());
    // A display item then fetches again rather than open a file of no name.
    Send("1", "s");
    EXPECT_EQ(webUpdates, 2);
}

TEST_F(LoadRequests, EveryCodeTakesTheSelectionAndOtherTextsNothingMore) {
    StartWindow();
    RecordingForm3& w = *Window(1);
    for (const char* code : {"11", "12", "7", "44"}) {
        Publish(std::string("98") + code, "x", "t 1", "(1株)");
        Send(code, "d");
        EXPECT_EQ(F().StockCode, std::string("98") + code) << code;
        EXPECT_EQ(F().StockCode4.Text(), (std::string("98") + code + "  ").substr(0, 4)) << code;
        EXPECT_EQ(F().StockUnitText, "(1株)") << code;
        EXPECT_EQ(F().DataFileName, "") << code;
    }
    EXPECT_EQ(w.Draws(), 0);
    EXPECT_FALSE(Blinking());
}

// Requests go to the active window; each window keeps its own chart and its
// own temporary file.
TEST_F(LoadRequests, ThreeWindowsEachTakeTheirOwnRequests) {
    StartWindow();
    RequestFile("1301d.KDT", "d");
    RunWindowMenu(8);
    RequestFile("6501d.KDT", "d");
    RunWindowMenu(8);
    RequestListStock(1, "d");
    EXPECT_EQ(F(1).ShownFileName, dir.File("1301d.KDT"));
    EXPECT_EQ(F(2).ShownFileName, dir.File("6501d.KDT"));
    EXPECT_EQ(F(3).ShownFileName, dir.File("Temp3w.KDT"));
    EXPECT_EQ(F(3).WindowNo, 3);
    for (int no = 1; no <= 3; ++no) EXPECT_EQ(F(no).ChartShown, 1) << no;

    Window(2)->BringToFront();
    ASSERT_EQ(&Active(), Window(2));
    RequestFile("7203w.KDT", "s");
    EXPECT_EQ(F(2).DataFileName, dir.File("7203w.KDT"));
    EXPECT_EQ(F(1).DataFileName, dir.File("1301d.KDT"));
    EXPECT_EQ(F(3).DataFileName, dir.File("Temp3w.KDT"));

    Window(3)->Frame()->close();
    EXPECT_FALSE(std::filesystem::exists(dir.File("Temp3w.KDT")));
}

// A listed file removed behind the program's back: double-clicking it
// brings message 302, and nothing of the chart before stays on screen or in
// the captions; the file shown before is drawn again when picked again.
TEST_F(LoadRequests, ARemovedFileLeavesNothingOfTheChartBefore) {
    MDIForm1& main = StartShown();
    RecordingForm3& w = *Window(1);
    test::DoubleClickRow(*main.MSFGrid1, FileRow("1301d.KDT"));
    ASSERT_EQ(F().ChartShown, 1);
    const std::string before = F().StockTitle;
    std::filesystem::remove(dir.File("6501d.KDT"));
    w.price.ClearLog();
    w.indicator.ClearLog();
    test::DoubleClickRow(*main.MSFGrid1, FileRow("6501d.KDT"));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"302, 株価データが無い    "});
    const ChartWindowState& f = F();
    EXPECT_EQ(f.ChartShown, 0);
    EXPECT_EQ(f.DataFileName, "");
    // The panes are empty.
    EXPECT_EQ(w.Draws(), 1);
    EXPECT_TRUE(w.Lines().empty());
    EXPECT_EQ(w.indicator.CallsOf(RecordedCall::Kind::Clear).size(), 1u);
    EXPECT_TRUE(w.Label20->isHidden());
    // Every caption names the stock asked for.
    ASSERT_NE(f.StockTitle, before);
    EXPECT_EQ(w.Label1->text().toStdString(), f.StockTitle + f.StockUnitText);
    EXPECT_EQ(main.windowTitle().toStdString(), Program().app.AppTitle + f.StockTitle);
    EXPECT_EQ(main.WindowTab(1)->text().toStdString(), WindowTabText(f.StockTitle));
    EXPECT_EQ(w.Frame()->windowTitle().toStdString(), "");
    // The file before is drawn again, not taken for the empty panes.
    w.price.ClearLog();
    test::DoubleClickRow(*main.MSFGrid1, FileRow("1301d.KDT"));
    EXPECT_EQ(F().ChartShown, 1);
    EXPECT_EQ(w.Draws(), 1);
    EXPECT_FALSE(w.Lines().empty());
    EXPECT_EQ(main.windowTitle().toStdString(), Program().app.AppTitle + before);
}

}  // namespace
}  // namespace ranvik
