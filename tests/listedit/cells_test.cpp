// The grid under the mouse and the cell editor: the checks by column in
// both modes, the popups, the hover look, presses and scrolling.
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "listedit/cell_checks.h"
#include "tests/listedit/form1_fixture.h"

namespace ranvik::listedit::test {
namespace {

struct CheckCase {
    int col;
    const char* text;
    const char* code;  // column 1 of the row
    bool taken;
    const char* why;
};

TEST(CellChecks, AddingARowTakesTheseValues) {
    const CheckCase cases[] = {
        {1, "0123", "", true, ""},
        {1, "9999", "", true, ""},
        {1, "0000", "", true, ""},
        {1, "1A2B", "", true, "a text comparison, not a test for digits"},
        {1, "123", "", false, "three characters"},
        {1, "12345", "", false, ""},
        {1, " 123", "", false, "a blank counts"},
        {1, "9ABC", "", false, "above 9999 as text"},
        {1, "１２３４", "", false, "wide digits"},
        {1, "****", "", true, "a heading"},
        {1, " **** ", "", true, "a heading with blanks"},
        {2, "トヨタ", "7203", true, ""},
        {2, "   ", "7203", false, "blanks only"},
        {2, "", "7203", false, ""},
        // The name field holds 52 bytes: 26 double-byte characters.
        {2, "極極極極極極極極極極極極極極極極極極極極極極極極極極", "7203", true, "52 bytes"},
        {2, "  極極極極極極極極極極極極極極極極極極極極極極極極極極  ", "7203", true, "blanks are not saved"},
        {2, "極極極極極極極極極極極極極極極極極極極極極極極極極極a", "7203", false, "53 bytes"},
        {3, "t", "7203", true, ""},
        {3, "j", "7203", true, "no popup item, but taken"},
        {3, "o", "7203", true, ""},
        {3, "h", "7203", false, "a popup item, but refused"},
        {3, "g", "7203", false, ""},
        {3, "T", "7203", false, "upper case"},
        {3, "tt", "7203", false, ""},
        {3, "", "****", true, "a heading takes any text"},
        {3, "h", " ****", false, "only exactly **** makes a heading"},
        {4, "0", "7203", true, ""},
        {4, "5", "7203", true, ""},
        {4, "4", "7203", false, "the popup's 4 is refused"},
        {4, "6", "7203", false, ""},
        {4, "abc", "****", true, ""},
        {5, "100", "7203", true, ""},
        {5, " 1000 ", "7203", true, "blanks around"},
        {5, "2.5", "7203", true, "saved as 2"},
        {5, "-100", "7203", true, ""},
        {5, "1e3", "7203", true, ""},
        {5, "32767", "7203", true, ""},
        {5, "-32768", "7203", true, ""},
        {5, "32767.4", "7203", true, ""},
        {5, "32767.5", "7203", false, "rounds beyond the field"},
        {5, "100000", "7203", false, "beyond the field"},
        {5, "1e9", "7203", false, "beyond the field"},
        {5, "1,000", "7203", false, "would be saved as 1"},
        {5, "１００", "7203", false, "would be saved as 0"},
        {5, "", "7203", false, "the empty text is no number"},
        {5, "100株", "7203", false, ""},
        {5, "abc", "****", true, "a heading takes any text"},
        {6, "", "7203", true, ""},
        {6, "A1B2", "7203", true, "four bytes"},
        {6, "A1B2C", "7203", false, "beyond the field"},
    };
    for (const CheckCase& c : cases)
        EXPECT_EQ(CellValueTaken(kAddRow, c.col, c.text, c.code), c.taken) << c.col << " '" << c.text << "' " << c.why;
}

TEST(CellChecks, ModifyingACellTakesTheseValues) {
    const CheckCase cases[] = {
        {1, "1301", "1301", true, ""},
        {1, "1A2B", "1301", true, ""},
        {1, "****", "1301", false, "no heading by modifying"},
        {1, "130", "1301", false, ""},
        {2, "", "1301", true, "even the empty name"},
        {2, "   ", "", true, ""},
        {2, "極極極極極極極極極極極極極極極極極極極極極極極極極極", "1301", true, "52 bytes"},
        {2, "極極極極極極極極極極極極極極極極極極極極極極極極極極極", "1301", false, "54 bytes"},
        {3, "n", "1301", true, ""},
        {3, "h", "1301", false, ""},
        {3, "", "1301", false, ""},
        {4, "3", "1301", true, ""},
        {4, "4", "1301", false, ""},
        {4, "6", "1301", false, ""},
        {4, "", "1301", false, ""},
        {5, "1000", "1301", true, ""},
        {5, "40000", "1301", false, "beyond the field"},
        {5, "x", "1301", false, ""},
        {5, "abc", "****", false, "no heading exception while modifying"},
        {6, "", "1301", true, ""},
        {6, "ABCDE", "1301", false, "beyond the field"},
    };
    for (const CheckCase& c : cases)
        EXPECT_EQ(CellValueTaken(kModifyCell, c.col, c.text, c.code), c.taken) << c.col << " '" << c.text << "' " << c.why;
    EXPECT_FALSE(CellValueTaken(kNoOperation, 2, "x", "1301"));
    EXPECT_FALSE(CellValueTaken(kMoveRow, 2, "x", "1301"));
}

TEST_F(Form1Test, APressWithNoOperationSelectsTheCell) {
    Form1& f = StartWithPrimeTable();
    Press(2, 3);
    EXPECT_EQ(f.SelectedRow, 2);
    EXPECT_EQ(f.SelectedCol, 3);
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(2, 3), kSelectedBack);
    Press(7, 1);  // the blank last row can be selected too
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(2, 3), InactiveBorderColor());
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(7, 1), kSelectedBack);
    // The header row and other buttons do nothing.
    f.MSFGrid1->SetRow(3);
    f.MSFGrid1_MouseDown(1, 0, 300, 200);
    f.MSFGrid1_MouseDown(4, 0, 300, 300);
    EXPECT_EQ(f.SelectedRow, 7);
}

TEST_F(Form1Test, ModifyingOpensTheEditorOnAPressedCellAndTakesTheValueOnEnter) {
    Form1& f = StartWithPrimeTable();
    f.修正BTN_Click();
    ASSERT_EQ(f.EditMode, kModifyCell);
    // Not on the code cell of a heading, nor on the blank last row.
    Press(1, 1);
    Press(7, 2);
    EXPECT_TRUE(f.Text2->isHidden());
    // The name cell of a heading opens.
    Press(1, 2);
    EXPECT_FALSE(f.Text2->isHidden());
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(1, 2), QBColor(9));
    // Another cell: the first one's typing is dropped.
    f.Text2->setText("dropped");
    Press(2, 3);
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(1, 2), InactiveBorderColor());
    EXPECT_EQ(f.Text2->text().toStdString(), "t");
    EXPECT_EQ(f.Text2->selectedText().toStdString(), "t");
    EXPECT_EQ(f.MSFGrid1->Row(), 2);
    EXPECT_NEAR(LeftOf(f.Text2), LeftOf(f.MSFGrid1) + f.MSFGrid1->CellLeft(), 1);
    EXPECT_EQ(f.EditorLeft, LeftOf(f.Text2));

    Enter("h");  // refused: a beep, the editor keeps its text, nothing else
    EXPECT_EQ(messages->beeps, 1);
    EXPECT_FALSE(f.Text2->isHidden());
    EXPECT_EQ(f.Text2->text().toStdString(), "h");
    EXPECT_EQ(f.MSFGrid1->TextMatrix(2, 3), "t");
    EXPECT_FALSE(f.ListModified);

    Enter("t");  // unchanged: closes, nothing marked
    EXPECT_TRUE(f.Text2->isHidden());
    EXPECT_FALSE(f.ListModified);
    EXPECT_EQ(f.SelectedRow, 0);
    EXPECT_EQ(f.EditMode, kModifyCell);
    EXPECT_EQ(Caption(), "Tamelo(4.4.24) - 東証プライム銘柄リスト");

    Press(2, 3);
    Enter("n");
    EXPECT_EQ(f.MSFGrid1->TextMatrix(2, 3), "n");
    EXPECT_TRUE(f.ListModified);
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(2, 3), InactiveBorderColor());
    EXPECT_EQ(f.MSFGrid1->CellForeColorAt(2, 3), QBColor(0));
}

TEST_F(Form1Test, EnterInTheEditorDropsTheSaveSuffixOnceTheListIsChanged) {
    Form1& f = StartWithPrimeTable();
    f.ListModified = true;
    ASSERT_TRUE(f.WriteCurrentList());
    ASSERT_EQ(Caption(), "Tamelo(4.4.24) - 東証プライム銘柄リスト - 保存完了");
    f.修正BTN_Click();
    Press(2, 2);
    f.Text2_KeyDown(65, 0);  // any key: no change yet, the suffix stays
    EXPECT_EQ(Caption(), "Tamelo(4.4.24) - 東証プライム銘柄リスト - 保存完了");
    Enter("極洋2");
    EXPECT_EQ(Caption(), "Tamelo(4.4.24) - 東証プライム銘柄リスト");
}

TEST_F(Form1Test, TheEditorSwallowsEnterOnKeyPressAndActsOnKeyDown) {
    Form1& f = StartWithPrimeTable();
    EXPECT_EQ(f.Text2_KeyPress(13), 0);
    EXPECT_EQ(f.Text2_KeyPress('a'), 'a');
    f.修正BTN_Click();
    Press(2, 3);
    f.Text2->setText("h");
    f.Text2->end(false);
    QTest::keyClick(f.Text2, Qt::Key_Return);  // through the window system
    EXPECT_EQ(messages->beeps, 1);
    EXPECT_EQ(f.Text2->text().toStdString(), "h");
    QTest::keyClick(f.Text2, Qt::Key_Backspace);
    QTest::keyClicks(f.Text2, "f");
    QTest::keyClick(f.Text2, Qt::Key_Return);
    EXPECT_EQ(f.MSFGrid1->TextMatrix(2, 3), "f");
}

// A name is edited as it reads, without the blanks of its field: text
// typed after it is saved with it, and a name that does not fit its field
// is refused with a beep instead of being cut on saving.
TEST_F(Form1Test, ANameTypedOnIsSavedWholeAndOneTooLongIsRefused) {
    Form1& f = StartWithPrimeTable();
    f.修正BTN_Click();
    Press(2, 2);
    ASSERT_EQ(f.Text2->text().toStdString(), "極洋");
    f.Text2->end(false);
    QTest::keyClicks(f.Text2, "HD");
    QTest::keyClick(f.Text2, Qt::Key_Return);
    EXPECT_EQ(messages->beeps, 0);
    EXPECT_EQ(f.MSFGrid1->TextMatrix(2, 2), "極洋HD");

    Press(3, 2);
    ASSERT_EQ(f.Text2->text().toStdString(), "ニッスイ");
    f.Text2->end(false);
    QTest::keyClicks(f.Text2, std::string(45, 'x').c_str());  // 8 + 45 = 53 bytes
    QTest::keyClick(f.Text2, Qt::Key_Return);
    EXPECT_EQ(messages->beeps, 1);
    EXPECT_FALSE(f.Text2->isHidden());
    EXPECT_EQ(f.MSFGrid1->TextMatrix(3, 2), "ニッスイ");
    QTest::keyClick(f.Text2, Qt::Key_Backspace);  // 52 bytes fit
    QTest::keyClick(f.Text2, Qt::Key_Return);
    EXPECT_EQ(messages->beeps, 1);
    EXPECT_EQ(f.MSFGrid1->TextMatrix(3, 2), "ニッスイ" + std::string(44, 'x'));

    ASSERT_TRUE(f.WriteCurrentList());
    const std::optional<std::string> bytes = ReadFileBytes(dir.File(kPrimeTable));
    ASSERT_TRUE(bytes);
    const auto record = [&](int k) { return ListEntry::Decode(bytes->substr(static_cast<std::size_t>(k - 1) * 68, 68)); };
    EXPECT_EQ(TrimRight(record(3).StockName), "極洋HD");
    EXPECT_EQ(TrimRight(record(4).StockName), "ニッスイ" + std::string(44, 'x'));
}

TEST_F(Form1Test, ThePopupsOpenOverTheirColumnsAndFillOnlyTheirColumnsEditor) {
    Form1& f = StartWithPrimeTable();
    const int market = f.MSFGrid1->ColPos(3) + 10;
    const int section = f.MSFGrid1->ColPos(4) + 10;
    f.MSFGrid1_MouseDown(2, 0, market, 100);
    f.MSFGrid1_MouseDown(2, 0, section, 900);
    f.MSFGrid1_MouseDown(2, 0, 300, 900);
    ASSERT_EQ(popups->shown.size(), 2u);
    EXPECT_EQ(popups->shown[0].menu, f.mnuSijyou);
    EXPECT_EQ(popups->shown[1].menu, f.mnuBu);

    f.修正BTN_Click();
    Press(2, 2);
    popups->QueueChoice(f.mnuSijyouItem->Action(7));  // "f" while the editor is on the name
    f.MSFGrid1_MouseDown(2, 0, market, 300);
    EXPECT_EQ(f.Text2->text().toStdString().substr(0, 6), "極洋");
    Press(2, 3);
    popups->QueueChoice(f.mnuSijyouItem->Action(7));
    f.MSFGrid1_MouseDown(2, 0, market, 300);
    EXPECT_EQ(f.Text2->text().toStdString(), "f");
    EXPECT_EQ(f.MSFGrid1->TextMatrix(2, 3), "t");  // a proposal until Enter
    Enter(f.Text2->text().toStdString());
    EXPECT_EQ(f.MSFGrid1->TextMatrix(2, 3), "f");

    Press(2, 4);
    popups->QueueChoice(f.mnuBuItem->Action(4));
    f.MSFGrid1_MouseDown(2, 0, section, 300);
    EXPECT_EQ(f.Text2->text().toStdString(), "4");
    Enter("4");
    EXPECT_EQ(messages->beeps, 1);
    EXPECT_EQ(f.MSFGrid1->TextMatrix(2, 4), "1");
    // A hidden item cannot be chosen.
    popups->QueueChoice(f.mnuSijyouItem->Action(9));
    Press(2, 3);
    f.MSFGrid1_MouseDown(2, 0, market, 300);
    EXPECT_EQ(f.Text2->text().toStdString(), "f");
}

TEST_F(Form1Test, TheHoverLookFollowsThePointerAndSparesOnlyTheSelectedCell) {
    std::vector<ListEntry> many;
    for (int i = 0; i < 40; ++i) many.push_back(Stock(std::to_string(1000 + i), "銘柄"));
    WritePrimeTable(many);
    Form1& f = Start();
    f.mnuMeigaraList_Click(1);
    const struct {
        double x, y;
        int top, row, col;
    } cases[] = {
        {300, 250, 1, 1, 1},
        {700, 239, 1, 0, 2},      // the header row is never painted
        {2, 600, 1, 2, 0},
        {300, 99999, 1, 41, 1},   // below the last row: the last row
        {300, 250, 5, 5, 1},
        {300, 100, 5, 4, 1},      // over the header with row 5 at the top: row 4
    };
    for (const auto& c : cases) {
        f.MSFGrid1->SetTopRow(c.top);
        ASSERT_EQ(f.MSFGrid1->TopRow(), c.top);
        f.MSFGrid1_MouseMove(0, 0, c.x, c.y);
        EXPECT_EQ(f.HoverRow, c.row) << c.y;
        EXPECT_EQ(f.HoverCol, c.col) << c.x;
        if (c.row >= 1) {
            EXPECT_EQ(f.MSFGrid1->CellBackColorAt(c.row, c.col), kHoverBack) << c.y;
        }
    }
    // Right of the last column nothing happens.
    f.MSFGrid1_MouseMove(0, 0, 999999, 250);
    EXPECT_EQ(f.HoverRow, 4);

    f.MSFGrid1->SetTopRow(1);
    Press(3, 1);
    f.MSFGrid1_MouseMove(0, 0, 300, 3 * 240 + 5);
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(3, 1), kSelectedBack);
    f.MSFGrid1_MouseMove(0, 0, 300, 4 * 240 + 5);
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(3, 1), kSelectedBack);
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(4, 1), kHoverBack);
    f.MSFGrid1_MouseMove(0, 0, 300, 4 * 240 + 50);  // the same cell: nothing
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(4, 1), kHoverBack);
}

TEST_F(Form1Test, ScrollingWhileEditingKeepsTheEditorOnItsRowOrHidesIt) {
    std::vector<ListEntry> many;
    for (int i = 0; i < 100; ++i) many.push_back(Stock(std::to_string(1000 + i), "銘柄"));
    WritePrimeTable(many);
    Form1& f = Start();
    f.mnuMeigaraList_Click(1);
    f.修正BTN_Click();
    Press(40, 2);
    const double left = f.EditorLeft;
    // The last offset that still shows the editor.
    const int lastShown = (HeightOf(f.MSFGrid1) - 480) / 240;
    const struct {
        int top;
        bool shown;
    } cases[] = {{35, true}, {41, false}, {40, true}, {40 - lastShown, true}, {39 - lastShown, false}, {1, false}};
    for (const auto& c : cases) {
        f.MSFGrid1->SetTopRow(c.top);  // raises the grid's Scroll
        ASSERT_EQ(f.MSFGrid1->TopRow(), c.top);
        EXPECT_EQ(f.Text2->isHidden(), !c.shown) << c.top;
        EXPECT_EQ(LeftOf(f.Text2), left);
        EXPECT_NEAR(TopOf(f.Text2), TopOf(f.MSFGrid1) + 280 + (40 - c.top) * 240, 8) << c.top;
    }
    // Without an add or a modify the editor does not move.
    f.リセットBTN_Click();
    const QRect place = f.Text2->geometry();
    f.MSFGrid1->SetTopRow(20);
    EXPECT_EQ(f.Text2->geometry(), place);
}

}  // namespace
}  // namespace ranvik::listedit::test
