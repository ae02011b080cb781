// The search: key analysis, row tests, the two passes over a table with the
// turn to the top and the end message, and the text search.
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTest>

#include "listedit/key_search.h"
#include "tests/listedit/form1_fixture.h"

namespace ranvik::listedit::test {
namespace {

TEST(KeySearch, AThreeCharacterKeyEndingInADigitIsAMarketAndASection) {
    const struct {
        const char* typed;
        const char* key;
        const char* section;
        std::size_t length;
    } cases[] = {
        {"t-1", "t", "1", 3},
        {"n 2", "n", "2", 3},
        {"123", "1", "3", 3},  // three digits: the codes are searched for the first
        {"t-x", "t-x", "", 3},
        {"t1", "t1", "", 2},
        {"トヨ1", "ト", "1", 3},
        {"t-１", "t-１", "", 3},  // a wide digit is no section
        {"", "", "", 0},
    };
    for (const auto& c : cases) {
        const SearchKey k = AnalyseKey(c.typed);
        EXPECT_EQ(k.key, c.key) << c.typed;
        EXPECT_EQ(k.section, c.section) << c.typed;
        EXPECT_EQ(k.length, c.length) << c.typed;
    }
}

TEST(KeySearch, RowsAreTestedByCodeThenMarketAndSectionThenNameForms) {
    const SearchRow toyota{"7203", "トヨタ自動車", "t", "1"};
    const SearchRow wide{"1A2B", "ＡＢＣ商事ｶﾞｽ", "n", "2"};
    const SearchRow heading{"", "    輸送用機器", "", ""};
    const struct {
        const char* typed;
        const SearchRow& row;
        bool match, heading;
        int col;
    } cases[] = {
        {"720", toyota, true, false, 1},
        {"a2b", wide, true, false, 1},         // the code in upper case
        {"t-1", toyota, true, false, 4},
        {"t-2", toyota, false, false, 0},
        {"n-2", wide, true, false, 4},
        {"T-1", toyota, false, false, 0},      // the market in its exact case
        {"723", toyota, true, false, 1},       // 7 in the code first
        {"トヨタ", toyota, true, false, 2},
        {"abc", wide, true, false, 2},         // upper case and wide
        {"ＡＢＣ", wide, true, false, 2},
        {"ガス", wide, true, false, 2},        // narrow katakana
        {"ｼｬ", wide, false, false, 0},
        {"", heading, false, true, 1},
        {"", toyota, false, false, 0},
        {"輸送", heading, true, false, 2},
    };
    for (const auto& c : cases) {
        const RowTest t = TestRow(AnalyseKey(c.typed), c.row);
        EXPECT_EQ(t.match, c.match) << c.typed;
        EXPECT_EQ(t.heading, c.heading) << c.typed;
        if (c.match || c.heading) {
            EXPECT_EQ(t.col, c.col) << c.typed;
        }
    }
}

// Presses of the search button over rows 1 to the blank last row; each
// press gives the row found or 0 for the end message.
std::vector<int> Presses(const std::vector<SearchRow>& rows, const std::string& typed, int topRow, int count) {
    FindState state;
    std::vector<int> found;
    const SearchKey key = AnalyseKey(typed);
    for (int i = 0; i < count; ++i) {
        const FindResult r = FindNext(state, key, topRow, static_cast<int>(rows.size()) - 1,
                                      [&](int row) { return rows[static_cast<std::size_t>(row)]; });
        found.push_back(r.found ? r.row : 0);
    }
    return found;
}

TEST(KeySearch, TheTwoPassesTurnToTheTopAndEndWhereTheSearchBegan) {
    const SearchRow h{"", "    見出し", "", ""};
    const SearchRow a{"1001", "甲", "t", "1"};
    const SearchRow b{"1002", "乙", "t", "1"};
    const SearchRow blank{"", "", "", ""};
    // Rows 1 to 8: h a b h a b h a, then the blank last row.
    const std::vector<SearchRow> table = {{}, h, a, b, h, a, b, h, a, blank};
    const struct {
        const char* typed;
        int top;
        std::vector<int> found;
        const char* why;
    } cases[] = {
        // From row 2 on: headings 4 and 7, the turn, heading 1, then past
        // the start: the end, and afresh.
        {"", 1, {4, 7, 1, 0, 4}, "an empty key steps through the headings"},
        // Down to the end, the turn, down to the starting row, the end.
        {"甲", 1, {2, 5, 8, 2, 0}, "the starting row is reached again after the turn"},
        {"甲", 3, {5, 8, 2, 0}, "found only above the start after the turn"},
        {"乙", 5, {6, 3, 6, 0}, "the first visible row (5) is not where it begins"},
        {"丙", 1, {0, 0}, "nothing at all"},
    };
    for (const auto& c : cases) EXPECT_EQ(Presses(table, c.typed, c.top, static_cast<int>(c.found.size())), c.found) << c.typed << " " << c.why;

    const std::vector<SearchRow> noHeadings = {{}, a, b, a, blank};
    EXPECT_EQ(Presses(noHeadings, "", 1, 2), (std::vector<int>{0, 0}));
}

TEST(KeySearch, RowsPastTheGridAreNeverTested) {
    const SearchRow a{"1001", "甲", "t", "1"};
    const std::vector<SearchRow> rows = {{}, a, a, {"", "", "", ""}};
    FindState state{9, 1, 1, 2};  // left behind by a longer grid
    int tested = 0;
    const FindResult r = FindNext(state, AnalyseKey("甲"), 1, 3, [&](int row) {
        ++tested;
        EXPECT_LE(row, 3);
        return rows[static_cast<std::size_t>(std::min(row, 3))];
    });
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.row, 1);
    EXPECT_GT(tested, 0);
}

class SearchTest : public Form1Test {
protected:
    void Search(const std::string& key) {
        form->Combo1->setEditText(QString::fromStdString(key));
        form->検索BTN_Click();
    }
};

TEST_F(SearchTest, AFoundRowIsScrolledToTheTopAndSelected) {
    std::vector<ListEntry> entries = PrimeEntries();
    for (int i = 0; i < 40; ++i) entries.push_back(Stock(std::to_string(2000 + i), "銘柄"));
    entries.push_back(Stock("9984", "ソフトバンクグループ"));
    WritePrimeTable(entries);
    Form1& f = Start();
    f.mnuMeigaraList_Click(1);
    Search("ｿﾌﾄﾊﾞﾝｸ");
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(f.SelectedRow, 47);
    EXPECT_EQ(f.SelectedCol, 2);
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(47, 2), kSelectedBack);
    EXPECT_GT(f.MSFGrid1->TopRow(), 1);
    EXPECT_LE(f.MSFGrid1->TopRow(), 47);
    EXPECT_EQ(f.FindWrapRow, 48);
    EXPECT_EQ(f.FindRow, 48);
    EXPECT_EQ(f.Combo1->count(), 1);

    Search("ｿﾌﾄﾊﾞﾝｸ");  // past it: the turn finds nothing before the start
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "900, 検索終了。   ");
    EXPECT_EQ(messages->shown[0].title, "Tamelo ");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(f.FindRow, 0);
    EXPECT_EQ(f.FindWrapped, 0);
    EXPECT_EQ(f.Combo1->count(), 1);

    f.MSFGrid1->SetTopRow(1);
    Search("t-1");
    EXPECT_EQ(f.SelectedRow, 2);
    EXPECT_EQ(f.SelectedCol, 4);
    EXPECT_EQ(f.Combo1->count(), 2);
    // A changed key starts afresh.
    f.Combo1_Change();
    EXPECT_EQ(f.FindRow, 0);
}

TEST_F(SearchTest, ASaveLetsTheNextSearchBeginWithAFirstPass) {
    Form1& f = StartWithPrimeTable();
    Search("");  // the heading at row 4
    Search("");  // past the end, the turn: the heading at row 1
    EXPECT_EQ(f.SelectedRow, 1);
    EXPECT_EQ(f.FindWrapped, 1);
    f.ListModified = true;
    ASSERT_TRUE(f.WriteCurrentList());
    EXPECT_EQ(f.FindWrapped, 0);
}

TEST_F(SearchTest, TheTextSearchSelectsEachOccurrenceAndStartsAgainAfterTheEnd) {
    WriteLines(dir.File("MyURL.txt"), {"abc", "xabc", "<END>"});
    Form1& f = Start();
    f.mnuHenItem_Click(11);
    f.mnuMeigaraList_Click(5);
    EXPECT_TRUE(f.Frame2->isHidden());
    auto selection = [&] {
        const QTextCursor c = f.URLNEWStxt->textCursor();
        return std::pair<int, int>(c.selectionStart(), c.selectionEnd());
    };
    Search("abc");
    EXPECT_EQ(selection(), (std::pair<int, int>(0, 3)));
    EXPECT_EQ(f.TextSearchStart, 4);
    Search("abc");
    EXPECT_EQ(selection(), (std::pair<int, int>(5, 8)));
    EXPECT_EQ(f.TextSearchStart, 9);
    Search("abc");
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "900, 検索終了。   ");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(f.TextSearchStart, 1);
    Search("abc");
    EXPECT_EQ(selection(), (std::pair<int, int>(0, 3)));
    Search("ABC");  // case exact
    EXPECT_EQ(messages->shown.size(), 2u);
    // A new key is looked for after the last occurrence found.
    Search("abc");
    Search("abc");
    Search("x");
    EXPECT_EQ(messages->shown.size(), 3u);
}

TEST_F(SearchTest, EnterInTheKeyBoxSearchesAndNoListDoesNothing) {
    Form1& f = Start();
    f.Combo1->setEditText("x");
    f.Combo1_KeyDown(13, 0);
    EXPECT_TRUE(messages->shown.empty());
    f.Combo1_KeyDown(65, 0);
    EXPECT_EQ(f.Combo1->count(), 1);

    WritePrimeTable();
    f.mnuMeigaraList_Click(1);
    // The window system gives the keys to the box, which passes them on to
    // its line edit; both ways search.
    f.Combo1->setEditText("7203");
    QTest::keyClick(f.Combo1, Qt::Key_Return);
    EXPECT_EQ(f.SelectedRow, 5);
    f.Combo1->setEditText("7267");
    QTest::keyClick(f.Combo1->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(f.SelectedRow, 6);
    EXPECT_EQ(f.Combo1->count(), 3);
}

TEST_F(SearchTest, TheCloseImageClosesTheFrameAndTheButtonShowsItsLooks) {
    Form1& f = StartWithPrimeTable();
    ASSERT_FALSE(f.Frame2->isHidden());
    f.検索BTN_MouseMove(0);
    EXPECT_EQ(BackColorOf(f.検索BTN), QBColor(15));
    f.検索BTN_MouseDown();
    EXPECT_EQ(BackColorOf(f.検索BTN), kButtonNormal);
    f.検索BTN_MouseMove(0);
    f.Frame2_MouseMove();
    EXPECT_EQ(BackColorOf(f.検索BTN), kButtonNormal);
    f.Picture1_MouseMove();
    EXPECT_FALSE(f.Picture2->isHidden());
    EXPECT_EQ(f.Picture2->pos(), f.Picture1->pos());
    f.Picture2_Click();
    EXPECT_TRUE(f.Frame2->isHidden());
    EXPECT_FALSE(f.mnuHenItem->Checked(0));
}

TEST_F(SearchTest, AHitDuringAMovePastesTheCutRowAboveTheFoundRow) {
    Form1& f = StartWithPrimeTable();
    Press(2, 1);
    f.行移動BTN_Click();
    Search("ホンダ");
    EXPECT_EQ(f.EditMode, 0);
    EXPECT_EQ(Column(*f.MSFGrid1, 1), (std::vector<std::string>{"", "1332", "", "7203", "1301", "7267", ""}));
}

}  // namespace
}  // namespace ranvik::listedit::test
