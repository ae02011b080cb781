// The operation states as the window shows them: buttons, items and grid colour after each event, and every reset.
#include <QLabel>

#include <functional>

#include "tests/maintenance/form2_fixture.h"

namespace ranvik {
namespace {

using test::Bar;
using test::FileOf;
using test::ThreeBars;

const Color kIdleGrid = RGB(240, 255, 240);
const Color kBusyGrid = RGB(255, 228, 225);

class Form2StatesTest : public test::Form2Test {
protected:
    // The operation controls that are enabled, by name; each button and its
    // menu item must agree.
    std::string Enabled() {
        struct Control {
            const char* name;
            QPushButton* button;
            int item;
        };
        const Control controls[] = {
            {"display", window->表示CMD, 1},       {"add", window->追加CMD, 2},
            {"modify", window->修正CMD, 3},        {"delete", window->削除CMD, 4},
            {"newfile", window->新ファイルCMD, 5}, {"filedelete", window->銘柄削除CMD, 7},
            {"range", window->範囲指定BTN, 0},
        };
        std::string names;
        for (const Control& c : controls) {
            const bool on = c.button->isEnabled();
            if (c.item > 0) {
                EXPECT_EQ(window->Item("mnuOperItem", c.item).Enabled(), on) << c.name;
            }
            if (on) names += std::string(names.empty() ? "" : " ") + c.name;
        }
        EXPECT_EQ(window->範囲削除BTN->isEnabled(), window->範囲指定BTN->isEnabled());
        return names;
    }
};

TEST_F(Form2StatesTest, EachEventLeadsToItsStateWithItsButtonsAndGridColour) {
    using Step = std::function<void()>;
    const Step add = [this] { window->追加CMD_Click(); };
    const Step modify = [this] { window->修正CMD_Click(); };
    const Step remove = [this] { window->削除CMD_Click(); };
    const Step scroll = [this] { emit Grid().Scroll(); };
    const Step reset = [this] { window->リセットCMD_Click(); };
    const Step clickRow2 = [this] { ClickCell(2, 3); };
    const Step clickNewRow = [this] { ClickCell(4, 5); };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::int16_t state;
        const char* enabled;
        Color grid;
        bool editorShown;
    };
    const char* all = "display add modify delete newfile filedelete range";
    const Case cases[] = {
        {"loaded", {}, 0, all, kIdleGrid, false},
        {"add", {add}, 91, "add", kIdleGrid, true},
        {"add, scrolled", {add, scroll}, 1, "add", kIdleGrid, false},
        {"add, scrolled, new row clicked", {add, scroll, clickNewRow}, 91, "add", kIdleGrid, true},
        {"add, another row clicked", {add, clickRow2}, 91, "add", kIdleGrid, true},
        {"add pressed again", {add, add}, 91, "add", kIdleGrid, true},
        {"modify", {modify}, 2, "modify", kBusyGrid, false},
        {"modify, cell clicked", {modify, clickRow2}, 92, "modify", kBusyGrid, true},
        {"modify, cell clicked, scrolled", {modify, clickRow2, scroll}, 2, "modify", kBusyGrid, false},
        {"delete", {remove}, 3, "delete", kBusyGrid, false},
        {"delete, row clicked", {remove, clickRow2}, 93, "delete", kBusyGrid, true},
        {"delete, row clicked, scrolled", {remove, clickRow2, scroll}, 3, "delete", kBusyGrid, false},
        // Buttons of other operations do nothing while one is chosen.
        {"delete, then modify", {remove, modify}, 3, "delete", kBusyGrid, false},
        {"modify, then delete", {modify, remove}, 2, "modify", kBusyGrid, false},
        {"add, reset", {add, reset}, 0, all, kIdleGrid, false},
        {"modify, cell clicked, reset", {modify, clickRow2, reset}, 0, all, kIdleGrid, false},
        {"delete, row clicked, reset", {remove, clickRow2, reset}, 0, all, kIdleGrid, false},
    };
    Write(FileOf(ThreeBars()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Choose();
        ASSERT_EQ(window->OperationState, 0);
        for (const Step& step : c.steps) step();
        EXPECT_EQ(window->OperationState, c.state);
        EXPECT_EQ(Enabled(), c.enabled);
        EXPECT_EQ(Grid().BackColor(), c.grid);
        if (const auto colour = GridColorOf(c.state)) {
            EXPECT_EQ(Grid().BackColor(), *colour);
        }
        EXPECT_EQ(!Editor().isHidden(), c.editorShown);
        EXPECT_FALSE(window->Item("mnuOperItem", 11).Enabled() && c.state != 0);
        window->リセットCMD_Click();
    }
    EXPECT_EQ(Bytes(), test::BytesOf(FileOf(ThreeBars()))) << "choosing and cancelling writes nothing";
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(Form2StatesTest, EndingAnOperationGivesItsButtonTheEndedLookAndTheIdleGrid) {
    Load(FileOf(ThreeBars()));
    struct Case {
        QPushButton* Form2::*button;
        void (Form2::*start)();
    };
    const Case cases[] = {{&Form2::追加CMD, &Form2::追加CMD_Click},
                          {&Form2::修正CMD, &Form2::修正CMD_Click},
                          {&Form2::削除CMD, &Form2::削除CMD_Click}};
    for (const Case& c : cases) {
        QPushButton* button = window->*c.button;
        window->ButtonMouseMove(button);
        EXPECT_EQ(BackColorOf(button), RGB(250, 245, 245));
        (window->*c.start)();
        // Moving on over the panel restores the others, not this one.
        window->Frame3_MouseMove();
        EXPECT_EQ(BackColorOf(button), RGB(250, 245, 245));
        EXPECT_EQ(BackColorOf(window->表示CMD), RGB(200, 200, 200));
        window->リセットCMD_Click();
        EXPECT_EQ(BackColorOf(button), RGB(220, 220, 220));
        EXPECT_EQ(Grid().BackColor(), kIdleGrid);
    }
}

TEST_F(Form2StatesTest, ALoadRequestDuringAnOperationChangesNeitherTheFileNorTheGrid) {
    Write(FileOf({Bar("04/01/24", 5, 5, 5, 5)}), "6501d.KDT");
    Load(FileOf(ThreeBars()));
    window->修正CMD_Click();
    Choose("6501d.KDT");
    EXPECT_EQ(window->DataFilePath, Path());
    EXPECT_EQ(window->LoadedFilePath, Path());
    EXPECT_EQ(Cell(1, 1), "05/09/24");
    EXPECT_EQ(window->OperationState, 2);
    EXPECT_EQ(Program().selection.ChartLoadMode, "");
    EXPECT_EQ(window->FG1Text6.Text(), "");
}

TEST_F(Form2StatesTest, AnotherFileChosenLeavesOnlyItsDeleteAndTheDisplayButton) {
    Write(FileOf({Bar("04/01/24", 5, 5, 5, 5)}), "6501d.KDT");
    Load(FileOf(ThreeBars()));
    window->表示CMD->setEnabled(false);
    Choose("6501d.KDT", false);
    EXPECT_EQ(ForeColorOf(window->Label1), RGB(200, 200, 200));
    EXPECT_EQ(window->DataFilePath, Path("6501d.KDT"));
    EXPECT_EQ(window->LoadedFilePath, Path());
    // The display button keeps the state it had; its item is only enabled
    // again by a load.
    EXPECT_FALSE(window->表示CMD->isEnabled());
    window->表示CMD->setEnabled(true);
    EXPECT_EQ(Enabled(), "display filedelete");
    EXPECT_FALSE(window->範囲削除BTN->isEnabled());

    // The shown file chosen again: everything is back.
    Choose("1301d.KDT", false);
    EXPECT_EQ(ForeColorOf(window->Label1), QBColor(9));
    EXPECT_EQ(Enabled(), "display add modify delete newfile filedelete range");
}

TEST_F(Form2StatesTest, ResettingTheFirstRowOfAHeaderOnlyFileDeletesTheFile) {
    Load(FileOf({}));
    EXPECT_EQ(Grid().Rows(), 45);
    window->追加CMD_Click();
    EXPECT_EQ(Grid().Rows(), 2) << "the new row is row 1";
    window->リセットCMD_Click();
    EXPECT_FALSE(FileExists(Path()));
    EXPECT_EQ(window->Label1->text().toStdString(), window->DisplayName + " Deleted");
    EXPECT_EQ(ForeColorOf(window->Label1), QBColor(13));
    EXPECT_EQ(window->DataFilePath, "");
    EXPECT_EQ(form->MSFGrid1->TextMatrix(1, 4), "") << "the data-file grid lists the files left";
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_EQ(Enabled(), "newfile filedelete");
}

TEST_F(Form2StatesTest, ResettingAnAddToAFileWithRecordsDropsTheUnfinishedRow) {
    Load(FileOf(ThreeBars()));
    window->追加CMD_Click();
    TypeAndEnter("050924");
    window->リセットCMD_Click();
    EXPECT_EQ(Grid().Rows(), 45);
    EXPECT_EQ(Cell(4, 1), "");
    EXPECT_EQ(Grid().CellBackColorAt(4, 1), kIdleGrid);
    EXPECT_EQ(Bytes(), test::BytesOf(FileOf(ThreeBars())));
}

TEST_F(Form2StatesTest, TheNewFileAndRangeStatesResetToTheFileTheyStartedFrom) {
    Load(FileOf(ThreeBars()));
    // The new-file panel open over an emptied grid.
    window->OriginalFilePath = Path();
    window->DataFilePath.clear();
    window->OperationState = 4;
    window->Frame4->show();
    window->Label1->setText("x");
    window->リセットCMD_Click();
    EXPECT_TRUE(window->Frame4->isHidden());
    EXPECT_EQ(window->DataFilePath, Path());
    EXPECT_EQ(window->Label1->text().toStdString(), window->DisplayName + "(100株)");
    EXPECT_EQ(ForeColorOf(window->Label1), QBColor(9));
    EXPECT_EQ(BackColorOf(window->新ファイルCMD), RGB(220, 220, 220));
    EXPECT_EQ(window->OperationState, 0);

    // A range deleted into the work file: the work file goes.
    const std::string work = dir.File("Work.KDT");
    Write(FileOf({ThreeBars()[0]}), "Work.KDT");
    window->OriginalFilePath = Path();
    window->DataFilePath = work;
    window->OperationState = 98;
    window->Text3->setText("1");
    window->Text4->setText("2");
    window->範囲削除保存BTN->setEnabled(true);
    window->リセットCMD_Click();
    EXPECT_FALSE(FileExists(work));
    EXPECT_EQ(window->DataFilePath, Path());
    EXPECT_EQ(Cell(3, 1), "05/07/24");
    EXPECT_TRUE(window->Text3->text().isEmpty());
    EXPECT_TRUE(window->Text4->text().isEmpty());
    EXPECT_FALSE(window->範囲削除保存BTN->isEnabled());
    EXPECT_EQ(Bytes(), test::BytesOf(FileOf(ThreeBars())));

    // Only the work file is ever deleted by the reset.
    window->OriginalFilePath = Path("6501d.KDT");
    window->DataFilePath = Path();
    window->OperationState = 8;
    window->リセットCMD_Click();
    EXPECT_TRUE(FileExists(Path()));
}

TEST_F(Form2StatesTest, AnIdleResetTakesTheMarkOffTheMarkedRow) {
    Load(FileOf(ThreeBars()));
    ClickCell(2, 3);
    EXPECT_EQ(window->MarkedRow, 2);
    for (int c = 1; c <= 13; ++c) EXPECT_EQ(Grid().CellForeColorAt(2, c), RGB(50, 100, 255)) << c;
    ClickCell(3, 3);
    EXPECT_EQ(Grid().CellForeColorAt(2, 1), QBColor(0));
    EXPECT_EQ(Grid().CellForeColorAt(3, 1), RGB(50, 100, 255));
    EXPECT_EQ(Grid().CellForeColorAt(3, 0), Grid().ForeColorFixed()) << "the row number keeps its colour";
    window->リセットCMD_Click();
    EXPECT_EQ(window->MarkedRow, 0);
    EXPECT_EQ(Grid().Row(), 3);
    EXPECT_EQ(Grid().CellForeColorAt(3, 1), QBColor(0));
    EXPECT_EQ(window->OperationState, 0);
}

TEST_F(Form2StatesTest, AnOperationHidesTheCorrectionPanelAndTheResetShowsItAgain) {
    Load(FileOf(ThreeBars()));
    window->mnuOperItem_Click(11);
    EXPECT_TRUE(window->Item("mnuOperItem", 11).Checked());
    EXPECT_FALSE(window->Frame2->isHidden());
    window->修正CMD_Click();
    EXPECT_TRUE(window->Frame2->isHidden());
    EXPECT_FALSE(window->Item("mnuOperItem", 11).Enabled());
    EXPECT_TRUE(window->Item("mnuOperItem", 11).Checked());
    window->リセットCMD_Click();
    EXPECT_FALSE(window->Frame2->isHidden());
    EXPECT_TRUE(window->Item("mnuOperItem", 11).Enabled());

    // With the mark set, a click in the delete state is no row delete.
    window->削除CMD_Click();
    ClickCell(2, 3);
    EXPECT_EQ(window->OperationState, 3);
    EXPECT_TRUE(Editor().isHidden());
}

}  // namespace
}  // namespace ranvik
