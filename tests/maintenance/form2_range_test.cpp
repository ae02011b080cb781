// Range delete: rows picked on the grid left out of the work file, the save
// that puts it in the data file's place, and the cancel that drops it.
#include <QGroupBox>
#include <filesystem>

#include "core/program_state.h"
#include "tests/maintenance/form2_fixture.h"

namespace ranvik {
namespace {

using test::Bar;
using test::BytesOf;
using test::FileOf;
using test::ReadBytes;

// Five bars oldest first; the third carries a correction multiplier and the
// second the file's highest High, the fourth its lowest Low.
std::vector<QuoteRecord> FiveBars() {
    return {Bar("05/06/24", 100, 110, 120, 90, 1000, 50, 60), Bar("05/07/24", 110, 105, 180, 100, 3000, 70, 40),
            Bar("05/08/24", 105, 108, 112, 95, 2000, 30, 80, "05"), Bar("05/09/24", 108, 100, 110, 60, 500, 90, 10),
            Bar("05/10/24", 100, 102, 104, 98, 800, 20, 30)};
}

// The bars but those with (zero-based) indexes first to last.
std::vector<QuoteRecord> Without(int first, int last) {
    std::vector<QuoteRecord> bars = FiveBars();
    bars.erase(bars.begin() + first, bars.begin() + last + 1);
    return bars;
}

class Form2RangeTest : public test::Form2Test {
protected:
    void Start(bool newestFirst = true) {
        Load(FileOf(FiveBars()));
        if (!newestFirst) window->mnu逆表示_Click(1);
        window->範囲指定BTN_Click();
    }
    // Picks the rows numbered a and b (as column 0 shows them) and deletes.
    void DeleteRows(int a, int b) {
        PickNumber(a);
        PickNumber(b);
        window->範囲削除BTN_Click();
    }
    void PickNumber(int number) {
        for (int row = 1; row < Grid().Rows(); ++row) {
            if (Cell(row, 0) != std::to_string(number)) continue;
            ClickCell(row, 1);
            return;
        }
        ADD_FAILURE() << "no row numbered " << number;
    }
    // The grid number of the bar with zero-based index i of five.
    int NumberOf(int i, bool newestFirst) const { return newestFirst ? 5 - i : i + 1; }
    std::string Work() const { return dir.File("Work.KDT"); }
};

TEST_F(Form2RangeTest, ARangeGoesIntoTheWorkFileInEitherOrderAndEitherPickOrder) {
    const struct {
        const char* name;
        bool newestFirst;
        int firstBar, lastBar;  // zero-based, oldest first
        bool bottomUp;
    } cases[] = {
        {"newest first", true, 1, 2, false},   {"oldest first", false, 1, 2, false},
        {"bottom-up", true, 1, 3, true},       {"oldest bottom-up", false, 0, 1, true},
        {"the last rows", false, 3, 4, false}, {"the last rows newest", true, 0, 1, false},
        {"every row", true, 0, 4, false},      {"one row", false, 2, 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start(c.newestFirst);
        int a = NumberOf(c.firstBar, c.newestFirst);
        int b = NumberOf(c.lastBar, c.newestFirst);
        if ((a > b) != c.bottomUp) std::swap(a, b);
        DeleteRows(a, b);
        std::vector<QuoteRecord> expected = FileOf(Without(c.firstBar, c.lastBar));
        if (expected.size() == 1) {
            // Without records the extremes follow the store's rule.
            expected[0].High = 0;
            expected[0].Low = 180;
        }
        EXPECT_EQ(ReadBytes(Work()), BytesOf(expected));
        EXPECT_EQ(Bytes(), BytesOf(FileOf(FiveBars())));
        EXPECT_EQ(window->OperationState, 98);
        EXPECT_EQ(window->DataFilePath, Work());
        EXPECT_TRUE(window->Text3->text().isEmpty());
        EXPECT_TRUE(window->Text4->text().isEmpty());
        EXPECT_TRUE(window->範囲削除保存BTN->isEnabled());
        window->リセットCMD_Click();
        EXPECT_FALSE(FileExists(Work()));
        EXPECT_EQ(Bytes(), BytesOf(FileOf(FiveBars())));
        if (!c.newestFirst) window->mnu逆表示_Click(1);
    }
}

TEST_F(Form2RangeTest, TwoRangesAndTheSaveLeaveNeitherInTheFile) {
    Start();
    DeleteRows(1, 1);  // the newest bar
    DeleteRows(2, 3);  // now the second and third newest of four: bars 2 and 1
    EXPECT_EQ(ReadBytes(Work()), BytesOf(FileOf({FiveBars()[0], FiveBars()[3]})));
    window->範囲削除保存BTN_Click();
    EXPECT_EQ(Bytes(), BytesOf(FileOf({FiveBars()[0], FiveBars()[3]})));
    EXPECT_FALSE(FileExists(Work()));
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_EQ(window->DataFilePath, Path());
    EXPECT_EQ(window->Frame1->title().toStdString(), "範囲指定削除 保存完了");
    EXPECT_FALSE(window->範囲削除保存BTN->isEnabled());
    EXPECT_EQ(Cell(1, 1), "05/09/24");
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(Form2RangeTest, TheHeaderKeepsItsOwnFieldsAndTakesTheExtremesOfWhatIsLeft) {
    Write(FileOf(FiveBars(), "2", "03/01/24"));
    Choose();
    window->範囲指定BTN_Click();
    DeleteRows(4, 4);  // the bar with the highest High
    EXPECT_EQ(ReadBytes(Work()), BytesOf(FileOf(Without(1, 1), "2", "03/01/24")));
    EXPECT_EQ(test::RecordsIn(Work())[0].High, 120);
}

TEST_F(Form2RangeTest, InAdministratorModeTheHeaderRowIsNeverPartOfTheRange) {
    Program().app.AdminMode = kTrue;
    for (bool newestFirst : {true, false}) {
        SCOPED_TRACE(newestFirst);
        Start(newestFirst);
        // Six numbered rows: the header row and the next one.
        DeleteRows(newestFirst ? 6 : 1, newestFirst ? 5 : 2);
        EXPECT_EQ(ReadBytes(Work()), BytesOf(FileOf(Without(0, 0))));
        window->リセットCMD_Click();
        if (!newestFirst) window->mnu逆表示_Click(1);
    }
}

TEST_F(Form2RangeTest, MissingOrOutOfRangeBoundsDoNothingBut920) {
    Start();
    window->範囲削除BTN_Click();  // nothing clicked
    window->Text3->setText("1");
    window->Text4->setText("2");
    window->範囲削除BTN_Click();  // typed, not clicked: still state 8
    ASSERT_EQ(messages->shown.size(), 2u);
    EXPECT_EQ(messages->shown[0].text, "920, 範囲を指定して下さい");
    EXPECT_EQ(messages->shown[0].title, "株価データ保守");
    window->Text3->clear();
    window->Text4->clear();
    PickNumber(1);
    window->範囲削除BTN_Click();  // one bound
    EXPECT_EQ(messages->shown.size(), 3u);
    window->Text4->setText("5");
    window->Text3->setText("0");
    window->範囲削除BTN_Click();
    window->Text3->setText("6");
    window->範囲削除BTN_Click();
    EXPECT_EQ(messages->shown.size(), 3u);
    EXPECT_FALSE(FileExists(Work()));
    EXPECT_EQ(window->OperationState, 98);
    // Saving before a range was deleted does nothing.
    window->範囲削除保存BTN_Click();
    EXPECT_EQ(Bytes(), BytesOf(FileOf(FiveBars())));
}

TEST_F(Form2RangeTest, AFailedReplaceLeavesTheDataFileWholeAndSaysSo) {
    Start();
    DeleteRows(2, 3);
    window->ReplaceDataFile = [](const std::string&, const std::string&) { return false; };
    window->範囲削除保存BTN_Click();
    EXPECT_EQ(Bytes(), BytesOf(FileOf(FiveBars())));
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].title, "株価データ保守");
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_EQ(window->DataFilePath, Path());
    EXPECT_FALSE(FileExists(Work()));
}

TEST_F(Form2RangeTest, AWorkFileThatCannotBeWrittenIsReportedAndTheStartingFileShownAgain) {
    // A folder that is not empty stands where the work file goes.
    std::filesystem::create_directory(Work());
    test::WriteBytes(Work() + "/inside", "x");
    Start();
    DeleteRows(2, 3);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "株価データファイル Work.KDT を読み書きできませんでした");
    EXPECT_EQ(messages->shown[0].title, "株価データ保守");
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_EQ(window->DataFilePath, Path());
    EXPECT_EQ(Bytes(), BytesOf(FileOf(FiveBars())));
    EXPECT_EQ(Cell(1, 1), "05/10/24");
    EXPECT_FALSE(window->範囲削除保存BTN->isEnabled());
    EXPECT_TRUE(std::filesystem::is_directory(Work()));
}

TEST_F(Form2RangeTest, TheRangeButtonStartsOnlyWhenIdle) {
    Load(FileOf(FiveBars()));
    window->修正CMD_Click();
    window->範囲指定BTN_Click();
    EXPECT_EQ(window->OperationState, 2);
    window->リセットCMD_Click();
    window->範囲指定BTN_Click();
    EXPECT_EQ(window->OperationState, 8);
    EXPECT_EQ(Grid().BackColor(), RGB(255, 228, 225));
}

}  // namespace
}  // namespace ranvik
