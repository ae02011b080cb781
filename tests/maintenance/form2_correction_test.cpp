// Correction picks: a click on the first bar after a jump fills the next row
// of the correction table.
#include "maintenance/correction_points.h"
#include "tests/maintenance/form2_fixture.h"

namespace ranvik {
namespace {

using test::Bar;
using test::FileOf;

// A two-for-one split between the second and third bars, oldest first.
std::vector<QuoteRecord> SplitBars(const std::string& multiplier = "") {
    return {Bar("05/06/24", 1000, 1000, 1010, 990, 0, 0, 0, multiplier),
            Bar("05/07/24", 1000, 1000, 1010, 990, 0, 0, 0, multiplier), Bar("05/08/24", 500, 500, 505, 495),
            Bar("05/09/24", 510, 500, 515, 495)};
}

class Form2CorrectionTest : public test::Form2Test {
protected:
    void Pick(const std::string& date) {
        for (int row = 1; row < Grid().Rows(); ++row) {
            if (Cell(row, 1) != date) continue;
            ClickCell(row, 1);
            return;
        }
        ADD_FAILURE() << date << " is not shown";
    }
    // A click on a cell of the correction table opens its editor there.
    void ClickTable(int row, int col) {
        window->FGrid3->SetRow(row);
        window->FGrid3->SetCol(col);
        emit window->FGrid3->Click();
    }
    TextBox& TableEditor() { return *window->Text9; }
    // An entry put into the editor whole, then Enter.
    void TypeInTable(const char* text) {
        TableEditor().setText(text);
        QTest::keyClick(&TableEditor(), Qt::Key_Return);
    }
    std::vector<std::string> TableRow(int row) {
        std::vector<std::string> texts;
        for (int c = 0; c <= 3; ++c) texts.push_back(window->FGrid3->TextMatrix(row, c));
        return texts;
    }
};

TEST_F(Form2CorrectionTest, APickInEitherOrderFillsTheNextTableRowWithTheJump) {
    Load(FileOf(SplitBars()));
    window->mnuOperItem_Click(11);
    for (bool newestFirst : {true, false}) {
        SCOPED_TRACE(newestFirst);
        Pick("05/08/24");
        EXPECT_EQ(TableRow(1), (std::vector<std::string>{"1", "05/08/24", "2", "4"}));
        EXPECT_EQ(window->FGrid3->TextMatrix(0, 0), "0");
        EXPECT_TRUE(window->チャート補正保存->isEnabled());
        // A second pick replaces the first.
        Pick("05/09/24");
        EXPECT_EQ(TableRow(1), (std::vector<std::string>{"1", "05/09/24", "1", "5"}));
        window->mnu逆表示_Click(1);
    }
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(Form2CorrectionTest, UnusablePicksAndAFifthRowBeepAndStoreNothing) {
    Load(FileOf(SplitBars()));
    window->mnuOperItem_Click(11);
    Pick("05/06/24");  // the first bar has no older neighbour
    ClickCell(Grid().Rows() - 1, 1);  // an empty row
    EXPECT_EQ(Beeps(), 2);
    EXPECT_EQ(TableRow(1)[2], "");

    // Four points listed: no fifth row.
    window->FGrid3->SetTextMatrix(0, 0, "4");
    Pick("05/08/24");
    EXPECT_EQ(Beeps(), 3);
}

TEST_F(Form2CorrectionTest, TheSaveWritesThePointIntoItsRecordAndTheHeaderAndMultiplier1RemovesIt) {
    Load(FileOf(SplitBars()));
    window->mnuOperItem_Click(11);
    Pick("05/08/24");
    window->チャート補正保存_Click();
    std::vector<QuoteRecord> expected = FileOf(SplitBars(), "2", "05/08/24");
    expected[3].CorrectionMultiplier = "2 ";
    EXPECT_EQ(Bytes(), test::BytesOf(expected));
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "  補正データ保存完了   ");
    EXPECT_EQ(messages->shown[0].title, "ﾁｬｰﾄ補正");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Information);
    EXPECT_FALSE(window->チャート補正保存->isEnabled());

    // Multiplier 1 on row 1: the point goes and the correction is off.
    window->FGrid3->SetTextMatrix(1, 2, "1");
    window->チャート補正保存_Click();
    expected[0].CorrectionMultiplier = "";
    expected[3].CorrectionMultiplier = "";
    EXPECT_EQ(Bytes(), test::BytesOf(expected));

    // A row without a stored form writes nothing and says nothing.
    window->FGrid3->SetTextMatrix(1, 2, "1.5");
    window->チャート補正保存_Click();
    EXPECT_EQ(Bytes(), test::BytesOf(expected));
    EXPECT_EQ(messages->shown.size(), 2u);
}

TEST_F(Form2CorrectionTest, TheTableEditorOpensOverTheClickedCellAndTheScrollHidesIt) {
    Load(FileOf(SplitBars("2"), "2", "05/06/24"));
    window->mnuOperItem_Click(11);
    ClickTable(2, 2);
    EXPECT_FALSE(TableEditor().isHidden());
    EXPECT_EQ(TableEditor().text().toStdString(), "2");
    EXPECT_EQ(window->EditColumn, 2);
    EXPECT_EQ(window->EditColumnWidth, window->FGrid3->ColWidth(2));
    // Saving while it is open writes nothing.
    const std::string before = Bytes();
    window->チャート補正保存_Click();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "  データ補正中です   ");
    EXPECT_EQ(messages->shown[0].title, "ﾁｬｰﾄ補正");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(Bytes(), before);
    // The scroll drops what was typed.
    QTest::keyClicks(&TableEditor(), "5");
    emit window->FGrid3->Scroll();
    EXPECT_TRUE(TableEditor().isHidden());
    EXPECT_EQ(TableRow(2)[2], "2");
    // The heading row takes no editor.
    window->FGrid3->SetRow(0);
    emit window->FGrid3->Click();
    EXPECT_TRUE(TableEditor().isHidden());
}

TEST_F(Form2CorrectionTest, ATypedMultiplierTakesItsDisplayFormOrBeepsAndStaysOpen) {
    Load(FileOf(SplitBars()));
    window->mnuOperItem_Click(11);
    const struct {
        const char* typed;
        const char* shown;  // nullptr: a beep, the editor open with the text
    } cases[] = {{"0.25", "0.2"}, {"1.6", "2"}, {"1", "1"}, {"99", "99"}, {"0.09", nullptr},
                 {"100", nullptr}, {"x", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        window->FGrid3->SetTextMatrix(1, 2, "");
        window->チャート補正保存->setEnabled(false);
        ClickTable(1, 2);
        const int before = Beeps();
        TypeInTable(c.typed);
        if (c.shown == nullptr) {
            EXPECT_EQ(Beeps(), before + 1);
            EXPECT_FALSE(TableEditor().isHidden());
            EXPECT_EQ(TableEditor().text().toStdString(), c.typed);
            EXPECT_EQ(TableRow(1)[2], "");
            EXPECT_FALSE(window->チャート補正保存->isEnabled());
        } else {
            EXPECT_EQ(Beeps(), before);
            EXPECT_TRUE(TableEditor().isHidden());
            EXPECT_EQ(TableRow(1)[2], c.shown);
            EXPECT_TRUE(window->チャート補正保存->isEnabled());
        }
    }
    // An empty entry closes the editor and changes nothing.
    window->FGrid3->SetTextMatrix(1, 2, "3");
    ClickTable(1, 2);
    TypeInTable("");
    EXPECT_TRUE(TableEditor().isHidden());
    EXPECT_EQ(TableRow(1)[2], "3");
}

TEST_F(Form2CorrectionTest, ATypedDateIsLookedUpInTheGridAndGivesThatRowsPoint) {
    Load(FileOf(SplitBars()));
    window->mnuOperItem_Click(11);
    for (bool newestFirst : {true, false}) {
        SCOPED_TRACE(newestFirst);
        ClickTable(2, 1);
        // The digits get their slashes as they are typed.
        TableEditor().clear();
        QTest::keyClicks(&TableEditor(), "050824");
        EXPECT_EQ(TableEditor().text().toStdString(), "05/08/24");
        QTest::keyClick(&TableEditor(), Qt::Key_Return);
        EXPECT_TRUE(TableEditor().isHidden());
        // The point number and the count stay as they were.
        EXPECT_EQ(TableRow(2), (std::vector<std::string>{"", "05/08/24", "2", "4"}));
        EXPECT_EQ(window->FGrid3->TextMatrix(0, 0), "0");
        EXPECT_TRUE(window->チャート補正保存->isEnabled());
        window->mnu逆表示_Click(1);
    }
    EXPECT_EQ(Beeps(), 0);

    // Refused: not a real mm/dd/yy date, a date no row shows, the first bar
    // (no older neighbour).  The text stays and nothing is stored.
    window->Command1_Click();
    for (const char* typed : {"5/8/2024", "02/30/24", "05-08-24", "05/03/24", "05/06/24"}) {
        SCOPED_TRACE(typed);
        ClickTable(2, 1);
        const int before = Beeps();
        TypeInTable(typed);
        EXPECT_EQ(Beeps(), before + 1);
        EXPECT_FALSE(TableEditor().isHidden());
        EXPECT_EQ(TableEditor().text().toStdString(), typed);
        EXPECT_EQ(TableRow(2), (std::vector<std::string>{"", "", "", ""}));
    }
    TypeInTable("");
    EXPECT_TRUE(TableEditor().isHidden());
}

TEST_F(Form2CorrectionTest, TypedPointsAreSavedIntoTheirRecordsAndTheHeader) {
    // Point 1 on the third bar; a second point typed on the fourth.
    std::vector<QuoteRecord> bars = SplitBars();
    bars[2].CorrectionMultiplier = "2 ";
    Load(FileOf(bars, "2", "05/08/24"));
    window->mnuOperItem_Click(11);
    EXPECT_EQ(TableRow(1), (std::vector<std::string>{"1", "05/08/24", "2", "4"}));
    ClickTable(2, 1);
    TypeInTable("05/09/24");
    ClickTable(2, 2);
    TypeInTable("0.5");
    window->チャート補正保存_Click();
    std::vector<QuoteRecord> expected = FileOf(bars, "2", "05/08/24");
    expected[4].CorrectionMultiplier = "05";
    EXPECT_EQ(Bytes(), test::BytesOf(expected));
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "  補正データ保存完了   ");

    // Multiplier 1 on the second row removes that point and leaves point 1
    // and the header alone.
    window->Command1_Click();
    EXPECT_EQ(TableRow(2), (std::vector<std::string>{"2", "05/09/24", "0.5", "5"}));
    ClickTable(2, 2);
    TypeInTable("1");
    window->チャート補正保存_Click();
    expected[4].CorrectionMultiplier = "";
    EXPECT_EQ(Bytes(), test::BytesOf(expected));
}

TEST_F(Form2CorrectionTest, WithoutPoint1TheHeaderKeepsItsDateWhateverRow1Holds) {
    Load(FileOf(SplitBars()));
    window->mnuOperItem_Click(11);
    EXPECT_EQ(TableRow(1), (std::vector<std::string>{"1", "mm/dd/yy", "", ""}));
    // A multiplier typed into row 1 without its date, a point in row 2.
    ClickTable(1, 2);
    TypeInTable("2");
    ClickTable(2, 1);
    TypeInTable("05/08/24");
    window->チャート補正保存_Click();
    std::vector<QuoteRecord> expected = FileOf(SplitBars());
    expected[3].CorrectionMultiplier = "2 ";
    EXPECT_EQ(Bytes(), test::BytesOf(expected));
}

TEST(StoredMultiplier, WholeFactorsTenthsAndOne) {
    const struct {
        const char* shown;
        const char* stored;  // nullptr: none
    } cases[] = {{"2", "2"}, {"99", "99"}, {"0.5", "05"}, {"0.1", "01"}, {"1", ""}, {"1.5", nullptr},
                 {"100", nullptr}, {"0.05", nullptr}, {"", nullptr}, {"x", nullptr}};
    for (const auto& c : cases) {
        const auto stored = StoredMultiplier(c.shown);
        if (c.stored == nullptr) {
            EXPECT_FALSE(stored.has_value()) << c.shown;
        } else {
            EXPECT_EQ(stored.value_or("none"), c.stored) << c.shown;
        }
    }
}

}  // namespace
}  // namespace ranvik
