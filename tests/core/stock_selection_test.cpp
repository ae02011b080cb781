#include "core/stock_selection.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "platform/ui/flex_grid.h"
#include "platform/ui/pointers.h"
#include "tests/core/list_table_fixture.h"
#include "tests/core/main_window_fixture.h"
#include "tests/core/recording_windows.h"

namespace ranvik {
namespace {

using test::SeenRequest;

enum class Grid { Files, List };

// Highlight colours: selected and shown, toggle off and on.
const Color kSelectedOff = QBColor(9);
const Color kSelectedOn = QBColor(12);
const Color kShownOff = RGB(120, 120, 255);
const Color kShownOn = RGB(255, 120, 120);

class SelectionTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteUrlList();
        // The list grid: a stock, a heading, a stock without a trading unit,
        // a stock, the closing blank row.
        test::WriteBytes(dir.File("東証プライムリスト.eTBL"),
                         test::ListEntryBytes(5, "", "4.4.24") + test::ListEntryBytes(0, "1301", "極洋", 't', 1, 100) +
                             test::ListEntryBytes(0, "****", "電気機器") +
                             test::ListEntryBytes(0, "6501", "日立製作所", 't', 1, 0) +
                             test::ListEntryBytes(0, "8058", "三菱商事", 'n', 2, 100));
        // The data-file grid: a daily file, a weekly one, one the all-stocks
        // table does not know (no market, no unit), an empty row.
        for (const char* file : {"1301d.KDT", "6501w.KDT", "9999d.KDT"}) test::WriteBytes(dir.File(file), "");
        InstallChartMaker();
        Makers().collectionPanel = [](QWidget* parent) { return new test::RecordingCollectionPanel(parent); };
    }

    void InstallChartMaker() {
        Makers().chartWindow = [this] { return new test::RecordingChartWindow(seen); };
    }

    // A main window of its own for each case of a table.
    MDIForm1& Restart(bool withChild = true) {
        form.reset();
        ResetProgramState();
        seen.clear();
        messages->shown.clear();
        if (withChild) {
            InstallChartMaker();
        } else {
            Makers().chartWindow = nullptr;
        }
        return Start();
    }

    FlexGrid* GridOf(Grid g) { return g == Grid::Files ? form->MSFGrid1 : form->MSF全Grid2; }

    // A left press on a row, as the grid reports it: the row becomes current
    // and MouseDown follows with a point below the title row.
    void Press(Grid g, int row, int button = 1, double y = 300) {
        FlexGrid* grid = GridOf(g);
        if (button == 1) grid->SetRow(row);
        emit grid->MouseDown(button, 0, 100.0, y);
    }
    // The second press of a double click raises DblClick instead.
    void DoubleClick(Grid g, int row) {
        Press(g, row);
        emit GridOf(g)->DblClick();
    }
    void Key(int keyCode, int shift = 0) { form->Picture1_KeyDown(keyCode, shift); }
    void SwitchToggle() { Key(78); }

    Color NameCell(Grid g, int row) { return GridOf(g)->CellBackColorAt(row, 1); }
    Color CodeCell(int row) { return form->MSF全Grid2->CellBackColorAt(row, 0); }

    test::RecordingCollectionPanel* OpenCollectionPanel() {
        auto* panel = static_cast<test::RecordingCollectionPanel*>(form->Picture11);
        panel->show();
        return panel;
    }

    std::vector<SeenRequest> seen;
};

TEST_F(SelectionTest, TheGridsHoldTheRowsTheCasesUse) {
    MDIForm1& main = Start();
    EXPECT_EQ(main.MSFGrid1->TextMatrix(1, 4), "1301d.KDT");
    EXPECT_EQ(main.MSFGrid1->TextMatrix(2, 4), "6501w.KDT");
    EXPECT_EQ(main.MSFGrid1->TextMatrix(3, 4), "9999d.KDT");
    EXPECT_EQ(main.MSFGrid1->Rows(), 5);
    EXPECT_EQ(main.MSF全Grid2->TextMatrix(1, 0), "1301");
    EXPECT_EQ(main.MSF全Grid2->TextMatrix(2, 0), "");
    EXPECT_EQ(main.MSF全Grid2->TextMatrix(3, 0), "6501");
    EXPECT_EQ(main.MSF全Grid2->TextMatrix(4, 2), "n 2");
    EXPECT_EQ(main.MSF全Grid2->Rows(), 6);
    ASSERT_NE(main.ActiveChild(), nullptr);
}

// The main road: what each gesture publishes, sends and paints, with the
// immediate-display toggle off and on.
TEST_F(SelectionTest, GesturesSendTheirRequestsAndPaintTheirRows) {
    enum class Gesture { Press, DoubleClick, PressThenEnter };
    const SeenRequest f_s{"4", "s", "6501"}, f_d{"4", "d", "6501"};
    const SeenRequest l_s{"5", "s", "6501"}, l_d{"5", "d", "6501"};
    const struct Case {
        const char* name;
        Grid grid;
        bool toggle;
        Gesture gesture;
        std::vector<SeenRequest> sent;
        Color colour;
    } cases[] = {
        {"file press", Grid::Files, false, Gesture::Press, {f_s}, kSelectedOff},
        {"file double click", Grid::Files, false, Gesture::DoubleClick, {f_s, f_d}, kShownOff},
        {"file Enter", Grid::Files, false, Gesture::PressThenEnter, {f_s, f_d}, kShownOff},
        {"list press", Grid::List, false, Gesture::Press, {l_s}, kSelectedOff},
        {"list double click", Grid::List, false, Gesture::DoubleClick, {l_s, l_d}, kShownOff},
        {"list Enter", Grid::List, false, Gesture::PressThenEnter, {l_s, l_d}, kShownOff},
        // With the toggle on a press selects and draws; a double click draws
        // once more.
        {"file press, toggle on", Grid::Files, true, Gesture::Press, {f_s, f_d}, kShownOn},
        {"file double click, toggle on", Grid::Files, true, Gesture::DoubleClick, {f_s, f_d, f_d}, kShownOn},
        {"file Enter, toggle on", Grid::Files, true, Gesture::PressThenEnter, {f_s, f_d, f_d}, kShownOn},
        {"list press, toggle on", Grid::List, true, Gesture::Press, {l_s, l_d}, kShownOn},
        {"list double click, toggle on", Grid::List, true, Gesture::DoubleClick, {l_s, l_d, l_d}, kShownOn},
    };
    for (const Case& c : cases) {
        MDIForm1& main = Restart();
        if (c.toggle) SwitchToggle();
        ASSERT_EQ(main.ImmediateDisplay(), c.toggle) << c.name;
        const int row = c.grid == Grid::Files ? 2 : 3;  // 6501 in both grids
        switch (c.gesture) {
            case Gesture::Press: Press(c.grid, row); break;
            case Gesture::DoubleClick: DoubleClick(c.grid, row); break;
            case Gesture::PressThenEnter:
                Press(c.grid, row);
                Key(13);
                break;
        }
        EXPECT_EQ(seen, c.sent) << c.name;
        const auto& selection = Program().selection;
        EXPECT_EQ(selection.CurrentCode, "6501") << c.name;
        EXPECT_EQ(selection.CurrentMarket, ".t") << c.name;
        EXPECT_EQ(selection.CurrentSection, "1") << c.name;
        EXPECT_EQ(main.LastSelectedGrid, c.grid == Grid::Files ? 1 : 2) << c.name;
        EXPECT_EQ(main.ActiveGrid, GridOf(c.grid)) << c.name;
        EXPECT_EQ(NameCell(c.grid, row), c.colour) << c.name;
        EXPECT_EQ(GridOf(c.grid)->CellForeColorAt(row, 1), QBColor(15)) << c.name;
        if (c.grid == Grid::List) {
            EXPECT_EQ(CodeCell(row), c.colour) << c.name;
        }
        EXPECT_TRUE(messages->shown.empty()) << c.name;
    }
}

TEST_F(SelectionTest, ADataFileRowPublishesItsCellsAndANewPressClearsTheOldHighlight) {
    MDIForm1& main = Start();
    Press(Grid::Files, 1);
    const auto& selection = Program().selection;
    EXPECT_EQ(selection.CurrentCode, "1301");
    EXPECT_EQ(selection.CurrentName.rfind("(日) 極洋", 0), 0u);
    EXPECT_EQ(selection.CurrentName, Trim(selection.CurrentName));
    EXPECT_EQ(selection.CurrentUnitText, "(100株)");
    EXPECT_EQ(main.SelectedFileRow, 1);
    Press(Grid::Files, 3);
    EXPECT_EQ(NameCell(Grid::Files, 1), WindowBackColor());
    EXPECT_EQ(main.MSFGrid1->CellForeColorAt(1, 1), QBColor(0));
    EXPECT_EQ(selection.CurrentCode, "9999");
    EXPECT_EQ(selection.CurrentMarket, ".");
    EXPECT_EQ(selection.CurrentSection, "");
    EXPECT_EQ(selection.CurrentUnitText, "");
    EXPECT_EQ(main.SelectedFileRow, 3);
}

TEST_F(SelectionTest, TheUnitTextNeedsAUnitAboveZero) {
    const struct {
        const char* cell;
        const char* text;
    } cases[] = {{"100", "(100株)"}, {"0", ""}, {"", ""}, {"1000", "(1000株)"}, {"-5", ""}, {"abc", ""}};
    for (const auto& c : cases) EXPECT_EQ(UnitTextOf(c.cell), c.text) << c.cell;
    // And as a list row publishes it: 6501 has a unit of 0.
    Start();
    Press(Grid::List, 1);
    EXPECT_EQ(Program().selection.CurrentUnitText, "(100株)");
    Press(Grid::List, 3);
    EXPECT_EQ(Program().selection.CurrentUnitText, "");
}

TEST_F(SelectionTest, TheAddressIsCutBeforeARemarkOnlyFromPositionEleven) {
    const struct {
        const char* text;
        const char* url;
    } cases[] = {
        {"https://finance.example.com/quote/ 株価データ", "https://finance.example.com/quote/"},
        {"1234567890 remark", "1234567890"},     // blank at 11: cut
        {"123456789 remark", "123456789 remark"},  // blank at 10: whole
        {"ab cdefghijklmn opq", "ab cdefghijklmn opq"},
        {" https://x.example/ y", " https://x.example/"},  // the search starts at 2
        {"https://no-blank.example/", "https://no-blank.example/"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CutAtRemark(c.text), c.url) << c.text;
    // As a double click takes it from the address bar.
    MDIForm1& main = Start();
    OpenCollectionPanel();
    main.Combo2->setEditText("https://finance.example.com/quote/ 株価データ");
    DoubleClick(Grid::Files, 1);
    EXPECT_EQ(main.CollectUrl, "https://finance.example.com/quote/");
}

TEST_F(SelectionTest, AHeadingRowIsHighlightedButPublishesAndSendsNothing) {
    MDIForm1& main = Start();
    Press(Grid::List, 1);
    seen.clear();
    DoubleClick(Grid::List, 2);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(Program().selection.CurrentCode, "1301");
    EXPECT_EQ(main.SelectedListRow, 2);
    EXPECT_EQ(NameCell(Grid::List, 2), kSelectedOff);
    // The row before gets its colours back; a heading's name is red again.
    EXPECT_EQ(CodeCell(1), QBColor(0));
    EXPECT_EQ(main.MSF全Grid2->CellForeColorAt(1, 0), QBColor(15));
    EXPECT_EQ(NameCell(Grid::List, 1), WindowBackColor());
    Press(Grid::List, 3);
    EXPECT_EQ(main.MSF全Grid2->CellForeColorAt(2, 1), QBColor(12));
    // The blank row after the last stock is no stock either.
    seen.clear();
    DoubleClick(Grid::List, 5);
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(SelectionTest, APlainListsHeadingOfFourStarsIsNoStock) {
    MDIForm1& main = Start();
    FlexGrid& list = *main.MSF全Grid2;
    list.SetTextMatrix(2, 0, "****");
    Press(Grid::List, 1);
    seen.clear();
    DoubleClick(Grid::List, 2);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(Program().selection.CurrentCode, "1301");
}

TEST_F(SelectionTest, TitleRowsRightButtonsAndClosedGridsChangeOnlyThePressPosition) {
    MDIForm1& main = Start();
    Press(Grid::Files, 1);
    seen.clear();
    main.CollectCode = "1301";

    Press(Grid::List, 3, 1, 224);  // on the title row
    EXPECT_EQ(main.GridPressY, 224);
    Press(Grid::List, 3, 2, 400);  // right button
    EXPECT_EQ(main.GridPressY, 400);
    SetMousePointer(main.MSFGrid1, 12);
    Press(Grid::Files, 2, 1, 500);
    EXPECT_EQ(main.GridPressY, 500);
    emit main.MSFGrid1->DblClick();
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(Program().selection.CurrentCode, "1301");
    EXPECT_EQ(main.SelectedFileRow, 1);
    EXPECT_EQ(main.SelectedListRow, 0);
    EXPECT_EQ(main.CollectCode, "") << "a double click always ends with no collection target";
}

TEST_F(SelectionTest, EnterBeforeAnyPressDoesNothingEvenWithoutAWindow) {
    MDIForm1& main = Restart(false);
    main.CollectCode = "1301";
    Key(13);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(main.CollectCode, "");
}

TEST_F(SelectionTest, WithoutAChildWindowAPressSelectsQuietlyAndADoubleClickShows001) {
    for (Grid g : {Grid::Files, Grid::List}) {
        MDIForm1& main = Restart(false);
        ASSERT_EQ(main.ActiveChild(), nullptr);
        main.CollectCode = "keep";
        Press(g, 1);
        EXPECT_EQ(Program().selection.CurrentCode, "1301");
        EXPECT_TRUE(messages->shown.empty());
        emit GridOf(g)->DblClick();
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->shown[0].text, "001, 窓を追加して下さい    ");
        EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
        EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(NameCell(g, 1), kSelectedOff) << "nothing was shown";
        EXPECT_EQ(main.CollectCode, "keep");
    }
    // With the toggle on a press is a double click too, and says so.
    Restart(false);
    SwitchToggle();
    Press(Grid::List, 1);
    EXPECT_EQ(messages->shown.size(), 1u);
}

TEST_F(SelectionTest, EmptyDataFileRowsAndTheTitleRowSendNoFile) {
    Start();
    // An empty row publishes an empty code; the chart window finds no file
    // in it.
    DoubleClick(Grid::Files, 4);
    EXPECT_EQ(seen, (std::vector<SeenRequest>{{"4", "s", ""}, {"4", "d", ""}}));
    // Down from the title row starts at row 1; nothing is ever published
    // from the title row itself.
    Restart();
    form->MSFGrid1->SetRow(0);
    emit form->MSFGrid1->MouseDown(1, 0, 100.0, 230.0);
    emit form->MSFGrid1->DblClick();
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(Program().selection.CurrentCode, "");
    EXPECT_EQ(form->SelectedFileRow, 0);
    form->ActiveGrid = form->MSF全Grid2;
    form->MSF全Grid2->SetRow(0);
    form->GridPressY = 300;
    Key(13);
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(SelectionTest, UpAndDownMoveTheSelectionAndStopAtTheEnds) {
    MDIForm1& main = Start();
    Press(Grid::Files, 1);
    main.GridPressY = 0;
    seen.clear();
    Key(40);
    EXPECT_EQ(main.GridPressY, 255);
    EXPECT_EQ(main.MSFGrid1->Row(), 2);
    EXPECT_EQ(seen, (std::vector<SeenRequest>{{"4", "s", "6501"}}));
    Key(38);
    Key(38);  // row 1 is the top
    EXPECT_EQ(main.MSFGrid1->Row(), 1);
    EXPECT_EQ(seen.size(), 2u);

    // The list grid: onto its closing blank row, which sends nothing, and
    // Down on that last row moves nothing.
    Press(Grid::List, 4);
    seen.clear();
    Key(40);
    EXPECT_EQ(main.MSF全Grid2->Row(), 5);
    EXPECT_EQ(main.SelectedListRow, 5);
    main.GridPressY = 0;
    Key(40);
    EXPECT_EQ(main.MSF全Grid2->Row(), 5);
    EXPECT_EQ(main.GridPressY, 255);
    EXPECT_TRUE(seen.empty());

    // With the toggle on every step also draws.
    Press(Grid::List, 3);
    SwitchToggle();
    seen.clear();
    Key(40);
    EXPECT_EQ(seen, (std::vector<SeenRequest>{{"5", "s", "8058"}, {"5", "d", "8058"}}));
    EXPECT_EQ(NameCell(Grid::List, 4), kShownOn);
}

TEST_F(SelectionTest, DownScrollsWhenTheNewRowReachesTheGridsBottom) {
    for (int i = 0; i < 30; ++i) test::WriteBytes(dir.File(std::to_string(2000 + i) + "d.KDT"), "");
    MDIForm1& main = Restart();
    FlexGrid& grid = *main.MSFGrid1;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    Press(Grid::Files, 1);
    int scrolledAt = 0;
    for (int step = 0; step < 20 && scrolledAt == 0; ++step) {
        Key(40);
        if (grid.TopRow() > 1) scrolledAt = grid.Row();
    }
    ASSERT_GT(scrolledAt, 1);
    const int margin = grid.horizontalScrollBar()->isVisible() && grid.verticalScrollBar()->isVisible() ? 480 : 240;
    EXPECT_LE(HeightOf(&grid), grid.RowPos(scrolledAt) + margin + grid.RowHeight(scrolledAt));
    // Up back to the top row brings it into view again.
    while (grid.Row() > 1) Key(38);
    EXPECT_EQ(grid.TopRow(), 1);
}

TEST_F(SelectionTest, TheToggleRecoloursBothHighlightedRowsAtOnce) {
    MDIForm1& main = Start();
    Press(Grid::Files, 1);           // selected
    DoubleClick(Grid::List, 3);      // shown
    main.Picture5_MouseDown();
    EXPECT_FALSE(main.Picture8->isHidden());
    EXPECT_EQ(main.Picture8->x(), main.Picture5->x());
    main.Picture5_MouseUp();
    EXPECT_TRUE(main.ImmediateDisplay());
    EXPECT_TRUE(main.Picture8->isHidden());
    EXPECT_TRUE(main.Picture5->isHidden());
    EXPECT_FALSE(main.Picture6->isHidden());
    EXPECT_EQ(NameCell(Grid::Files, 1), kSelectedOn);
    EXPECT_EQ(NameCell(Grid::List, 3), kShownOn);
    EXPECT_EQ(CodeCell(3), kShownOn);
    EXPECT_EQ(main.MSF全Grid2->Col(), 0);

    main.Picture6_MouseDown();
    main.Picture6_MouseUp();
    EXPECT_FALSE(main.ImmediateDisplay());
    EXPECT_FALSE(main.Picture5->isHidden());
    EXPECT_TRUE(main.Picture6->isHidden());
    EXPECT_EQ(NameCell(Grid::Files, 1), kSelectedOff);
    EXPECT_EQ(NameCell(Grid::List, 3), kShownOff);
    EXPECT_EQ(main.Picture5->toolTip().toStdString(), "↑↓で即時表示しない(N)");
    EXPECT_EQ(main.Picture6->toolTip().toStdString(), "↑↓で即時表示する(N)");
}

// The list layout switch hides the toggle with the list controls; the
// toggle keeps its state and shows it again when both grids return.
TEST_F(SelectionTest, AToggleThatIsOnStillLooksOnAfterAFullLayoutCycle) {
    MDIForm1& main = Start();
    SwitchToggle();
    for (int i = 0; i < 3; ++i) Key(77);
    ASSERT_EQ(main.ListLayout, kBothGrids);
    EXPECT_TRUE(main.Picture5->isHidden());
    EXPECT_FALSE(main.Picture6->isHidden());

    // Switched off while the images are hidden, it comes back off.
    Key(77);
    Key(77);
    ASSERT_EQ(main.ListLayout, kFileGridAlone);
    SwitchToggle();
    EXPECT_FALSE(main.ImmediateDisplay());
    EXPECT_TRUE(main.Picture5->isHidden());
    EXPECT_TRUE(main.Picture6->isHidden());
    // A press there acts with the toggle as it is, not as its hidden image.
    SwitchToggle();
    seen.clear();
    Press(Grid::Files, 1);
    EXPECT_EQ(seen.size(), 2u);
    Key(77);
    EXPECT_FALSE(main.Picture6->isHidden());
}

TEST_F(SelectionTest, TheCollectionPanelTakesTheTargetInsteadOfARequest) {
    MDIForm1& main = Start();
    test::RecordingCollectionPanel* panel = OpenCollectionPanel();
    Press(Grid::Files, 1);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(main.CollectCode, "1301");
    EXPECT_EQ(main.CollectDaily, kTrue);
    EXPECT_EQ(main.CollectFilePath, dir.File("1301d.KDT"));
    EXPECT_EQ(panel->Text9->toPlainText().toStdString(), Program().selection.CurrentName);
    Press(Grid::Files, 2);
    EXPECT_EQ(main.CollectDaily, kFalse);

    // The list grid sets only the code.
    Press(Grid::List, 4);
    EXPECT_EQ(main.CollectCode, "8058");
    EXPECT_EQ(main.CollectFilePath, dir.File("6501w.KDT"));
    EXPECT_EQ(main.CollectDaily, kFalse);
    EXPECT_EQ(main.ActiveGrid, main.MSF全Grid2);

    // A double click collects at once and ends with no target.
    main.Combo2->setEditText("https://finance.example.com/quote/");
    DoubleClick(Grid::List, 4);
    EXPECT_EQ(panel->collected, std::vector<std::string>{"8058"});
    EXPECT_EQ(main.CollectCode, "");
    EXPECT_EQ(main.CollectUrl, "https://finance.example.com/quote/");
    EXPECT_EQ(NameCell(Grid::List, 4), kShownOff);
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(messages->shown.empty());

    // An empty row names no file to collect into.
    Press(Grid::Files, 4);
    EXPECT_EQ(main.CollectFilePath, "");

    // X closes the panel; then the grids send requests again.
    Key(88, 1);
    EXPECT_EQ(panel->closes, (std::vector<std::pair<int, int>>{{1, 1}}));
    Press(Grid::Files, 1);
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(SelectionTest, LeftAndRightStepTheActiveChartWindowsScrollBar) {
    MDIForm1& main = Start();
    auto* chart = static_cast<test::RecordingChartWindow*>(main.ActiveChild());
    QScrollBar* bar = chart->HScroll1;
    bar->setRange(0, 700);
    bar->setSingleStep(7);
    const struct {
        int key, from, to;
    } cases[] = {
        {37, 50, 43}, {37, 22, 15}, {37, 21, 14}, {37, 14, 14}, {37, 13, 13}, {37, 0, 0},
        {39, 600, 607}, {39, 692, 699}, {39, 693, 700}, {39, 699, 700}, {39, 700, 700},
    };
    for (const auto& c : cases) {
        bar->setValue(c.from);
        Key(c.key);
        EXPECT_EQ(bar->value(), c.to) << c.key << " from " << c.from;
    }
    // While the data maintenance or company window is the active child the
    // chart keys do nothing; the grid keys still act.
    main.setWindowTitle("Ranvikチャート --- 株価データ保守");
    bar->setValue(50);
    Key(37);
    Key(78);
    Key(77);
    EXPECT_EQ(bar->value(), 50);
    EXPECT_FALSE(main.ImmediateDisplay());
    EXPECT_EQ(main.ListLayout, kBothGrids);
    Press(Grid::Files, 1);
    Key(40);
    EXPECT_EQ(main.MSFGrid1->Row(), 2);
}

TEST_F(SelectionTest, KeysNeedingAChartWindowDoNothingWithoutOne) {
    MDIForm1& main = Restart(false);
    Key(37);
    Key(39);
    Key(88);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_TRUE(main.Picture11->isHidden());
    // M and N act only without Shift.
    Key(77, 1);
    Key(78, 1);
    EXPECT_EQ(main.ListLayout, kBothGrids);
    EXPECT_FALSE(main.ImmediateDisplay());
}

TEST_F(SelectionTest, TheKeysReachTheHandlerThroughTheToolbarStrip) {
    MDIForm1& main = Start();
    Press(Grid::Files, 1);
    seen.clear();
    QTest::keyClick(main.Picture1, Qt::Key_Down);
    QTest::keyClick(main.Picture1, Qt::Key_Return);
    EXPECT_EQ(seen, (std::vector<SeenRequest>{{"4", "s", "6501"}, {"4", "d", "6501"}}));
    QTest::keyClick(main.Picture1, Qt::Key_N);
    EXPECT_TRUE(main.ImmediateDisplay());
}

TEST_F(SelectionTest, TheDailyAndWeeklyOptionsForgetTheFetchedStockAndShowTheirChoice) {
    MDIForm1& main = Start();
    Program().collection.WebDataFetched = 1;
    main.Option1->click();
    EXPECT_EQ(Program().collection.WebDataFetched, 0);
    EXPECT_EQ(ForeColorOf(main.Option1), QBColor(12));
    EXPECT_EQ(ForeColorOf(main.Option2), QBColor(0));
    Program().collection.WebDataFetched = 1;
    main.Option2->click();
    EXPECT_EQ(Program().collection.WebDataFetched, 0);
    EXPECT_EQ(ForeColorOf(main.Option2), QBColor(12));
    EXPECT_EQ(ForeColorOf(main.Option1), QBColor(0));
}

TEST_F(SelectionTest, AnotherListClearsTheListHighlight) {
    MDIForm1& main = Start();
    Press(Grid::List, 1);
    ASSERT_EQ(main.SelectedListRow, 1);
    main.Combo1->setCurrentText("全銘柄");
    main.Combo1_Click();
    EXPECT_EQ(main.SelectedListRow, 0);
    EXPECT_EQ(NameCell(Grid::List, 1), WindowBackColor());
}

}  // namespace
}  // namespace ranvik
