#include "maintenance/form2.h"

#include <QLabel>
#include <QMdiArea>

#include "core/window_management.h"
#include "platform/ui/flex_grid.h"
#include "tests/core/list_table_fixture.h"
#include "tests/maintenance/form2_fixture.h"

namespace ranvik {
namespace {

// The data maintenance window as the only child: every request of the
// main window's grids reaches it.
class Form2RequestTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        InstallMaintenanceWindowMaker();
        WriteUrlList();
        for (const char* file : {"1301d.KDT", "6501w.KDT"}) {
            test::WriteBytes(dir.File(file), test::BytesOf(test::FileOf(test::ThreeBars())));
        }
        Start();
        form->ShowChild(Makers().maintenanceWindow());
        window = static_cast<Form2*>(Program().windows.MaintenanceWindow);
        ASSERT_EQ(form->ActiveChild(), window);
    }
    void Press(FlexGrid* grid, int row) {
        grid->SetRow(row);
        emit grid->MouseDown(1, 0, 100.0, 300.0);
    }
    void DoubleClick(FlexGrid* grid, int row) {
        Press(grid, row);
        emit grid->DblClick();
    }
    Form2* window = nullptr;
};

TEST_F(Form2RequestTest, APressChoosesTheFileAndADoubleClickLoadsIt) {
    Press(form->MSFGrid1, 1);
    EXPECT_EQ(window->SelectedFileName, "1301d.KDT");
    EXPECT_EQ(window->DataFilePath, dir.File("1301d.KDT"));
    EXPECT_EQ(window->LoadedFilePath, "");
    EXPECT_EQ(window->Label1->text().toStdString(), window->DisplayName + "(100株)");
    EXPECT_EQ(window->DisplayName.rfind("(日) 極洋", 0), 0u);
    EXPECT_EQ(ForeColorOf(window->Label1), RGB(200, 200, 200));
    EXPECT_EQ(Program().selection.ChartLoadMode, "s");
    EXPECT_EQ(window->FG1Text6.Text(), "");

    emit form->MSFGrid1->DblClick();
    EXPECT_EQ(window->LoadedFilePath, dir.File("1301d.KDT"));
    EXPECT_EQ(ForeColorOf(window->Label1), QBColor(9));
    EXPECT_EQ(Program().selection.ChartLoadMode, "");
    EXPECT_EQ(window->FG1Text6.Text(), "");
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(Form2RequestTest, AnyRequestTakesTheDataFileGridsRowAndTheListGridChoosesNothing) {
    Press(form->MSFGrid1, 2);
    // The list grid shows the no-drop pointer while this window is active.
    DoubleClick(form->MSF全Grid2, 1);
    EXPECT_EQ(window->LoadedFilePath, "");
    EXPECT_EQ(form->ActiveChild(), window);
    form->SendLoadRequest("5", "d");
    EXPECT_EQ(window->DataFilePath, dir.File("6501w.KDT"));
    EXPECT_EQ(window->LoadedFilePath, dir.File("6501w.KDT"));
}

TEST_F(Form2RequestTest, RowsWithoutAFileNameNameNoFile) {
    DoubleClick(form->MSFGrid1, 1);
    // The empty row after the files, and the title row that a list request
    // finds current before any press in the data-file grid.
    DoubleClick(form->MSFGrid1, 3);
    EXPECT_EQ(window->DataFilePath, "");
    EXPECT_EQ(window->LoadedFilePath, dir.File("1301d.KDT")) << "nothing was loaded";
    form->MSFGrid1->SetRow(0);
    window->FG1Text6.SetText("5");
    EXPECT_EQ(window->DataFilePath, "");
}

TEST_F(Form2RequestTest, AnOperationUnderWayKeepsTheFileButEndsTheRequest) {
    DoubleClick(form->MSFGrid1, 1);
    window->OperationState = 1;
    DoubleClick(form->MSFGrid1, 2);
    EXPECT_EQ(window->DataFilePath, dir.File("1301d.KDT"));
    EXPECT_EQ(window->LoadedFilePath, dir.File("1301d.KDT"));
    EXPECT_EQ(Program().selection.ChartLoadMode, "");
    EXPECT_EQ(window->FG1Text6.Text(), "");
}

TEST_F(Form2RequestTest, TheToolMenuOpensOneWindowAndThenBringsItForward) {
    RunToolMenu(1);
    EXPECT_EQ(Program().windows.MaintenanceWindow, window);
    EXPECT_EQ(form->MdiArea()->subWindowList().size(), 1);
    form->Item("mnuSelToolItem", 1).Choose();
    EXPECT_EQ(form->MdiArea()->subWindowList().size(), 1);
    window->終了CMD_Click();
    EXPECT_EQ(Program().windows.MaintenanceWindow, nullptr);
    form->Item("mnuSelToolItem", 1).Choose();
    ASSERT_NE(Program().windows.MaintenanceWindow, nullptr);
    EXPECT_EQ(form->ActiveChild(), Program().windows.MaintenanceWindow);
    EXPECT_TRUE(form->Item("mnuWinItem", 5).Visible());
}

}  // namespace
}  // namespace ranvik
