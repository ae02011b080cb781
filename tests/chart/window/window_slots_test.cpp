#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include "platform/ui/flex_grid.h"

#include "chart/window/form3.h"
#include "collect/collection_panel.h"
#include "company/form7.h"
#include "core/window_management.h"
#include "maintenance/form2.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/pointers.h"
#include "tests/core/main_window_fixture.h"

namespace ranvik {
namespace {

const Color kActive = RGB(255, 85, 80);
const Color kOpen = RGB(150, 55, 50);

class ChartWindowsTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        InstallChartWindowMaker();
        InstallMaintenanceWindowMaker();
        InstallCompanyWindowMaker();
        InstallCollectionPanelMaker();
        WriteUrlList();
    }
    Form3* Window(int no) { return static_cast<Form3*>(Program().windows.ChartWindow(no)); }
    static void Close(ChildForm* form) { form->Frame()->close(); }
    Color Tab(int no) { return BackColorOf(form->WindowTab(no)); }
    bool AddWindowEnabled() { return form->Item("mnuWinItem", 8).Enabled(); }
};

TEST_F(ChartWindowsTest, TheStartUpOpensChartWindowOneMaximizedWithItsTabActive) {
    MDIForm1& main = Start();
    Form3* one = Window(1);
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->WindowNo, 1);
    EXPECT_TRUE(one->Frame()->isMaximized());
    EXPECT_EQ(Program().windows.ActiveWindowNo, 1);
    EXPECT_EQ(Tab(1), kActive);
    EXPECT_EQ(Tab(2), QBColor(11));
    EXPECT_EQ(main.ActiveChild(), one);
    EXPECT_TRUE(main.ToolbarButtonEnabled(2));
    EXPECT_TRUE(main.ToolbarButtonEnabled("窓"));
}

TEST_F(ChartWindowsTest, AFourthWindowIsRefusedAndEveryAddControlIsOff) {
    MDIForm1& main = Start();
    main.mnuWinItem_Click(8);
    EXPECT_TRUE(AddWindowEnabled());
    RunWindowMenu(8);
    for (int no = 1; no <= 3; ++no) ASSERT_NE(Window(no), nullptr) << no;
    EXPECT_EQ(Window(3)->WindowNo, 3);
    EXPECT_EQ(Tab(3), kActive);
    EXPECT_EQ(Tab(1), kOpen);
    EXPECT_EQ(Tab(2), kOpen);
    EXPECT_FALSE(AddWindowEnabled());
    EXPECT_FALSE(main.ToolbarButtonEnabled("窓"));
    for (int no = 1; no <= 3; ++no) EXPECT_FALSE(Window(no)->Item("mnuWinItem", 8).Enabled()) << no;

    const auto frames = main.MdiArea()->subWindowList().size();
    RunWindowMenu(8);
    EXPECT_EQ(main.MdiArea()->subWindowList().size(), frames);
    EXPECT_EQ(Program().windows.NewWindowNo, 0);
}

TEST_F(ChartWindowsTest, AClosedWindowFreesItsSlotForTheNextOne) {
    MDIForm1& main = Start();
    RunWindowMenu(8);
    RunWindowMenu(8);
    Form3* two = Window(2);
    Close(two);
    EXPECT_EQ(Window(2), nullptr);
    EXPECT_EQ(Tab(2), QBColor(11));
    EXPECT_TRUE(main.WindowTab(2)->text().isEmpty());
    EXPECT_TRUE(AddWindowEnabled());
    EXPECT_TRUE(main.ToolbarButtonEnabled("窓"));
    EXPECT_TRUE(Window(1)->Item("mnuWinItem", 8).Enabled());
    EXPECT_EQ(main.windowTitle().toStdString(), Program().app.AppTitle);

    main.mnuWinItem_Click(8);
    ASSERT_NE(Window(2), nullptr);
    EXPECT_EQ(Window(2)->WindowNo, 2);
    EXPECT_FALSE(AddWindowEnabled());
}

TEST_F(ChartWindowsTest, WithWindowsOneAndThreeOpenTheNextTakesSlotTwo) {
    Start();
    RunWindowMenu(8);
    RunWindowMenu(8);
    Close(Window(2));
    Close(Window(1));
    RunWindowMenu(8);
    EXPECT_EQ(Window(1)->WindowNo, 1);
    EXPECT_EQ(Window(2), nullptr);
    RunWindowMenu(8);
    EXPECT_EQ(Window(2)->WindowNo, 2);
    EXPECT_FALSE(AddWindowEnabled());
}

TEST_F(ChartWindowsTest, ClosingTheLastWindowSwitchesTheChartButtonsOff) {
    MDIForm1& main = Start();
    main.QuickBoxes[2]->setEnabled(true);
    Close(Window(1));
    EXPECT_FALSE(main.ToolbarButtonEnabled("窓ＬＲ"));
    EXPECT_FALSE(main.ToolbarButtonEnabled("窓ＵＤ"));
    for (int p = 5; p <= 25; ++p) {
        if (!ToolbarKey(p).empty()) {
            EXPECT_FALSE(main.ToolbarButtonEnabled(p)) << p;
        }
    }
    EXPECT_TRUE(main.ToolbarButtonEnabled("窓"));
    EXPECT_FALSE(main.QuickBoxes[2]->isEnabled());
    EXPECT_EQ(ForeColorOf(main.QuickLabels[6]), RGB(150, 150, 150));

    // The next window after none enables the buttons again.
    OpenChartWindow();
    EXPECT_TRUE(main.ToolbarButtonEnabled("窓ＬＲ"));
    EXPECT_TRUE(main.ToolbarButtonEnabled(25));
}

TEST_F(ChartWindowsTest, WithTheCompanyWindowOpenTheArrangeButtonsStay) {
    MDIForm1& main = Start();
    ChildForm* company = Makers().companyWindow();
    main.ShowChild(company);
    EXPECT_TRUE(main.Item("mnuGyouEnd", 1).Enabled());
    EXPECT_TRUE(main.Item("mnuWinItem", 6).Visible());
    EXPECT_TRUE(Window(1)->Item("mnuWinItem", 6).Visible());
    Close(Window(1));
    EXPECT_TRUE(main.ToolbarButtonEnabled("窓ＬＲ"));
    EXPECT_TRUE(main.ToolbarButtonEnabled("窓ＵＤ"));
    EXPECT_FALSE(main.ToolbarButtonEnabled(5));

    main.mnuGyouEnd_Click();
    EXPECT_EQ(Program().windows.CompanyInfoWindow, nullptr);
    EXPECT_FALSE(main.Item("mnuGyouEnd", 1).Enabled());
    EXPECT_FALSE(main.Item("mnuWinItem", 6).Visible());
}

TEST_F(ChartWindowsTest, TheMaintenanceWindowAnnouncesItselfAndLosesItsAddItemWhenAllSlotsAreTaken) {
    MDIForm1& main = Start();
    main.ShowChild(Makers().maintenanceWindow());
    ChildForm* maintenance = Program().windows.MaintenanceWindow;
    ASSERT_NE(maintenance, nullptr);
    EXPECT_TRUE(main.Item("mnuWinItem", 5).Visible());
    RunWindowMenu(8);
    EXPECT_TRUE(Window(2)->Item("mnuWinItem", 5).Visible());
    EXPECT_TRUE(maintenance->Item("mnuWinItem", 11).Enabled());
    RunWindowMenu(8);
    EXPECT_FALSE(maintenance->Item("mnuWinItem", 11).Enabled());
    Close(Window(3));
    EXPECT_TRUE(maintenance->Item("mnuWinItem", 11).Enabled());

    main.mnuWinItem_Click(5);
    EXPECT_EQ(main.ActiveChild(), maintenance);
    Close(maintenance);
    EXPECT_EQ(Program().windows.MaintenanceWindow, nullptr);
    EXPECT_FALSE(main.Item("mnuWinItem", 5).Visible());
    EXPECT_FALSE(Window(1)->Item("mnuWinItem", 5).Visible());
}

TEST_F(ChartWindowsTest, PressingATabBringsItsWindowForwardAndDrawsItPressed) {
    MDIForm1& main = Start();
    RunWindowMenu(8);
    ASSERT_EQ(Program().windows.ActiveWindowNo, 2);
    const QRect tab = main.Label3->geometry();
    main.WindowTab_MouseDown(1);
    EXPECT_EQ(main.Label3->geometry(), QRect(tab.x() + 1, tab.y() + 1, tab.width() - 2, tab.height() - 2));
    EXPECT_EQ(main.ActiveChild(), Window(1));
    EXPECT_EQ(Program().windows.ActiveWindowNo, 1);
    EXPECT_EQ(Tab(1), kActive);
    EXPECT_EQ(Tab(2), kOpen);
    main.WindowTab_MouseUp(1);
    EXPECT_EQ(WidthOf(main.Label3), 720);
    EXPECT_EQ(main.Label3->geometry().topLeft(), tab.topLeft());
}

TEST_F(ChartWindowsTest, GlobalMarksAreTheSameInEveryWindow) {
    MDIForm1& main = Start();
    RunWindowMenu(8);
    RunWindowMenu(8);
    Window(2)->mnuFuncExItem_Click(4);
    for (int no = 1; no <= 3; ++no) EXPECT_TRUE(Window(no)->Item("mnuFuncExItem", 4).Checked()) << no;
    EXPECT_TRUE(main.Item("mnuFuncExItem", 4).Checked());

    Window(3)->mnuTool0_Click(1);
    EXPECT_FALSE(main.HideParam->isHidden());
    EXPECT_TRUE(main.Item("mnuFileItem", 1).Checked());
    for (int no = 1; no <= 3; ++no) EXPECT_TRUE(Window(no)->Item("mnuTool0", 1).Checked()) << no;
    main.mnuFileItem_Click(1);
    for (int no = 1; no <= 3; ++no) EXPECT_FALSE(Window(no)->Item("mnuTool0", 1).Checked()) << no;
}

TEST_F(ChartWindowsTest, EndingTheProgramClosesTheChartWindowsFirst) {
    test::WriteLines(dir.File("Ranvikchart.ini"), {"Version=4.4.5", "IdoSampleD1='5  '"});
    MDIForm1& main = Start();
    RunWindowMenu(8);
    QSignalSpy ended(&main, &MDIForm1::Ended);
    Window(2)->mnuEnd_Click();
    EXPECT_EQ(ended.count(), 1);
    for (int no = 1; no <= 3; ++no) EXPECT_EQ(Window(no), nullptr) << no;
}

TEST_F(ChartWindowsTest, OnlyWindowOneTakesTheCommandLineFile) {
    SetCommandLine("\"/data/stocks/1301d.KDT\"");
    Start();
    RunWindowMenu(8);
    EXPECT_EQ(Window(1)->Fields().CommandLineFile, "/data/stocks/1301d.KDT");
    EXPECT_EQ(Window(1)->Fields().StockTitle, "1301d.KDT");
    EXPECT_EQ(Window(2)->Fields().CommandLineFile, "");
    // A window opened again in slot 1 takes it again.
    Close(Window(1));
    RunWindowMenu(8);
    EXPECT_EQ(Window(1)->Fields().CommandLineFile, "/data/stocks/1301d.KDT");
    SetCommandLine("");
}

TEST_F(ChartWindowsTest, ACommandLineWithoutFolderOrTooShortDoesNotFail) {
    const struct {
        const char* line;
        const char* title;
    } cases[] = {{"\"1301d.KDT\"", "1301d.KDT"}, {"\"", ""}, {"\"\"", ""}};
    for (const auto& c : cases) {
        SetCommandLine(c.line);
        test::TempFolder folder;
        SetProgramFolder(folder.Path());
        ResetProgramState();
        MDIForm1 main;
        ASSERT_TRUE(main.MDIForm_Load());
        EXPECT_EQ(Window(1)->Fields().StockTitle, c.title) << c.line;
        main.close();
    }
    SetCommandLine("");
}

// The main window's bar and the active chart window's bar carry the same
// shortcuts; a key acts once, through the bar that is shown.
TEST_F(ChartWindowsTest, AShortcutActsOnceWhileAChartWindowIsActive) {
    MDIForm1& main = Start();
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    main.Picture1->setFocus();
    QTest::keyClick(&main, Qt::Key_F9);
    EXPECT_FALSE(main.Item("mnuFileItem", 4).Checked());
    EXPECT_TRUE(main.Picture2->isHidden());
    // Without a chart window the main window's own bar answers.
    Close(Window(1));
    main.Picture1->setFocus();
    QTest::keyClick(&main, Qt::Key_F9);
    EXPECT_TRUE(main.Item("mnuFileItem", 4).Checked());
    RunWindowMenu(8);
    main.Picture1->setFocus();
    QSignalSpy ended(&main, &MDIForm1::Ended);
    QTest::keyClick(&main, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(ended.count(), 1);
}

// The menus on the bar are those of the active chart window, whichever
// other window closed: the maintenance window by its own item, a second
// chart window by its caption's close button.
TEST_F(ChartWindowsTest, TheActiveChartWindowKeepsItsMenusWhenAnotherWindowCloses) {
    MDIForm1& main = Start();
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    Form3& chart = *Window(1);
    ASSERT_EQ(test::ShownMenuBar(main), chart.MenuBar());

    chart.Item("mnuSelToolItem", 1).Choose();
    ChildForm* maintenance = Program().windows.MaintenanceWindow;
    ASSERT_NE(maintenance, nullptr);
    EXPECT_EQ(test::ShownMenuBar(main), maintenance->MenuBar());
    maintenance->Item("mnuSelToolItem", 7).Choose();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(Program().windows.MaintenanceWindow, nullptr);
    EXPECT_EQ(test::ShownMenuBar(main), chart.MenuBar());

    RunWindowMenu(8);
    ASSERT_EQ(test::ShownMenuBar(main), Window(2)->MenuBar());
    test::ClickCaptionClose(*Window(2)->Frame());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(Window(2), nullptr);
    EXPECT_EQ(test::ShownMenuBar(main), chart.MenuBar());
    // Its keys are live again: F9 is the chart window's view item.
    main.Picture1->setFocus();
    QTest::keyClick(&main, Qt::Key_F9);
    EXPECT_FALSE(chart.Item("mnuTool0", 4).Checked());
    EXPECT_TRUE(main.Picture2->isHidden());
}

TEST_F(ChartWindowsTest, TheWindowMenuArrangesTheChildWindows) {
    MDIForm1& main = Start();
    main.show();
    RunWindowMenu(8);
    const QRect area = main.MdiArea()->viewport()->rect();
    QMdiSubWindow* one = Window(1)->Frame();
    QMdiSubWindow* two = Window(2)->Frame();
    Window(1)->mnuWinItem_Click(1);  // one above the other
    EXPECT_EQ(one->geometry(), QRect(0, 0, area.width(), area.height() / 2));
    EXPECT_EQ(two->geometry().top(), area.height() / 2);
    EXPECT_EQ(two->geometry().width(), area.width());
    Window(2)->mnuWinItem_Click(2);  // side by side
    EXPECT_EQ(one->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    EXPECT_EQ(two->geometry().left(), area.width() / 2);
    Window(2)->mnuWinItem_Click(0);  // cascade
    EXPECT_NE(one->geometry().topLeft(), two->geometry().topLeft());
    // The main window's own arrange items do nothing.
    const QRect before = two->geometry();
    main.mnuWinItem_Click(1);
    EXPECT_EQ(two->geometry(), before);
    // The fixture destroys the shown window with its tiled children without
    // closing it first.
}

TEST(ChartWindowColour, SettingsValuesOutsideTheSevenColoursGiveTheFirst) {
    const struct {
        const char* value;
        int index;
    } cases[] = {{"", 0}, {"0", 0}, {"3", 3}, {"6", 6}, {"7", 0}, {"-1", 0}, {"abc", 0}, {"2.6", 3}, {"2.5", 2}};
    for (const auto& c : cases) EXPECT_EQ(ColourIndexOf(c.value), c.index) << c.value;
}

TEST_F(ChartWindowsTest, TheStoredBackgroundColourIsTakenAndWrittenBackUnchanged) {
    test::WriteLines(dir.File("Ranvikchart.ini"), {"Version=4.4.5", "mnuColorItem='3  '", "FixAMT='1  '"});
    MDIForm1& main = Start();
    EXPECT_EQ(Program().commands.BackColorIndex, 3);
    EXPECT_EQ(Window(1)->Fields().BackColorNo, 4);
    EXPECT_EQ(Window(1)->Picture1->BackColor(), RGB(255, 255, 255));
    EXPECT_TRUE(Window(1)->Item("mnuFuncExItem", 2).Checked());
    main.close();
    EXPECT_EQ(FromAnsi(test::ReadBytes(dir.File("Ranvikchart.ini"))),
              "Version=4.4.5\r\nmnuColorItem='3  '\r\nFixAMT='1  '\r\n");
}

TEST_F(ChartWindowsTest, TheCollectionPanelStartsHiddenAndItsButtonClosesIt) {
    MDIForm1& main = Start();
    auto* panel = qobject_cast<CollectionPanel*>(main.Picture11);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(BackColorOf(panel->Text9), RGB(240, 255, 240));
    panel->show();
    SetMousePointer(main.MSF全Grid2, 12);
    panel->終了_MouseUp(-5, 5);
    EXPECT_FALSE(panel->isHidden());
    panel->終了_MouseUp(15, 15);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(MousePointerOf(main.MSF全Grid2), 1);
}

}  // namespace
}  // namespace ranvik
