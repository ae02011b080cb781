#include "core/stock_search.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "platform/ui/flex_grid.h"
#include "platform/ui/pointers.h"
#include "tests/core/list_table_fixture.h"
#include "tests/core/main_window_fixture.h"

namespace ranvik {
namespace {

// ---------------------------------------------------------------- the row test

TEST(StockSearchKeyTest, EachFormOfTheKeyFindsItsRow) {
    const struct {
        const char* key;
        const char* code;
        const char* name;
        bool match;
    } cases[] = {
        {"自動", "7203", "トヨタ自動車", true},         // a part of the name as typed
        {"720", "7203", "トヨタ自動車", true},          // a part of the code
        {"sbi", "8473", "SBIホールディングス", true},   // upper case
        {"MIXI", "2121", "mixi", true},                 // lower case
        {"nec", "6701", "ＮＥＣ", true},                // upper case and wide
        {"TDK", "6762", "ＴＤＫ", true},                // wide
        {"ｿﾆｰ", "6758", "ソニーグループ", true},        // half-width katakana made wide
        {"ﾄﾖﾀ", "7203", "トヨタ自動車", true},
        {"ﾄﾖﾀ", "7203", "ドヨダ", false},               // letters without marks stay without them
        {"ｶﾞｽ", "9531", "東京ガス", true},              // a voiced mark composed into the letter
        {"ＳＢＩ", "8473", "SBIホールディングス", true},  // narrow
        {"輸送", "", "    輸送用機器", true},            // a heading row by its name
        {"Sb", "8473", "sBI証券", false},                // no form holds the mixed case
        {"７２０３", "7203", "トヨタ自動車", false},     // the code is tested with the key as typed only
        {"7203", "7203", "７２０３", true},              // ... while the name also takes the wide form
        {"日産", "7203", "トヨタ自動車", false},
        {"", "7203", "トヨタ自動車", false},             // an empty key finds nothing
        {"", "", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StockSearchKey(c.key).Matches(c.code, c.name), c.match) << c.key << " / " << c.name;
    }
}

TEST(StockSearchKeyTest, TheKeyIsTestedAsGivenWithoutTrimming) {
    EXPECT_FALSE(StockSearchKey("トヨタ ").Matches("7203", "トヨタ自動車"));
    EXPECT_TRUE(StockSearchKey("ソニー ").Matches("6758", "ソニー　グループ")) << "the wide form makes the blank wide";
}

// ---------------------------------------------------------------- the search frame

// Highlight colour of a row the search found (immediate display off).
const Color kFound = QBColor(9);

class StockSearchTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteUrlList();
        WriteTable({{"7203", "トヨタ自動車"},
                    {"", "輸送用機器"},
                    {"7201", "日産自動車"},
                    {"6758", "ソニーグループ"},
                    {"8473", "SBIホールディングス"},
                    {"2121", "mixi"},
                    {"6701", "ＮＥＣ"},
                    {"6762", "ＴＤＫ"},
                    {"9531", "東京ガス"},
                    {"7202", "いすゞ自動車"}});
    }

    // The list grid's table (東証プライム, which the start-up shows): a
    // record per row, headings with an empty code.
    void WriteTable(const std::vector<std::pair<std::string, std::string>>& rows) {
        std::string bytes = test::ListEntryBytes(static_cast<int>(rows.size()) + 1, "", "4.4.24");
        for (const auto& [code, name] : rows) {
            bytes += code.empty() ? test::ListEntryBytes(0, "****", name)
                                  : test::ListEntryBytes(0, code, name, 't', 1, 100);
        }
        test::WriteBytes(dir.File("東証プライムリスト.eTBL"), bytes);
    }

    MDIForm1& Open() {
        MDIForm1& main = Start();
        messages->shown.clear();
        main.Combo1->setCurrentIndex(main.Combo1->findText("検索"));
        main.Combo1_Click();
        return main;
    }

    // The user types the key (each keystroke a change of the box).
    void Type(const std::string& key) {
        form->Combo3->setEditText("");
        // Key presses typing each character, as an input method delivers
        // them (the test's key helpers know only ASCII keys).
        const QString text = QString::fromStdString(key);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype n = text.at(i).isHighSurrogate() ? 2 : 1;
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text.mid(i, n));
            QApplication::sendEvent(form->Combo3->lineEdit(), &press);
            i += n - 1;
        }
        ASSERT_EQ(form->Combo3->currentText().toStdString(), key);
    }

    // One search; the row it highlighted, or the message it showed.
    std::string Step() {
        messages->shown.clear();
        form->検索cmd->click();
        if (!messages->shown.empty()) return messages->shown.back().text;
        return std::to_string(form->MSF全Grid2->Row());
    }

    std::vector<std::string> Steps(int n) {
        std::vector<std::string> seen;
        for (int i = 0; i < n; ++i) seen.push_back(Step());
        return seen;
    }

    QStringList ListItems() {
        QStringList items;
        for (int i = 0; i < form->Combo3->count(); ++i) items << form->Combo3->itemText(i);
        return items;
    }
};

constexpr const char* k900 = "900,  検索終了。  ";
constexpr const char* k003 = "003,  見つかりません。  ";

TEST_F(StockSearchTest, KeysFindTheirRowsThroughEveryForm) {
    const struct {
        const char* key;
        std::vector<std::string> seen;
    } cases[] = {
        {"720", {"1", "3", "10", k900}},      // code part
        {"自動車", {"1", "3", "10", k900}},   // name part
        {"sbi", {"5", k900}},                 // other case
        {"MIXI", {"6", k900}},
        {"nec", {"7", k900}},                 // other case and width
        {"TDK", {"8", k900}},                 // other width
        {"ＳＢＩ", {"5", k900}},
        {"ｿﾆｰ", {"4", k900}},                 // half-width katakana
        {"ｶﾞｽ", {"9", k900}},
        {"輸送", {"2", k900}},                // a heading row by its name
        {"存在しない", {k003, k003}},
    };
    for (const auto& c : cases) {
        Open();
        Type(c.key);
        EXPECT_EQ(Steps(static_cast<int>(c.seen.size())), c.seen) << c.key;
        form.reset();
        ResetProgramState();
    }
}

TEST_F(StockSearchTest, StepsThroughTheMatchesThenEndsAndStartsAgainFromTheTop) {
    MDIForm1& main = Open();
    Type("自動車");
    for (const int row : {1, 3, 10}) {
        ASSERT_EQ(Step(), std::to_string(row));
        EXPECT_EQ(main.MSF全Grid2->CellBackColorAt(row, 1), kFound);
        EXPECT_EQ(main.SelectedListRow, row);
        EXPECT_EQ(Program().search.SearchRow, row);
    }
    EXPECT_NE(main.MSF全Grid2->CellBackColorAt(1, 1), kFound) << "only the last match stays highlighted";
    EXPECT_EQ(Program().search.SearchHits, 3);

    EXPECT_EQ(Step(), k900);
    const ShownMessage& end = messages->shown.back();
    EXPECT_EQ(end.title, "Ranvikチャート");
    EXPECT_EQ(end.icon, MessageIcon::Information);
    EXPECT_EQ(end.buttons, MessageButtons::Ok);
    EXPECT_EQ(Program().search.SearchRow, 0);
    EXPECT_EQ(Program().search.SearchEnd, main.MSF全Grid2->Rows() - 1);
    EXPECT_EQ(Program().search.SearchHits, 3) << "the count stays until the key changes";

    EXPECT_EQ(Steps(4), (std::vector<std::string>{"1", "3", "10", k900}));
    EXPECT_EQ(Program().search.SearchHits, 6);
}

TEST_F(StockSearchTest, AFoundRowBecomesTheGridsTopRow) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int i = 0; i < 200; ++i) rows.emplace_back(std::to_string(3000 + i), i == 119 ? "目当て" : "銘柄");
    WriteTable(rows);
    MDIForm1& main = Open();
    Type("目当て");
    ASSERT_EQ(Step(), "120");
    EXPECT_EQ(main.MSF全Grid2->TopRow(), 120);
    EXPECT_EQ(main.MSF全Grid2->Row(), 120);
}

TEST_F(StockSearchTest, AnEmptyTableGivesNotFoundAtOnce) {
    WriteTable({});
    MDIForm1& main = Open();
    ASSERT_EQ(main.MSF全Grid2->Rows(), 2) << "the title row and the closing blank row";
    Type("トヨタ");
    EXPECT_EQ(Steps(2), (std::vector<std::string>{k003, k003}));
    EXPECT_EQ(messages->shown.back().icon, MessageIcon::Information);
}

TEST_F(StockSearchTest, AnEmptyKeyAsksForOneAndChangesNothing) {
    MDIForm1& main = Open();
    Type("自動車");
    ASSERT_EQ(Step(), "1");
    main.Combo3->setEditText("");
    Program().search.SearchRow = 1;
    Program().search.SearchHits = 1;
    EXPECT_EQ(Step(), "004, 検索キーを入力して下さい。  ");
    EXPECT_EQ(messages->shown.back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages->shown.back().title, "Ranvikチャート");
    EXPECT_EQ(ListItems(), QStringList({"自動車"}));
    EXPECT_EQ(Program().search.SearchRow, 1);
    EXPECT_EQ(Program().search.SearchHits, 1);
    EXPECT_EQ(main.SelectedListRow, 1);
}

TEST_F(StockSearchTest, EditingTheKeyStartsAgainFromTheTop) {
    MDIForm1& main = Open();
    Type("自動車");
    ASSERT_EQ(Steps(2), (std::vector<std::string>{"1", "3"}));
    // One more character: the search starts from the top with a fresh count.
    QTest::keyClick(main.Combo3->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(Program().search.SearchRow, 0);
    EXPECT_EQ(Program().search.SearchHits, 0);
    EXPECT_EQ(Step(), "1");
    Type("存在しない");
    EXPECT_EQ(Step(), k003) << "no match since the key was edited";
}

TEST_F(StockSearchTest, PickingAKeyRestartsAndTheListHoldsEachKeyOnce) {
    MDIForm1& main = Open();
    Type("自動車");
    Step();
    Type("ｿﾆｰ");
    Step();
    Type("自動車");
    ASSERT_EQ(Steps(2), (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(ListItems(), QStringList({"自動車", "ｿﾆｰ"}));

    // The user picks the same key from the drop-down list.
    const int index = main.Combo3->findText("自動車");
    main.Combo3->setCurrentIndex(index);
    emit main.Combo3->activated(index);
    EXPECT_EQ(Program().search.SearchRow, 0);
    EXPECT_EQ(Program().search.SearchHits, 0);
    EXPECT_EQ(Step(), "1");
    EXPECT_EQ(ListItems(), QStringList({"自動車", "ｿﾆｰ"}));
}

TEST_F(StockSearchTest, EnterInTheBoxStepsWithoutAddingTheKeyTwice) {
    MDIForm1& main = Open();
    Type("自動車");
    std::vector<std::string> seen;
    for (int i = 0; i < 4; ++i) {
        messages->shown.clear();
        QTest::keyClick(main.Combo3->lineEdit(), Qt::Key_Return);
        seen.push_back(messages->shown.empty() ? std::to_string(main.MSF全Grid2->Row()) : messages->shown.back().text);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "3", "10", k900}));
    EXPECT_EQ(ListItems(), QStringList({"自動車"}));
    EXPECT_EQ(main.Combo3->currentText().toStdString(), "自動車");
}

TEST_F(StockSearchTest, LoadingAnotherTableStartsAgainFromTheTop) {
    MDIForm1& main = Open();
    Type("自動車");
    ASSERT_EQ(Steps(2), (std::vector<std::string>{"1", "3"}));
    // The all-stocks table of the delivered lists: title, two stocks, blank.
    main.Combo1->setCurrentIndex(main.Combo1->findText("全銘柄"));
    main.Combo1_Click();
    EXPECT_EQ(Program().search.SearchRow, 0);
    EXPECT_EQ(Program().search.SearchHits, 0);
    EXPECT_EQ(Program().search.SearchEnd, main.MSF全Grid2->Rows() - 1);
    EXPECT_EQ(Program().search.SearchEnd, 3);
    EXPECT_EQ(Step(), k003);
    Type("日立");
    EXPECT_EQ(Step(), "2");
}

TEST_F(StockSearchTest, TheCloseButtonPutsTheChooserBackAndHidesTheFrame) {
    MDIForm1& main = Open();
    ASSERT_FALSE(main.Frame26->isHidden());
    ASSERT_EQ(main.Combo1->currentText().toStdString(), "検索");
    main.Command2->click();
    EXPECT_TRUE(main.Frame26->isHidden());
    EXPECT_EQ(main.Combo1->currentText().toStdString(), "東証プライム");
    EXPECT_EQ(Program().lists.CurrentListTable, "東証プライム");
}

TEST_F(StockSearchTest, TheFocusGoesBackToTheBoxOrToTheToolbarStrip) {
    MDIForm1& main = Open();
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    const struct {
        const char* what;
        const char* key;
        std::function<void()> act;
        QWidget* focus;
    } cases[] = {
        {"empty key", "", [&] { main.検索cmd->click(); }, main.Combo3},
        {"no match", "存在しない", [&] { main.検索cmd->click(); }, main.Combo3},
        {"Enter with a match", "自動車", [&] { QTest::keyClick(main.Combo3->lineEdit(), Qt::Key_Return); }, main.Combo3},
        {"close", "自動車", [&] { main.Command2->click(); }, main.Picture1},
    };
    for (const auto& c : cases) {
        main.Combo3->setEditText(c.key);
        main.Combo3->setFocus();
        c.act();
        if (main.Picture1 != c.focus) main.Picture1->setFocus();
        c.act();
        EXPECT_TRUE(c.focus->hasFocus()) << c.what;
    }
}

TEST_F(StockSearchTest, ThePointerOverTheCloseButtonEndsAPaneResize) {
    MDIForm1& main = Open();
    SetMousePointer(main.Picture2, 9);
    main.ListPaneDragX = 2500;
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(main.Command2, &move);
    EXPECT_EQ(MousePointerOf(main.Picture2), 1);
    EXPECT_EQ(main.ListPaneDragX, 0);
}

TEST_F(StockSearchTest, TheBoxIsEmptyAtStartAndTheSearchStateFitsTheFirstTable) {
    MDIForm1& main = Start();
    EXPECT_EQ(main.Combo3->count(), 0);
    EXPECT_TRUE(main.Combo3->currentText().isEmpty());
    EXPECT_EQ(Program().search.SearchRow, 0);
    EXPECT_EQ(Program().search.SearchEnd, main.MSF全Grid2->Rows() - 1);
    EXPECT_EQ(main.検索cmd->text().toStdString(), "検索");
}

}  // namespace
}  // namespace ranvik
