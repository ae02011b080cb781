// Stock list tables in the grid: loading (texts, widths, alignments) and
// saving after edits, byte for byte.
#include <QGroupBox>

#include "listedit/stock_table.h"
#include "tests/listedit/form1_fixture.h"

namespace ranvik::listedit::test {
namespace {

TEST_F(Form1Test, ATableLoadsIntoTheGridRowForRecord) {
    Form1& f = StartWithPrimeTable();
    const FlexGrid& g = *f.MSFGrid1;
    ASSERT_EQ(g.Rows(), 8);  // the header row, six entries, the blank row
    const std::vector<std::string> header = {"ｺｰﾄﾞ", "---------*---------*--銘柄---*---------*---------*--", "市場",
                                             "部", " 売買単位", " UNI"};
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(g.TextMatrix(0, c), header[c - 1]);
    const std::vector<std::vector<std::string>> rows = {
        // Names without the blanks that pad their field.
        {"", "    水産・農林業", "", "", "", ""},
        {"1301", "極洋", "t", "1", "100", "    "},
        {"1332", "ニッスイ", "t", "1", "100", "    "},
        {"", "    輸送用機器", "", "", "", ""},
        {"7203", "トヨタ自動車", "t", "1", "100", "A1  "},
        {"7267", "ホンダ", "t", "1", "100", "    "},
        {"", "", "", "", "", ""},
    };
    for (int r = 1; r <= 7; ++r)
        for (int c = 1; c <= 6; ++c) EXPECT_EQ(g.TextMatrix(r, c), rows[r - 1][c - 1]) << r << "," << c;
    const int widths[] = {5, 540, WidthOf(f.MSFGrid1) - 550 - 500 - 500 - 1000 - 320, 500, 500, 1000, 600};
    for (int c = 0; c <= 6; ++c) EXPECT_EQ(g.ColWidth(c), widths[c]) << c;
    EXPECT_EQ(g.ColAlignment(1), kFlexAlignCenterCenter);
    EXPECT_EQ(g.ColAlignment(2), kFlexAlignLeftCenter);
    EXPECT_EQ(g.ColAlignment(3), kFlexAlignCenterCenter);
    EXPECT_EQ(g.ColAlignment(4), kFlexAlignCenterCenter);
    EXPECT_EQ(g.TopRow(), 1);
    EXPECT_EQ(g.Row(), 7);
    EXPECT_FALSE(f.MSFGrid1->isHidden());
    EXPECT_FALSE(f.Frame3->isHidden());
    EXPECT_EQ(f.Frame3->title().toStdString(), "東証プライム銘柄リスト編集ボタン");
    EXPECT_TRUE(f.mnuHenItem->Checked(9));
    EXPECT_TRUE(f.mnuHenItem->Checked(0));
    EXPECT_FALSE(f.Frame2->isHidden());
    EXPECT_TRUE(f.mnuMeigaraList->Checked(1));
    EXPECT_EQ(Caption(), "Tamelo(4.4.24) - 東証プライム銘柄リスト");
    EXPECT_EQ(f.ListFileName, "東証プライムリスト.eTBL");
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(Form1Test, TableHeadersOfFewRecordsGiveEmptyTablesAndACutTableShowsWhatItHolds) {
    const struct {
        std::int16_t recordNo;
        std::size_t records;  // in the file, the header included
        int rows;
        bool message;
    } cases[] = {
        {1, 3, 2, false},   // only the header: a header row and a blank row
        {0, 3, 2, false},   // a count below 1: an empty table
        {-5, 3, 2, false},
        {3, 5, 4, false},   // records past the end are not part of the table
        {9, 3, 4, true},    // the file holds fewer than counted
    };
    for (const auto& c : cases) {
        std::string bytes = ListTableBytes(TableHeader(), {Stock("1301", "極洋"), Stock("1332", "ニッスイ"),
                                                           Stock("1333", "マルハ"), Stock("1334", "その他")})
                                .substr(0, c.records * ListEntry::kLength);
        PutInteger(bytes, 0, c.recordNo);
        ranvik::test::WriteBytes(dir.File(kPrimeTable), bytes);
        messages->shown.clear();
        Form1& f = Start();
        f.mnuMeigaraList_Click(1);
        EXPECT_EQ(f.MSFGrid1->Rows(), c.rows) << c.recordNo;
        EXPECT_EQ(f.MSFGrid1->TextMatrix(c.rows - 1, 1), "") << c.recordNo;
        EXPECT_EQ(messages->shown.size(), c.message ? 1u : 0u) << c.recordNo;
        EXPECT_FALSE(f.MSFGrid1->isHidden());
    }
}

TEST_F(Form1Test, ATableWithoutAHeaderIsReportedAndNotShown) {
    ranvik::test::WriteBytes(dir.File(kPrimeTable), std::string(30, 'x'));
    Form1& f = Start();
    f.mnuMeigaraList_Click(1);
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{"<東証プライム銘柄リスト> --- 銘柄リストを読めません"});
    EXPECT_TRUE(f.MSFGrid1->isHidden());
    EXPECT_TRUE(f.Frame3->isHidden());
    EXPECT_FALSE(f.mnuHenItem->Enabled(9));
    // The row buttons do nothing without a table.
    f.SelectedRow = 1;
    f.行削除BTN_Click();
    f.行追加BTN_Click();
    EXPECT_EQ(f.EditMode, 0);
    EXPECT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(ranvik::test::ReadBytes(dir.File(kPrimeTable)), std::string(30, 'x'));
}

TEST_F(Form1Test, AMissingTableIsReportedAndNothingIsCreated) {
    Form1& f = Start();
    f.mnuMeigaraList_Click(1);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "907. 東証プライムリスト.eTBLが見つかりません");
    EXPECT_EQ(messages->shown[0].title, "Tamelo");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(f.MSFGrid1->isHidden());
    EXPECT_EQ(f.ListFileName, "東証プライムリスト.eTBL");
    EXPECT_EQ(Caption(), "Tamelo(4.4.24) - 東証プライム銘柄リスト");
    EXPECT_FALSE(f.mnuFileItem->Enabled(1));
    f.ListModified = true;
    EXPECT_FALSE(f.WriteCurrentList());
    EXPECT_FALSE(FileExists(dir.File(kPrimeTable)));
}

TEST_F(Form1Test, ADeliveredTableLoadedAndWrittenBackIsTheSameBytes) {
    for (auto name : {kAllStocksTable, kPrimeTable, kNagoyaTable}) {
        const std::string delivered = ranvik::test::ReadBytes(std::string(RANVIK_PROGRAM_DIR) + "/" + std::string(name));
        ASSERT_GT(delivered.size(), 68u * 10) << name;
        ranvik::test::WriteBytes(dir.File(name), delivered);
    }
    Form1& f = Start();
    for (int item : {0, 1, 4}) {
        f.mnuMeigaraList_Click(item);
        f.ListModified = true;
        ASSERT_TRUE(f.WriteCurrentList());
    }
    for (auto name : {kAllStocksTable, kPrimeTable, kNagoyaTable}) {
        const std::string delivered = ranvik::test::ReadBytes(std::string(RANVIK_PROGRAM_DIR) + "/" + std::string(name));
        EXPECT_TRUE(ranvik::test::ReadBytes(dir.File(name)) == delivered) << name;
    }
}

TEST_F(Form1Test, SavingAfterEditsWritesTheGridAndKeepsTheHeaderAndTheOldRecordsBehind) {
    Form1& f = StartWithPrimeTable();
    const std::string before = ranvik::test::ReadBytes(dir.File(kPrimeTable));
    // Delete 1332 (row 3), then the heading 輸送用機器 (now row 3).
    for (int i = 0; i < 2; ++i) {
        Press(3, 1);
        messages->QueueAnswer(MessageAnswer::Yes);
        f.行削除BTN_Click();
    }
    // A name changed, a heading typed with blanks around it.
    f.修正BTN_Click();
    Press(2, 2);
    Enter("極洋本社 ");
    f.MSFGrid1->SetTextMatrix(1, 2, "    水産  ");
    ASSERT_TRUE(f.WriteCurrentList());

    std::vector<ListEntry> expected = {Heading("水産"), Stock("1301", "極洋本社"), PrimeEntries()[4], PrimeEntries()[5]};
    std::string bytes = ListTableBytes(TableHeader(), expected);
    bytes += before.substr(bytes.size());  // the two old records past the new end
    const std::string after = ranvik::test::ReadBytes(dir.File(kPrimeTable));
    EXPECT_EQ(ranvik::test::Hex(after), ranvik::test::Hex(bytes));
    EXPECT_EQ(ListEntry::Decode(after.substr(0, 68)).RecordNo, 5);
    EXPECT_EQ(after.size(), before.size());
    EXPECT_FALSE(f.ListModified);
    EXPECT_FALSE(f.mnuFileItem->Enabled(1));
    EXPECT_EQ(Caption(), "Tamelo(4.4.24) - 東証プライム銘柄リスト - 保存完了");
}

// One record spelled out field by field: little-endian numbers, CP932 texts
// padded with blanks.
std::string Record(int recordNo, const std::string& code, const std::string& name, const std::string& market,
                   int section, const std::string& uni, int unit, int reserved) {
    auto int16 = [](int v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; };
    auto padded = [](std::string text, std::size_t width) { return text.append(width - text.size(), ' '); };
    return int16(recordNo) + padded(code, 4) + padded(name, 52) + padded(market, 1) +
           std::string(1, static_cast<char>(section)) + padded(uni, 4) + int16(unit) + int16(reserved);
}

TEST_F(Form1Test, ASaveWritesTheseVeryBytes) {
    const std::string kyokuyo = "\x8B\xC9\x97\x6D";          // 極洋
    const std::string suisan = "\x90\x85\x8E\x59";           // 水産
    const std::string header = Record(4, "HEAD", "4.4.24", "x", 3, "SUP1", 9, 0x0107);
    ranvik::test::WriteBytes(dir.File(kPrimeTable),
                             header + Record(2, "****", suisan, " ", 0, "", 0, 0x0107) +
                                 Record(3, "1301", kyokuyo, "t", 1, "", 100, 0x0107) +
                                 Record(4, "1332", "Nissui", "t", 1, "AB", 1000, 0x0107));
    Form1& f = Start();
    f.mnuMeigaraList_Click(1);
    Press(2, 1);
    messages->QueueAnswer(MessageAnswer::Yes);
    f.行削除BTN_Click();
    f.MSFGrid1->SetTextMatrix(2, 5, "-2");
    ASSERT_TRUE(f.WriteCurrentList());
    const std::string expected = Record(3, "HEAD", "4.4.24", "x", 3, "SUP1", 9, 0x0107) +
                                 Record(2, "****", suisan, " ", 0, "", 0, 0x0107) +
                                 Record(3, "1332", "Nissui", "t", 1, "AB", -2, 0x0107) +
                                 Record(4, "1332", "Nissui", "t", 1, "AB", 1000, 0x0107);
    EXPECT_EQ(ranvik::test::Hex(ranvik::test::ReadBytes(dir.File(kPrimeTable))), ranvik::test::Hex(expected));
}

TEST_F(Form1Test, GridCellsBecomeRecordsAsTheTableFormatSays) {
    const struct {
        StockRowTexts row;
        ListEntry entry;
    } cases[] = {
        {{"1301", "極洋", "t", "2", "100", ""}, Stock("1301", "極洋", "t", 2, 100)},
        {{"1301", "極洋", "t", "1", "100株", ""}, Stock("1301", "極洋", "t", 1, 100)},
        {{"1301", "極洋", "t", "1", "", ""}, Stock("1301", "極洋", "t", 1, 0)},
        {{"1301", "極洋", "t", "1", "2.5", ""}, Stock("1301", "極洋", "t", 1, 2)},
        {{"1301", "極洋", "t", "1", "3.5", ""}, Stock("1301", "極洋", "t", 1, 4)},
        {{"    ", "極洋", "t", "1", "100", "X"}, Heading("極洋")},  // a code of blanks: a heading
        {{"", "    東証プライム   ", "", "", "", ""}, Heading("東証プライム")},
    };
    for (const auto& c : cases) {
        ListEntry e = EntryFromRow(c.row);
        EXPECT_EQ(e.Encode(), c.entry.Encode()) << c.row[0] << "|" << c.row[4];
    }
}

TEST_F(Form1Test, AFailedSaveKeepsTheOldTableTheChangesAndTheirMark) {
    Form1& f = StartWithPrimeTable();
    const std::string before = ranvik::test::ReadBytes(dir.File(kPrimeTable));
    Press(2, 1);
    messages->QueueAnswer(MessageAnswer::Yes);
    f.行削除BTN_Click();
    const std::string caption = Caption();
    SetReplaceRename([](const std::string&, const std::string&) { return false; });
    const bool saved = f.WriteCurrentList();
    SetReplaceRename({});
    EXPECT_FALSE(saved);
    EXPECT_EQ(ranvik::test::ReadBytes(dir.File(kPrimeTable)), before);
    EXPECT_TRUE(f.ListModified);
    EXPECT_TRUE(f.mnuFileItem->Enabled(1));
    EXPECT_EQ(Caption(), caption);
    ASSERT_EQ(messages->shown.size(), 2u);
    EXPECT_EQ(messages->shown[1].text, "<東証プライム銘柄リスト> --- 保存できませんでした。ファイルは元のままです");
    EXPECT_EQ(ListFolder(dir.Path(), "*").size(), 1u);

    // Closing: the failed save keeps the window and the changes.
    messages->QueueAnswer(MessageAnswer::Yes);
    SetReplaceRename([](const std::string&, const std::string&) { return false; });
    int cancel = 0;
    f.Form_Unload(cancel);
    SetReplaceRename({});
    EXPECT_EQ(cancel, 1);
    EXPECT_TRUE(f.ListModified);
    EXPECT_TRUE(help->calls.empty());
}

}  // namespace
}  // namespace ranvik::listedit::test
