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
