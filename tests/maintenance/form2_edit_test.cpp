// Adding, modifying, moving and deleting records through the cell editor, byte for byte on the file.
#include <sys/resource.h>

#include <QLabel>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <tuple>

#include "maintenance/record_store.h"
#include "platform/runtime/text_file.h"
#include "tests/maintenance/form2_fixture.h"

namespace ranvik {
namespace {

using test::Bar;
using test::BytesOf;
using test::FileOf;
using test::ThreeBars;

const QuoteRecord a = ThreeBars()[0];  // 05/07/24
const QuoteRecord b = ThreeBars()[1];  // 05/08/24, the highest High, Volume and SellBalance
const QuoteRecord c = ThreeBars()[2];  // 05/09/24, the largest BuyBalance

// Files of this process cannot grow past `bytes` while the object lives: a
// full disk without filling one.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);  // a refused write then fails instead of ending the process
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldSignal_)(int) = nullptr;
};

class Form2EditTest : public test::Form2Test {
protected:
    // Newest first, three bars: row 1 is c, row 2 b, row 3 a.
    void LoadThree() { Load(FileOf(ThreeBars())); }
    std::string Hex() { return test::Hex(Bytes()); }
    static std::string Hex(const std::vector<QuoteRecord>& records) { return test::Hex(BytesOf(records)); }

    // A new row typed in: the date's digits, then the values of columns 2
    // to 8.
    void AddRow(const char* dateDigits, std::vector<const char*> values) {
        window->追加CMD_Click();
        TypeAndEnter(dateDigits);
        for (const char* v : values) TypeAndEnter(v);
    }
    void Modify(int row, int col, const char* entry) {
        window->修正CMD_Click();
        ClickCell(row, col);
        TypeAndEnter(entry);
    }
    void DeleteRow(int row) {
        window->削除CMD_Click();
        ClickCell(row, 2);
        Enter();
    }
};

// ---------------------------------------------------------------- adding

TEST_F(Form2EditTest, AddingOpensTheEditorOnTodaysDateInAPinkNewRow) {
    LoadThree();
    window->追加CMD_Click();
    EXPECT_EQ(Grid().Rows(), 5);
    EXPECT_EQ(Grid().Row(), 4);
    EXPECT_EQ(Grid().Col(), 1);
    EXPECT_EQ(Editor().text(), "05/10/24");
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(Grid().CellBackColorAt(4, c), RGB(255, 228, 225)) << c;
    EXPECT_EQ(window->EditColumn, 1);
    EXPECT_EQ(window->EditColumnWidth, 1000);
    // The editor lies on the cell.
    const int border = PixelsToTwips(Grid().frameWidth());
    EXPECT_EQ(LeftOf(&Editor()), LeftOf(&Grid()) + border + Grid().CellLeft());
    EXPECT_EQ(TopOf(&Editor()), TopOf(&Grid()) + border + Grid().CellTop());
    EXPECT_EQ(WidthOf(&Editor()), Grid().CellWidth());
}

TEST_F(Form2EditTest, ARowAddedToAHeaderOnlyFileBecomesItsFirstRecord) {
    Load(FileOf({}));
    AddRow("050924", {"105.5", "108.25", "112", "95", "2000", "30", "80"});
    EXPECT_EQ(Beeps(), 0);
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_TRUE(Editor().isHidden());
    QuoteRecord header = FileOf({})[0];
    header.RecordNo = 2;
    header.High = 112;
    header.Low = 95;
    header.Volume = 2000;
    header.SellBalance = 30;
    header.BuyBalance = 80;
    EXPECT_EQ(Hex(), Hex({header, Bar("05/09/24", 105.5f, 108.25f, 112, 95, 2000, 30, 80)}));
    EXPECT_EQ(RowTexts(1), (std::vector<std::string>{"1", "05/09/24", "105.5", "108.25", "112", "95", "2000", "30", "80"}));
    EXPECT_EQ(BackColorOf(window->追加CMD), RGB(220, 220, 220));
    EXPECT_EQ(Grid().BackColor(), RGB(240, 255, 240));
}

TEST_F(Form2EditTest, ARowAddedOnAStoredDateReplacesThatRecord) {
    LoadThree();
    AddRow("050824", {"1", "2", "3", "0.5", "0", "0", "7"});
    const QuoteRecord replaced = Bar("05/08/24", 1, 2, 3, 0.5f, 0, 0, 7);
    QuoteRecord header = FileOf(ThreeBars())[0];
    header.Low = 0.5f;
    EXPECT_EQ(Hex(), Hex({header, a, replaced, c}));
}

TEST_F(Form2EditTest, ARefusedValueKeepsTheEditorOnItsColumnWithoutABeep) {
    LoadThree();
    window->追加CMD_Click();
    TypeAndEnter("051024");
    struct Step {
        const char* entry;
        int column;          // where the editor is afterwards
        const char* editor;  // and what it holds
    };
    const Step steps[] = {
        {"0", 2, " "},  {".", 2, " "}, {"10", 3, " "},  // prices must not be 0
        {"11", 4, " "}, {"12", 5, " "}, {"9", 6, " "},
        {".", 6, " "},  {"0", 7, " "},                   // a volume of 0 is a volume
        {"", 7, ""},                                     // an empty entry is no entry
        {"5", 8, " "},  {".", 8, " "},
    };
    for (const Step& s : steps) {
        TypeAndEnter(s.entry);
        EXPECT_EQ(window->EditColumn, s.column) << s.entry;
        EXPECT_EQ(Grid().Col(), s.column) << s.entry;
        EXPECT_EQ(window->OperationState, 91) << s.entry;
        EXPECT_EQ(Editor().text().toStdString(), s.editor) << s.entry;
    }
    EXPECT_EQ(Beeps(), 0);
    EXPECT_EQ(Bytes(), BytesOf(FileOf(ThreeBars())));
    TypeAndEnter("4");
    EXPECT_EQ(test::RecordsIn(Path()).back(), Bar("05/10/24", 10, 11, 12, 9, 0, 5, 4));
}

// ---------------------------------------------------------------- dates

TEST_F(Form2EditTest, DigitsGetTheirSlashesAndOnlyRealDatesOfPastYearsPass) {
    LoadThree();
    window->追加CMD_Click();
    Editor().clear();
    Type("05");
    EXPECT_EQ(Editor().text(), "05/");
    EXPECT_EQ(Editor().SelStart(), 3);
    Type("12");
    EXPECT_EQ(Editor().text(), "05/12/");
    Type("25");
    EXPECT_EQ(Editor().text(), "05/12/25");
    const int beeps = Beeps();
    Enter();
    EXPECT_EQ(Beeps(), beeps + 1) << "2025 is a later year";
    EXPECT_EQ(window->EditColumn, 1);
    EXPECT_EQ(Editor().text(), "05/12/25") << "the typed text stays";

    struct Case {
        const char* digits;
        bool taken;
    };
    const Case cases[] = {
        {"123170", false},  // 70 is 2070
        {"023024", false},  // no 30th of February
        {"130124", false},  // no 13th month
        {"0510", false},    // too short
        {"123171", true},   // 71 is 1971
    };
    for (const Case& k : cases) {
        const int before = Beeps();
        TypeAndEnter(k.digits);
        EXPECT_EQ(Beeps(), before + (k.taken ? 0 : 1)) << k.digits;
        EXPECT_EQ(window->EditColumn, k.taken ? 2 : 1) << k.digits;
    }
    EXPECT_EQ(window->NewRowDate, "12/31/71");
    EXPECT_EQ(Bytes(), BytesOf(FileOf(ThreeBars())));
}

TEST_F(Form2EditTest, ALaterDayOfThisYearIsADate) {
    LoadThree();
    AddRow("123124", {"1", "1", "1", "1", "1", "1", "1"});
    EXPECT_EQ(test::RecordsIn(Path())[4].QuoteDate, "12/31/24");
}

TEST_F(Form2EditTest, KeysOutsideTheQuietListBeepAndEnterIsSwallowed) {
    LoadThree();
    window->修正CMD_Click();
    ClickCell(1, 2);
    const int start = Beeps();
    QTest::keyClick(&Editor(), Qt::Key_A);
    EXPECT_EQ(Beeps(), start + 1);
    QTest::keyClick(&Editor(), Qt::Key_Slash);
    EXPECT_EQ(Beeps(), start + 2);
    for (Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Period, Qt::Key_I, Qt::Key_5}) {
        QTest::keyClick(&Editor(), key);
    }
    EXPECT_EQ(Beeps(), start + 2);
    TypeAndEnter("100");
    EXPECT_EQ(Beeps(), start + 2) << "Enter neither beeps nor is refused";
    EXPECT_EQ(window->OperationState, 2);
}

// ---------------------------------------------------------------- modifying

TEST_F(Form2EditTest, EachColumnChangesItsFieldAndTheHeaderOnlyWhenAnExtremeMoves) {
    struct Case {
        int row;  // newest first: 1 c, 2 b, 3 a
        int col;
        const char* entry;
        float QuoteRecord::*field;
        float value;
        bool recompute;
        const char* cellAfter;  // no reload after Open and Close: the cell keeps the entry
    };
    const Case cases[] = {
        {2, 2, "0111", &QuoteRecord::Open, 111, false, "0111"},
        {2, 3, "1050", &QuoteRecord::Close, 1050, false, "1050"},
        {2, 4, "125", &QuoteRecord::High, 125, true, "125"},  // it held the highest High
        {3, 4, "121", &QuoteRecord::High, 121, false, "121"},
        {1, 4, "140", &QuoteRecord::High, 140, true, "140"},  // above the highest
        {3, 5, "91", &QuoteRecord::Low, 91, true, "91"},      // it held the lowest Low
        {1, 5, "96", &QuoteRecord::Low, 96, false, "96"},
        {2, 6, "2500", &QuoteRecord::Volume, 2500, true, "2500"},
        {3, 6, "999.6", &QuoteRecord::Volume, 999.6f, false, "1000"},
        {2, 7, "71", &QuoteRecord::SellBalance, 71, true, "71"},
        {1, 8, "81", &QuoteRecord::BuyBalance, 81, true, "81"},
        {3, 8, "70", &QuoteRecord::BuyBalance, 70, false, "70"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.row) + "," + std::to_string(k.col) + " " + k.entry);
        LoadThree();
        Modify(k.row, k.col, k.entry);
        auto expected = FileOf(ThreeBars());
        QuoteRecord& changed = expected[static_cast<std::size_t>(4 - k.row)];
        changed.*k.field = k.value;
        if (k.recompute) {
            const test::TempFolder scratch;
            test::WriteBytes(scratch.File("x"), BytesOf(expected));
            RecordFile file(scratch.File("x"), QuoteRecord::kLength);
            RecomputeHeader(file);
            file.Close();
            expected = test::RecordsIn(scratch.File("x"));
        }
        EXPECT_EQ(Hex(), Hex(expected));
        EXPECT_EQ(Cell(k.row, k.col), k.cellAfter);
        EXPECT_EQ(window->OperationState, 2) << "ready for the next cell";
        EXPECT_TRUE(Editor().isHidden());
        EXPECT_EQ(Grid().BackColor(), RGB(255, 228, 225));
        window->リセットCMD_Click();
    }
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(Form2EditTest, AValueThatIsNoNumberIsRefusedAndTheCellKeepsItsValue) {
    LoadThree();
    for (int col = 2; col <= 8; ++col) {
        const int before = Beeps();
        Modify(1, col, ".");
        EXPECT_EQ(Beeps(), before + 1) << col;
        EXPECT_EQ(window->OperationState, 92) << col;
        EXPECT_FALSE(Editor().isHidden());
        EXPECT_EQ(Editor().text(), ".");
        window->リセットCMD_Click();
    }
    EXPECT_EQ(Cell(1, 2), "105");
    EXPECT_EQ(Bytes(), BytesOf(FileOf(ThreeBars())));
    // An empty entry commits nothing and stays open.
    window->修正CMD_Click();
    ClickCell(1, 2);
    TypeAndEnter("");
    EXPECT_EQ(window->OperationState, 92);
    EXPECT_EQ(Bytes(), BytesOf(FileOf(ThreeBars())));
}

TEST_F(Form2EditTest, RowsBelowTheLastRecordAndTheHeadersDateAreLeftAlone) {
    LoadThree();
    window->修正CMD_Click();
    ClickCell(10, 4);
    EXPECT_EQ(Beeps(), 1);
    EXPECT_TRUE(Editor().isHidden());
    EXPECT_EQ(window->OperationState, 2);
    window->リセットCMD_Click();
    window->削除CMD_Click();
    ClickCell(4, 1);
    EXPECT_EQ(Beeps(), 2);
    EXPECT_TRUE(Editor().isHidden());
    EXPECT_EQ(window->OperationState, 3);
    EXPECT_EQ(Bytes(), BytesOf(FileOf(ThreeBars())));
}

TEST_F(Form2EditTest, InAdministratorModeTheHeaderRowTakesAMultiplierButNoDateOrDelete) {
    Program().app.AdminMode = kTrue;
    LoadThree();
    ASSERT_EQ(Cell(4, 1), "00/00/00");
    // Its multiplier: the first two characters, "05" for one half.
    Modify(4, 13, "053");
    auto expected = FileOf(ThreeBars());
    expected[0].CorrectionMultiplier = "05";
    EXPECT_EQ(Hex(), Hex(expected));
    EXPECT_EQ(Cell(4, 13), "05");
    // A data record's multiplier cleared by an empty entry.
    window->リセットCMD_Click();
    Modify(3, 13, "2");
    window->リセットCMD_Click();
    Modify(3, 13, "");
    EXPECT_EQ(Hex(), Hex(expected));
    window->リセットCMD_Click();

    const int beeps = Beeps();
    window->修正CMD_Click();
    ClickCell(4, 1);
    EXPECT_EQ(Beeps(), beeps + 1) << "the header's date is no bar's";
    EXPECT_TRUE(Editor().isHidden());
    window->リセットCMD_Click();
    window->削除CMD_Click();
    ClickCell(4, 2);
    EXPECT_TRUE(Editor().isHidden()) << "no question on the header row";
    EXPECT_EQ(window->OperationState, 3);
    EXPECT_EQ(window->RecordIndex, 4);
    EXPECT_EQ(Hex(), Hex(expected));
}

// ---------------------------------------------------------------- moving

TEST_F(Form2EditTest, ANewDateMovesTheRecordWithItsMultiplierAndTheWindowGoesIdle) {
    auto bars = ThreeBars();
    bars[0].CorrectionMultiplier = "2 ";
    Load(FileOf(bars));
    window->修正CMD_Click();
    ClickCell(3, 1);
    EXPECT_EQ(Editor().text(), "05/07/24");
    TypeAndEnter("051024");
    QuoteRecord moved = bars[0];
    moved.QuoteDate = "05/10/24";
    EXPECT_EQ(Hex(), Hex(FileOf({b, c, moved})));
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_TRUE(Editor().isHidden());
    EXPECT_EQ(Grid().BackColor(), RGB(240, 255, 240));
    EXPECT_EQ(Cell(1, 1), "05/10/24");
    EXPECT_TRUE(window->追加CMD->isEnabled());
    EXPECT_TRUE(window->削除CMD->isEnabled());
}

TEST_F(Form2EditTest, TypingReplacesTheTextTheEditorOpensWith) {
    LoadThree();
    window->修正CMD_Click();
    ClickCell(2, 1);
    Type("0506");
    EXPECT_EQ(Editor().text(), "05/06/");
    window->リセットCMD_Click();
    window->追加CMD_Click();
    Type("1");
    EXPECT_EQ(Editor().text(), "1");
}

TEST_F(Form2EditTest, AMoveOntoAnotherDateReplacesThatRecord) {
    LoadThree();
    window->修正CMD_Click();
    ClickCell(1, 1);
    TypeAndEnter("050724");
    QuoteRecord moved = c;
    moved.QuoteDate = "05/07/24";
    const auto records = test::RecordsIn(Path());
    ASSERT_EQ(records.size(), 4u) << "the file keeps its length";
    EXPECT_EQ(records[0].RecordNo, 3);
    EXPECT_EQ(records[1], moved);
    EXPECT_EQ(records[2], b);
}

TEST_F(Form2EditTest, AFutureYearOrAnImpossibleDateMovesNothing) {
    LoadThree();
    window->修正CMD_Click();
    ClickCell(2, 1);
    for (const char* digits : {"050825", "083224", "0508"}) {
        const int before = Beeps();
        TypeAndEnter(digits);
        EXPECT_EQ(Beeps(), before + 1) << digits;
        EXPECT_EQ(window->OperationState, 92);
    }
    EXPECT_EQ(Bytes(), BytesOf(FileOf(ThreeBars())));
}

// ---------------------------------------------------------------- deleting

TEST_F(Form2EditTest, DeletingARowAsksInTheEditorAndEndsReadyForTheNext) {
    struct Case {
        int row;
        std::vector<QuoteRecord> after;  // the records as counted, then the file's tail
    };
    for (const Case& k : {Case{2, {a, c}}, Case{1, {a, b}}, Case{3, {b, c}}}) {
        SCOPED_TRACE(k.row);
        LoadThree();
        window->削除CMD_Click();
        ClickCell(k.row, 5);
        EXPECT_EQ(window->OperationState, 93);
        EXPECT_EQ(Editor().text().toStdString(), "この行を削除する?");
        EXPECT_EQ(Grid().Col(), 1);
        EXPECT_EQ(WidthOf(&Editor()), PixelsToTwips(TwipsToPixels(WidthOf(&Grid()) - 1100)));
        Enter();
        auto expected = FileOf(k.after);
        expected[0].QuoteDate = "01/04/24";
        expected.push_back(c);  // the file keeps its length
        EXPECT_EQ(Hex(), Hex(expected));
        EXPECT_EQ(window->OperationState, 3);
        EXPECT_TRUE(Editor().isHidden());
        EXPECT_EQ(Grid().BackColor(), RGB(255, 228, 225));
        EXPECT_EQ(BackColorOf(window->削除CMD), RGB(220, 220, 220));
        window->リセットCMD_Click();
    }
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(Form2EditTest, DeletingTheOnlyRecordDeletesTheFile) {
    Load(FileOf({a}));
    DeleteRow(1);
    EXPECT_FALSE(FileExists(Path()));
    EXPECT_EQ(window->Label1->text().toStdString(), window->DisplayName + " Deleted");
    EXPECT_EQ(ForeColorOf(window->Label1), QBColor(13));
    EXPECT_EQ(window->DataFilePath, "");
    EXPECT_EQ(window->OperationState, 3);
    EXPECT_FALSE(window->削除CMD->isEnabled());
    EXPECT_TRUE(window->銘柄削除CMD->isEnabled());
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(form->MSFGrid1->TextMatrix(1, 4), "");
}

// ---------------------------------------------------------------- file errors

TEST_F(Form2EditTest, AFileThatCannotBeWrittenIsReportedAndLeftWhole) {
    LoadThree();
    // The file went while the window showed it.
    std::remove(Path().c_str());
    window->修正CMD_Click();
    ClickCell(1, 2);
    TypeAndEnter("100");
    ASSERT_EQ(messages->shown.size(), 2u);
    EXPECT_NE(messages->shown[0].text.find("1301d.KDT"), std::string::npos);
    EXPECT_EQ(messages->shown[0].title, "株価データ保守");
    EXPECT_EQ(messages->shown[1].text, "203, 株価データが無い　");
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_TRUE(Editor().isHidden());
    EXPECT_FALSE(FileExists(Path())) << "no empty file is made";
}

TEST_F(Form2EditTest, AnAddThatFindsTheDiskFullWritesNothing) {
    LoadThree();
    const std::string before = Bytes();
    {
        FileSizeLimit full(before.size());
        AddRow("051024", {"1", "1", "1", "1", "1", "1", "1"});
    }
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_NE(messages->shown[0].text.find("1301d.KDT"), std::string::npos);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_TRUE(Editor().isHidden());
    EXPECT_EQ(Grid().Rows(), 45) << "the file is shown as it is";
    EXPECT_EQ(BackColorOf(window->追加CMD), RGB(220, 220, 220));
}

// A new highest High typed into a file whose header no longer fits the
// file: the bar and the header go together or not at all, so nothing is
// written, and the failure is shown.
TEST_F(Form2EditTest, ACellEditOnADamagedHeaderWritesNothing) {
    const struct {
        std::int16_t count;
        const char* why;
    } cases[] = {
        {0, "no record of its own"},
        {-3, "a negative count"},
        {9, "more records than the file holds"},
        {3, "the row's record is no longer counted"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        LoadThree();
        std::vector<QuoteRecord> records = FileOf(ThreeBars());
        records[0].RecordNo = c.count;
        test::WriteBytes(Path(), BytesOf(records));
        const std::string damaged = Bytes();
        messages->shown.clear();
        Modify(1, 4, "140");  // row 1 is record 4, newest first
        EXPECT_EQ(Hex(), test::Hex(damaged));
        ASSERT_FALSE(messages->shown.empty());
        EXPECT_NE(messages->shown[0].text.find("1301d.KDT"), std::string::npos);
        EXPECT_EQ(messages->shown[0].title, "株価データ保守");
        EXPECT_EQ(window->OperationState, 0);
        EXPECT_TRUE(Editor().isHidden());
    }
}

// A write that fails at its last step (the new file cannot take the old
// one's place): the file is as it was, byte for byte, and the failure shown.
TEST_F(Form2EditTest, ACellEditWhoseWriteFailsLeavesTheFileAsItWas) {
    SetReplaceRename([](const std::string&, const std::string&) { return false; });
    for (const auto& [row, col, entry] : {std::tuple{1, 4, "140"}, std::tuple{2, 2, "111"}}) {
        SCOPED_TRACE(entry);
        LoadThree();
        const std::string before = Bytes();
        messages->shown.clear();
        Modify(row, col, entry);
        EXPECT_EQ(Hex(), test::Hex(before));
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_NE(messages->shown[0].text.find("1301d.KDT"), std::string::npos);
        EXPECT_EQ(window->OperationState, 0);
    }
    SetReplaceRename({});
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(Path()).parent_path())) {
        if (e.path().filename().string().rfind(".ranvik-write", 0) == 0) left.push_back(e.path().string());
    }
    EXPECT_TRUE(left.empty());
}

}  // namespace
}  // namespace ranvik
