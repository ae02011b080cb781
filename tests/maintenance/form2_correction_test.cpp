// Correction picks: a click on the first bar after a jump fills the next row
// of the correction table.
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

}  // namespace
}  // namespace ranvik
