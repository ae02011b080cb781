#include "platform/lists/list_table.h"

#include <gtest/gtest.h>

#include "platform/runtime/folder.h"
#include "platform/runtime/text_file.h"
#include "tests/support/list_entries.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

using test::Heading;
using test::Stock;

ListEntry VersionHeader(std::int16_t reserved = 0) {
    ListEntry h;
    h.Code = "HEAD";
    h.StockName = "4.4.24";
    h.Market = "x";
    h.Section = 3;
    h.UNI = "SUP1";
    h.TradingUnit = 9;
    h.Reserved = reserved;
    return h;
}

TEST(ListTable, BuiltBytesNumberTheRecordsAndCarryTheHeadersReserved) {
    const std::string bytes = ListTableBytes(VersionHeader(77), {Heading("水産・農林業"), Stock("1332", "ニッスイ")});
    ASSERT_EQ(bytes.size(), 3 * ListEntry::kLength);
    const ListEntry header = ListEntry::Decode(bytes.substr(0, 68));
    EXPECT_EQ(header.RecordNo, 3);
    EXPECT_EQ(header.StockName.substr(0, 6), "4.4.24");
    const ListEntry heading = ListEntry::Decode(bytes.substr(68, 68));
    EXPECT_EQ(heading.RecordNo, 2);
    EXPECT_TRUE(heading.IsHeading());
    EXPECT_EQ(heading.Market, " ");
    EXPECT_EQ(heading.Reserved, 77);
    const ListEntry stock = ListEntry::Decode(bytes.substr(136, 68));
    EXPECT_EQ(stock.RecordNo, 3);
    EXPECT_EQ(stock.Code, "1332");
    EXPECT_EQ(stock.Reserved, 77);
}

TEST(ListTable, ReadingGivesRecordsTwoToTheHeadersLastRecordOnly) {
    test::TempFolder dir;
    const std::string path = dir.File("t.eTBL");
    std::string bytes = ListTableBytes(VersionHeader(), {Stock("1301", "極洋"), Stock("1332", "ニッスイ")});
    bytes += Stock("9999", "残り").Encode();  // left behind an earlier, longer table
    test::WriteBytes(path, bytes);

    const ListTableContents t = ReadListTable(path);
    EXPECT_EQ(t.header.RecordNo, 3);
    ASSERT_EQ(t.entries.size(), 2u);
    EXPECT_EQ(t.entries[0].Code, "1301");
    EXPECT_EQ(t.entries[1].StockName.substr(0, std::string("ニッスイ").size()), "ニッスイ");
}

TEST(ListTable, ATableCutShortGivesOnlyTheRecordsTheFileHolds) {
    test::TempFolder dir;
    const std::string path = dir.File("t.eTBL");
    const std::string whole = ListTableBytes(VersionHeader(), {Stock("1301", "極洋"), Stock("1332", "ニッスイ")});
    const struct {
        std::size_t length;
        std::size_t entries;
    } cases[] = {{68, 0}, {68 + 68, 1}, {68 + 68 + 30, 1}, {68 * 3, 2}};  // 30: a record cut in its middle
    for (const auto& c : cases) {
        test::WriteBytes(path, whole.substr(0, c.length));
        const ListTableContents t = ReadListTable(path);
        EXPECT_EQ(t.header.RecordNo, 3) << c.length;
        EXPECT_EQ(t.entries.size(), c.entries) << c.length;
    }
}

TEST(ListTable, OpeningAMissingTableIsAFileErrorAndCreatesNothing) {
    test::TempFolder dir;
    const std::string path = dir.File("none.eTBL");
    EXPECT_THROW(ReadListTable(path), FileError);
    EXPECT_FALSE(FileExists(path));
}

TEST(ListTable, SavingFewerEntriesKeepsTheOldRecordsBehindTheNewEnd) {
    test::TempFolder dir;
    const std::string path = dir.File("t.eTBL");
    std::vector<ListEntry> hundred;
    for (int i = 0; i < 99; ++i) hundred.push_back(Stock(std::to_string(1000 + i), "銘柄"));
    test::WriteBytes(path, ListTableBytes(VersionHeader(5), hundred));
    const std::string before = test::ReadBytes(path);

    std::vector<ListEntry> kept(hundred.begin(), hundred.begin() + 97);
    WriteListEntries(path, kept);

    const std::string after = test::ReadBytes(path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(ListEntry::Decode(after.substr(0, 68)).RecordNo, 98);
    // Records 99 and 100 still hold what they held.
    EXPECT_EQ(after.substr(98 * 68), before.substr(98 * 68));
    EXPECT_EQ(ReadListTable(path).entries.size(), 97u);
}

TEST(ListTable, SavingKeepsEveryHeaderFieldButTheLastRecordNumber) {
    test::TempFolder dir;
    const std::string path = dir.File("t.eTBL");
    test::WriteBytes(path, ListTableBytes(VersionHeader(12), {Stock("1301", "極洋")}));
    for (int round = 0; round < 3; ++round) {
        ListEntry s = Stock("1332", "ニッスイ");
        s.Reserved = 0;
        WriteListEntries(path, {Heading("水産・農林業"), s});
    }
    const ListTableContents t = ReadListTable(path);
    ListEntry expectedHeader = VersionHeader(12);
    expectedHeader.RecordNo = 3;
    EXPECT_EQ(t.header.Encode(), expectedHeader.Encode());
    ASSERT_EQ(t.entries.size(), 2u);
    EXPECT_EQ(t.entries[0].RecordNo, 2);
    EXPECT_EQ(t.entries[1].RecordNo, 3);
    EXPECT_EQ(t.entries[0].Reserved, 12);
    EXPECT_EQ(t.entries[1].Reserved, 12);
}

TEST(ListTable, SavingChangesOnlyTheHeadersRecordNumberByteForByte) {
    std::string header = VersionHeader(3).Encode();
    header[40] = '\x85';  // not a character of the code page: kept as it is
    std::string table = header + Stock("1301", "極洋").Encode();
    const std::string saved = SavedListTableBytes(table, {Stock("1332", "ニッスイ"), Heading("水産")});
    ASSERT_EQ(saved.size(), 3 * ListEntry::kLength);
    EXPECT_EQ(saved.substr(0, 2), std::string("\x03\x00", 2));
    EXPECT_EQ(test::Hex(saved.substr(2, 66)), test::Hex(header.substr(2)));
    EXPECT_EQ(ListEntry::Decode(saved.substr(136, 68)).Reserved, 3);
    EXPECT_THROW(SavedListTableBytes(header.substr(0, 67), {}), FileError);
}

TEST(ListTable, SavingAMissingTableCreatesNothingAndAFailedRenameKeepsTheOldTable) {
    test::TempFolder dir;
    const std::string path = dir.File("t.eTBL");
    EXPECT_THROW(WriteListEntries(path, {Stock("1301", "極洋")}), FileError);
    EXPECT_FALSE(FileExists(path));

    test::WriteBytes(path, ListTableBytes(VersionHeader(), {Stock("1301", "極洋"), Stock("1332", "ニッスイ")}));
    const std::string before = test::ReadBytes(path);
    SetReplaceRename([](const std::string&, const std::string&) { return false; });
    EXPECT_THROW(WriteListEntries(path, {Stock("7203", "トヨタ自動車")}), FileError);
    SetReplaceRename({});
    EXPECT_EQ(test::ReadBytes(path), before);
    EXPECT_EQ(ListFolder(dir.Path(), "*").size(), 1u);
}

TEST(ListTable, ATableOfOnlyItsHeaderSavesOnlyTheHeader) {
    test::TempFolder dir;
    const std::string path = dir.File("t.eTBL");
    test::WriteBytes(path, ListTableBytes(VersionHeader(), {}));
    EXPECT_TRUE(ReadListTable(path).entries.empty());
    WriteListEntries(path, {});
    const std::string bytes = test::ReadBytes(path);
    ASSERT_EQ(bytes.size(), 68u);
    EXPECT_EQ(ListEntry::Decode(bytes).RecordNo, 1);
}

TEST(ListTable, GridRowsBecomeRecords) {
    struct Case {
        ListRowCells row;
        std::string code, name, market, uni;
        int section, unit;
    };
    const Case cases[] = {
        {{" 7203 ", " トヨタ自動車  ", " t", " 1 ", "100", " A "}, "7203", "トヨタ自動車", "t", "A", 1, 100},
        {{"1301", "極洋", "t", "2", "100株", ""}, "1301", "極洋", "t", "", 2, 100},
        {{"1301", "極洋", "t", "", "", ""}, "1301", "極洋", "t", "", 0, 0},
        {{"1301", "極洋", "t", "1", "2.5", ""}, "1301", "極洋", "t", "", 1, 2},
        {{"1301", "極洋", "t", "1", "3.5", ""}, "1301", "極洋", "t", "", 1, 4},
        {{"1301", "極洋", "t", "300", "99999", ""}, "1301", "極洋", "t", "", 255, 32767},
        {{"1301", "極洋", "t", "-4", "-99999", ""}, "1301", "極洋", "t", "", 0, -32768},
        // A code cell of blanks makes a heading line, whatever the other cells say.
        {{"   ", "    東証プライム  ", "t", "1", "100", "X"}, "****", "東証プライム", "", "", 0, 0},
    };
    for (const auto& c : cases) {
        const ListEntry e = ListEntryFromRow(c.row);
        EXPECT_EQ(e.Code, c.code) << c.row.name;
        EXPECT_EQ(e.StockName, c.name);
        EXPECT_EQ(e.Market, c.market);
        EXPECT_EQ(e.UNI, c.uni);
        EXPECT_EQ(e.Section, c.section) << c.row.section;
        EXPECT_EQ(e.TradingUnit, c.unit) << c.row.unit;
    }
}

TEST(ListTable, AHeadingWrittenBackLosesTheBlanksTheGridShowedBeforeIt) {
    const ListEntry e = ListEntryFromRow({"", "    東証プライム", "", "", "", ""});
    const std::string bytes = e.Encode();
    EXPECT_EQ(bytes.substr(2, 4), "****");
    EXPECT_EQ(bytes.substr(6, 12), "\x93\x8C\x8F\xD8\x83\x76\x83\x89\x83\x43\x83\x80");
    EXPECT_EQ(bytes.substr(18, 40), std::string(40, ' '));
}

}  // namespace
}  // namespace ranvik
