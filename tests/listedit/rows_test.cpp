// The edit buttons: modify, insert (the add), delete, move and reset, the
// operation state, the messages, and the buttons' looks.
#include <QLabel>
#include <QLineEdit>

#include "tests/listedit/form1_fixture.h"

namespace ranvik::listedit::test {
namespace {

// Twelve stocks 1001 to 1012 named A to L.
std::vector<ListEntry> TwelveStocks() {
    std::vector<ListEntry> entries;
    for (int i = 0; i < 12; ++i) entries.push_back(Stock(std::to_string(1001 + i), std::string(1, static_cast<char>('A' + i))));
    return entries;
}

class RowsTest : public Form1Test {
protected:
    Form1& StartWithTwelve() {
        WritePrimeTable(TwelveStocks());
        Form1& f = Start();
        f.mnuMeigaraList_Click(1);
        return f;
    }
    // Column 1 of the rows, the blank last row included.
    std::vector<std::string> Codes() { return Column(*form->MSFGrid1, 1); }
    // Which of modify, insert, delete, move and reset are enabled.
    std::vector<bool> Buttons() {
        return {form->修正BTN->isEnabled(), form->行追加BTN->isEnabled(), form->行削除BTN->isEnabled(),
                form->行移動BTN->isEnabled(), form->リセットBTN->isEnabled()};
    }
    // The seven list items and the save item.
    std::vector<bool> FileItems() {
        std::vector<bool> items;
        for (int i = 0; i <= 6; ++i) items.push_back(form->mnuMeigaraList->Enabled(i));
        items.push_back(form->mnuFileItem->Enabled(1));
        return items;
    }
};

std::vector<std::string> CodesOf(std::initializer_list<int> numbers) {
    std::vector<std::string> codes;
    for (int n : numbers) codes.push_back(n == 0 ? "" : std::to_string(n));
    return codes;
}

TEST_F(RowsTest, EachStateLeavesItsButtonsAndMenusUsable) {
    Form1& f = StartWithTwelve();
    const std::vector<bool> allLists = {true, true, true, true, true, false, true, false};
    const std::vector<bool> closed = {false, false, false, false, false, false, false, false};
    EXPECT_EQ(Buttons(), (std::vector<bool>{true, true, true, true, true}));
    EXPECT_EQ(FileItems(), allLists);

    Press(3, 2);
    f.修正BTN_Click();
    EXPECT_EQ(f.EditMode, kModifyCell);
    EXPECT_EQ(Buttons(), (std::vector<bool>{true, false, false, false, true}));
    EXPECT_EQ(FileItems(), closed);
    f.リセットBTN_Click();
    EXPECT_EQ(f.EditMode, 0);

    Press(3, 2);
    f.行追加BTN_Click();
    EXPECT_EQ(f.EditMode, kAddRow);
    EXPECT_EQ(Buttons(), (std::vector<bool>{false, true, false, false, true}));
    EXPECT_EQ(FileItems(), closed);
    f.リセットBTN_Click();

    Press(3, 2);
    f.行移動BTN_Click();
    EXPECT_EQ(f.EditMode, kMoveRow);
    EXPECT_EQ(Buttons(), (std::vector<bool>{false, false, false, true, false}));
    EXPECT_EQ(FileItems(), closed);
    Press(5, 1);
    EXPECT_EQ(f.EditMode, 0);
    EXPECT_EQ(Buttons(), (std::vector<bool>{true, true, true, true, true}));
    // The URL list stays closed outside administrator and privilege mode.
    EXPECT_EQ(FileItems(), (std::vector<bool>{true, true, true, true, true, false, true, true}));

    // In privilege mode it opens again when an operation ends.
    f.mnuHenItem_Click(11);
    f.修正BTN_Click();
    EXPECT_FALSE(f.mnuMeigaraList->Enabled(5));
    f.リセットBTN_Click();
    EXPECT_TRUE(f.mnuMeigaraList->Enabled(5));
}

TEST_F(RowsTest, ModifyWithNothingSelectedOpensTheEditorOnEveryPressUntilReset) {
    Form1& f = StartWithTwelve();
    f.EditButton_MouseMove(f.修正BTN, 0);
    f.修正BTN_Click();
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_TRUE(f.Text2->isHidden());
    f.Frame3_MouseMove();
    EXPECT_EQ(BackColorOf(f.Label4), kBackLabelHover);
    EXPECT_EQ(BackColorOf(f.修正BTN), QBColor(15));
    for (int row : {2, 7, 4}) {
        Press(row, 2);
        EXPECT_FALSE(f.Text2->isHidden());
        EXPECT_EQ(f.SelectedRow, row);
    }
    // Pressing modify again does nothing.
    f.修正BTN_Click();
    EXPECT_EQ(f.SelectedRow, 4);
    f.Text2->setText("typed");
    f.リセットBTN_Click();
    EXPECT_EQ(f.EditMode, 0);
    EXPECT_TRUE(f.Text2->isHidden());
    EXPECT_EQ(f.MSFGrid1->TextMatrix(4, 2), "D");
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(4, 2), InactiveBorderColor());
    EXPECT_FALSE(f.ListModified);
}

TEST_F(RowsTest, ModifyOnASelectedCell) {
    Form1& f = StartWithPrimeTable();
    Press(7, 2);  // the blank last row: nothing
    f.修正BTN_Click();
    EXPECT_EQ(f.EditMode, 0);
    Press(1, 3);  // a heading's empty market cell
    f.修正BTN_Click();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "911, この部分は変更できません。");
    EXPECT_EQ(messages->shown[0].title, "Tamelo ");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(f.EditMode, 0);
    EXPECT_EQ(BackColorOf(f.Label4), kBackLabelNormal);

    Press(2, 1);
    f.修正BTN_Click();
    EXPECT_EQ(f.EditMode, kModifyCell);
    EXPECT_FALSE(f.Text2->isHidden());
    EXPECT_EQ(f.Text2->text().toStdString(), "1301");
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(2, 1), kSelectedBack);
    Enter("2002");
    EXPECT_EQ(f.MSFGrid1->TextMatrix(2, 1), "2002");
    EXPECT_TRUE(f.ListModified);
}

TEST_F(RowsTest, InsertAddsABlankRowAboveTheSelectedOneAndResetRemovesIt) {
    Form1& f = StartWithTwelve();
    f.行追加BTN_Click();
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{"912, 追加行を指定して下さい。"});
    EXPECT_EQ(messages->shown[0].title, "Tamelo ");

    const std::vector<std::string> before = Codes();
    Press(1, 3);
    f.行追加BTN_Click();
    EXPECT_EQ(f.EditMode, kAddRow);
    EXPECT_EQ(f.MSFGrid1->Rows(), 15);
    EXPECT_EQ(Codes(), CodesOf({0, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 0}));
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(f.MSFGrid1->CellBackColorAt(1, c), kNewRowBack) << c;
    EXPECT_EQ(f.SelectedRow, 1);
    EXPECT_EQ(f.SelectedCol, 1);
    EXPECT_FALSE(f.Text2->isHidden());
    EXPECT_EQ(f.Text2->text().toStdString(), "");
    EXPECT_EQ(f.MSFGrid1->Row(), 1);
    EXPECT_EQ(f.MSFGrid1->Col(), 1);
    // Pressing insert during the add does nothing.
    f.行追加BTN_Click();
    EXPECT_EQ(f.MSFGrid1->Rows(), 15);

    f.リセットBTN_Click();
    EXPECT_EQ(Codes(), before);
    EXPECT_EQ(f.EditMode, 0);
    EXPECT_FALSE(f.ListModified);
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(f.MSFGrid1->CellBackColorAt(1, c), InactiveBorderColor()) << c;
}

TEST_F(RowsTest, AnAddFillsTheNewRowColumnByColumnAndLeavesNoRowSelected) {
    Form1& f = StartWithTwelve();
    f.ListModified = true;
    ASSERT_TRUE(f.WriteCurrentList());
    Press(2, 2);
    f.行追加BTN_Click();
    Enter("123");  // refused: the editor keeps it
    EXPECT_EQ(messages->beeps, 1);
    EXPECT_EQ(f.Text2->text().toStdString(), "123");
    EXPECT_EQ(f.SelectedCol, 1);
    for (const char* value : {"1300", "新銘柄 ", "t", "1"}) {
        const int col = f.SelectedCol;
        Enter(value);
        EXPECT_EQ(f.MSFGrid1->TextMatrix(2, col), value);
        EXPECT_EQ(f.MSFGrid1->CellForeColorAt(2, col), QBColor(12));
        EXPECT_EQ(f.SelectedCol, col + 1);
        EXPECT_EQ(f.Text2->text().toStdString(), "");
        EXPECT_EQ(f.MSFGrid1->Col(), col + 1);
    }
    EXPECT_FALSE(f.ListModified);
    Enter("100");  // the last column outside administrator mode
    EXPECT_EQ(f.EditMode, 0);
    EXPECT_TRUE(f.ListModified);
    EXPECT_TRUE(f.Text2->isHidden());
    EXPECT_EQ(f.SelectedRow, 0);
    EXPECT_EQ(f.SelectedCol, 0);
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(f.MSFGrid1->CellBackColorAt(2, c), InactiveBorderColor()) << c;
        EXPECT_EQ(f.MSFGrid1->CellForeColorAt(2, c), QBColor(0)) << c;
    }
    EXPECT_EQ(f.MSFGrid1->TextMatrix(2, 6), "");
    EXPECT_EQ(Codes(), CodesOf({1001, 1300, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 0}));
    EXPECT_TRUE(f.mnuFileItem->Enabled(1));
    EXPECT_EQ(Caption(), "Tamelo(4.4.24) - 東証プライム銘柄リスト");
    // No row was silently chosen for the next operation.
    f.行削除BTN_Click();
    EXPECT_EQ(MessageTexts().back(), "913, 削除行を指定して下さい。");
}

TEST_F(RowsTest, InAdministratorModeTheAddGoesOnToTheUniColumn) {
    WriteAdminUrlList();
    Form1& f = StartWithTwelve();
    Press(1, 1);
    f.行追加BTN_Click();
    for (const char* value : {"****", "見出し", "", "", ""}) Enter(value);
    EXPECT_EQ(f.EditMode, kAddRow);
    EXPECT_EQ(f.SelectedCol, 6);
    Enter("");
    EXPECT_EQ(f.EditMode, 0);
    EXPECT_EQ(f.MSFGrid1->TextMatrix(1, 1), "****");
    ASSERT_TRUE(f.WriteCurrentList());
    const ListTableContents t = ReadListTable(dir.File(kPrimeTable));
    EXPECT_TRUE(t.entries[0].IsHeading());
    EXPECT_EQ(Trim(t.entries[0].StockName), "見出し");
}

TEST_F(RowsTest, APressElsewhereMovesTheNewRowAboveThePressedEntry) {
    Form1& f = StartWithTwelve();
    Press(5, 1);
    f.行追加BTN_Click();
    Enter("1999");
    for (int row : {5, 6}) {
        Press(row, 2);
        EXPECT_EQ(f.SelectedRow, 5);
        EXPECT_EQ(f.SelectedCol, 2);
    }
    Press(9, 3);  // entries 1005 to 1007 move up; the new row stands above 1008
    EXPECT_EQ(Codes(), CodesOf({1001, 1002, 1003, 1004, 1005, 1006, 1007, 0, 1008, 1009, 1010, 1011, 1012, 0}));
    EXPECT_EQ(f.SelectedRow, 8);
    EXPECT_EQ(f.SelectedCol, 1);
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(f.MSFGrid1->CellBackColorAt(8, c), kNewRowBack) << c;
        EXPECT_EQ(f.MSFGrid1->CellBackColorAt(5, c), InactiveBorderColor()) << c;
    }
    Press(2, 1);  // entries from 1002 on move down
    EXPECT_EQ(Codes(), CodesOf({1001, 0, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 0}));
    EXPECT_EQ(f.SelectedRow, 2);
    EXPECT_EQ(f.EditMode, kAddRow);
}

TEST_F(RowsTest, DeleteAsksWithTheCodeAndRemovesTheRowOnYes) {
    Form1& f = StartWithTwelve();
    f.行削除BTN_Click();
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{"913, 削除行を指定して下さい。"});
    Press(13, 1);  // the blank last row: nothing asked
    f.行削除BTN_Click();
    EXPECT_EQ(messages->shown.size(), 1u);

    Press(3, 2);
    messages->QueueAnswer(MessageAnswer::No);
    f.行削除BTN_Click();
    ASSERT_EQ(messages->shown.size(), 2u);
    EXPECT_EQ(messages->shown[1].text, "915, 銘柄コード : 1003 --- 削除OK ?");
    EXPECT_EQ(messages->shown[1].title, "Tamelo ");
    EXPECT_EQ(messages->shown[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(f.MSFGrid1->Rows(), 14);
    EXPECT_FALSE(f.ListModified);
    EXPECT_EQ(f.SelectedRow, 3);
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(3, 2), kSelectedBack);

    messages->QueueAnswer(MessageAnswer::Yes);
    f.行削除BTN_Click();
    EXPECT_EQ(Codes(), CodesOf({1001, 1002, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 0}));
    EXPECT_TRUE(f.ListModified);
    EXPECT_TRUE(f.mnuFileItem->Enabled(1));
    EXPECT_EQ(f.SelectedRow, 0);
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(3, 2), InactiveBorderColor());
    EXPECT_EQ(BackColorOf(f.Label6), kBackLabelNormal);
}

TEST_F(RowsTest, DeletingAHeadingShowsAnEmptyCode) {
    StartWithPrimeTable();
    Press(4, 2);
    messages->QueueAnswer(MessageAnswer::No);
    form->行削除BTN_Click();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"915, 銘柄コード :  --- 削除OK ?"});
}

TEST_F(RowsTest, AMovedRowIsCutAndPastedAboveThePressedRow) {
    Form1& f = StartWithTwelve();
    f.行移動BTN_Click();
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{"913, 移動行を指定して下さい。"});
    Press(13, 1);
    f.行移動BTN_Click();
    EXPECT_EQ(f.EditMode, 0);

    Press(10, 2);
    f.行移動BTN_Click();
    EXPECT_EQ(f.EditMode, kMoveRow);
    EXPECT_EQ(Codes(), CodesOf({1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1011, 1012, 0}));
    EXPECT_EQ(f.SelectedRow, 10);
    EXPECT_TRUE(f.ListModified);
    EXPECT_EQ(Editor().EntryBuf.Code, "1010");
    EXPECT_EQ(Editor().EntryBuf.Section, 1);
    // Pressing move again does nothing.
    f.行移動BTN_Click();
    EXPECT_EQ(f.EditMode, kMoveRow);

    Press(3, 4);
    EXPECT_EQ(Codes(), CodesOf({1001, 1002, 1010, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1011, 1012, 0}));
    EXPECT_EQ(f.MSFGrid1->TextMatrix(3, 2), "J");
    EXPECT_EQ(f.MSFGrid1->TextMatrix(3, 4), "1");
    EXPECT_EQ(f.MSFGrid1->TextMatrix(3, 5), "100");
    EXPECT_EQ(f.MSFGrid1->TextMatrix(3, 6), "    ");
    EXPECT_EQ(f.EditMode, 0);
    EXPECT_EQ(f.SelectedRow, 0);
    EXPECT_EQ(f.SelectedCol, 1);
    EXPECT_EQ(BackColorOf(f.Label8), kBackLabelNormal);

    // A press on the blank last row puts the entry after the last one.
    Press(1, 1);
    f.行移動BTN_Click();
    Press(12, 1);
    EXPECT_EQ(Codes(), CodesOf({1002, 1010, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1011, 1012, 1001, 0}));
}

TEST_F(RowsTest, AMovedHeadingIsWrittenBackAsAHeading) {
    Form1& f = StartWithPrimeTable();
    Press(4, 2);  // 輸送用機器
    f.行移動BTN_Click();
    EXPECT_EQ(Editor().EntryBuf.Section, 99);
    EXPECT_EQ(Editor().EntryBuf.TradingUnit, 99);
    Press(1, 1);
    EXPECT_EQ(f.MSFGrid1->TextMatrix(1, 1), "    ");
    EXPECT_EQ(f.MSFGrid1->TextMatrix(1, 2), "    輸送用機器");
    for (int c = 3; c <= 6; ++c) EXPECT_EQ(f.MSFGrid1->TextMatrix(1, c), c == 3 ? " " : "") << c;
    ASSERT_TRUE(f.WriteCurrentList());
    const ListTableContents t = ReadListTable(dir.File(kPrimeTable));
    ASSERT_EQ(t.entries.size(), 6u);
    EXPECT_EQ(t.entries[0].Encode().substr(2), [] {
        ListEntry h = Heading("輸送用機器");
        h.RecordNo = 2;
        h.Reserved = 7;
        return h.Encode().substr(2);
    }());
}

TEST_F(RowsTest, ClosingDuringAMovePutsTheRowBackOnYesAndKeepsTheWindowEitherWay) {
    Form1& f = StartWithTwelve();
    const std::vector<std::string> before = Codes();
    Press(10, 1);
    f.行移動BTN_Click();
    for (int round = 0; round < 2; ++round) {
        f.EditButton_MouseMove(f.行移動BTN, 0);
        messages->QueueAnswer(MessageAnswer::No);
        int cancel = 0;
        f.Form_Unload(cancel);
        EXPECT_EQ(cancel, 1);
        EXPECT_EQ(MessageTexts().back(), "914, 行移動が完了していません。復元しますか？");
        EXPECT_EQ(messages->shown.back().title, "Tamelo ");
        EXPECT_EQ(messages->shown.back().buttons, MessageButtons::YesNo);
        EXPECT_EQ(f.EditMode, kMoveRow);
        EXPECT_EQ(BackColorOf(f.Label8), kBackLabelNormal);
        EXPECT_EQ(BackColorOf(f.行移動BTN), kButtonNormal);
    }
    messages->QueueAnswer(MessageAnswer::Yes);
    int cancel = 0;
    f.Form_Unload(cancel);
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(Codes(), before);
    EXPECT_EQ(f.EditMode, 0);
    EXPECT_EQ(f.SelectedRow, 0);
    EXPECT_TRUE(help->calls.empty());
}

TEST_F(RowsTest, ClosingDuringAnAddNeverSavesTheHalfFilledRow) {
    Form1& f = StartWithTwelve();
    Press(2, 1);
    messages->QueueAnswer(MessageAnswer::Yes);
    f.行削除BTN_Click();
    Press(1, 1);
    f.行追加BTN_Click();
    Enter("1500");
    Enter("途中");
    messages->QueueAnswer(MessageAnswer::Yes);
    int cancel = 0;
    f.Form_Unload(cancel);
    EXPECT_EQ(cancel, 0);
    ASSERT_EQ(messages->shown.size(), 2u);
    EXPECT_EQ(messages->shown[1].text, "906, 内容が変更されています。保存しますか？");
    const ListTableContents t = ReadListTable(dir.File(kPrimeTable));
    ASSERT_EQ(t.entries.size(), 11u);
    EXPECT_EQ(t.entries[0].Code, "1001");
    EXPECT_EQ(t.entries[1].Code, "1003");
}

TEST_F(RowsTest, ClosingDuringAModifyDropsTheValueInTheEditor) {
    Form1& f = StartWithTwelve();
    f.修正BTN_Click();
    Press(2, 2);
    f.Text2->setText("not confirmed");
    int cancel = 0;
    f.Form_Unload(cancel);
    EXPECT_EQ(cancel, 0);
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(RowsTest, APressedButtonMovesAndShrinksAndComesBackOnRelease) {
    Form1& f = StartWithTwelve();
    EXPECT_EQ(f.ButtonPlace(f.修正BTN), (TwipsRect{140, 270, 950, 180}));
    f.EditButton_MouseDown(f.修正BTN);
    EXPECT_EQ(f.ButtonPlace(f.修正BTN), (TwipsRect{148, 278, 935, 175}));
    EXPECT_EQ(BackColorOf(f.Label4), kBackLabelPressed);
    EXPECT_EQ(f.PressedButton, f.修正BTN);
    EXPECT_EQ(f.ButtonHeight, 180);
    EXPECT_NEAR(LeftOf(f.修正BTN), 148, 8);
    f.EditButton_MouseUp(f.修正BTN);
    EXPECT_EQ(f.ButtonPlace(f.修正BTN), (TwipsRect{140, 270, 950, 180}));
    EXPECT_EQ(BackColorOf(f.Label4), kBackLabelHover);
    // A move with a button held keeps the pressed colour.
    f.EditButton_MouseDown(f.行移動BTN);
    f.EditButton_MouseMove(f.行移動BTN, 1);
    EXPECT_EQ(BackColorOf(f.Label8), kBackLabelPressed);
    f.EditButton_MouseUp(f.行移動BTN);
    EXPECT_EQ(f.ButtonPlace(f.行移動BTN), (TwipsRect{3530, 270, 930, 180}));
}

}  // namespace
}  // namespace ranvik::listedit::test
