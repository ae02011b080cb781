// deldata, chgdata and the single-record changes on files, without any window.
#include "maintenance/record_store.h"

#include <gtest/gtest.h>

#include "core/program_state.h"
#include "platform/runtime/record_file.h"
#include "tests/maintenance/quote_files.h"

namespace ranvik {
namespace {

using test::Bar;
using test::BytesOf;
using test::FileOf;
using test::Header;

class RecordStoreTest : public testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }
    void Write(const std::vector<QuoteRecord>& records) { test::WriteBytes(path, BytesOf(records)); }
    std::string Bytes() const { return test::ReadBytes(path); }
    RecordFile Open() { return RecordFile(path, QuoteRecord::kLength); }

    test::TempFolder dir;
    std::string path = dir.File("1301d.KDT");
};

const QuoteRecord a = Bar("05/07/24", 100, 110, 120, 90, 1000, 50, 60);
const QuoteRecord b = Bar("05/08/24", 110, 105, 130, 100, 3000, 70, 40);
const QuoteRecord c = Bar("05/09/24", 105, 108, 112, 95, 2000, 30, 80);

TEST_F(RecordStoreTest, DeldataMovesTheLaterRecordsDownAndLeavesTheLastInPlace) {
    struct Case {
        int record;
        std::vector<QuoteRecord> after;  // the whole file, its length kept
    };
    const QuoteRecord header = FileOf({a, b, c})[0];
    QuoteRecord counted3 = header;
    counted3.RecordNo = 3;
    const Case cases[] = {
        {2, {counted3, b, c, c}},
        {3, {counted3, a, c, c}},
        // The last record: only the count changes.
        {4, {counted3, a, b, c}},
    };
    for (const Case& k : cases) {
        Write(FileOf({a, b, c}));
        RecordFile file = Open();
        EXPECT_TRUE(DeleteRecord(file, k.record));
        file.Close();
        EXPECT_EQ(test::Hex(Bytes()), test::Hex(BytesOf(k.after))) << "record " << k.record;
    }
}

TEST_F(RecordStoreTest, DeldataRefusesTheHeaderAndNumbersBeyondTheRecords) {
    Write(FileOf({a, b}));
    const std::string before = Bytes();
    RecordFile file = Open();
    for (int record : {1, 0, -1, 4, 100}) EXPECT_FALSE(DeleteRecord(file, record)) << record;
    file.Close();
    EXPECT_EQ(Bytes(), before);
}

TEST_F(RecordStoreTest, ChgdataTakesTheExtremesOfTheRecordsAndKeepsEveryOtherHeaderField) {
    QuoteRecord header = Header(4, 999, 1, 99999, 999, 999, "03/01/24", "2");
    header.RangeMax = 5;  // below High: no rule
    header.Open = 7;
    header.Close = 8;
    Write({header, a, b, c});
    RecordFile file = Open();
    RecomputeHeader(file);
    file.Close();
    QuoteRecord expected = header;
    expected.High = 130;
    expected.Low = 90;
    expected.Volume = 3000;
    expected.SellBalance = 70;
    expected.BuyBalance = 80;
    EXPECT_EQ(test::Hex(Bytes()), test::Hex(BytesOf({expected, a, b, c})));
}

TEST_F(RecordStoreTest, ChgdataOnAHeaderAloneLeavesHighZeroAndLowTheOldHigh) {
    // With the RangeMax rule, the old High is RangeMax.
    QuoteRecord header = Header(1, 300, 50, 10, 10, 10);
    header.RangeMax = 500;
    header.RangeMin = 20;
    Write({header, a});
    RecordFile file = Open();
    RecomputeHeader(file);
    file.Close();
    QuoteRecord expected = header;
    expected.High = 0;
    expected.Low = 500;
    expected.Volume = 0;
    expected.SellBalance = 0;
    expected.BuyBalance = 0;
    EXPECT_EQ(test::Hex(Bytes()), test::Hex(BytesOf({expected, a})));
}

TEST_F(RecordStoreTest, AFileWithoutAWholeHeaderIsAFileErrorAndStaysAsItWas) {
    test::WriteBytes(path, "short");
    RecordFile file = Open();
    EXPECT_THROW(DeleteRecord(file, 2), FileError);
    EXPECT_THROW(RecomputeHeader(file), FileError);
    file.Close();
    EXPECT_EQ(Bytes(), "short");
}

TEST_F(RecordStoreTest, ACellEntrySetsItsFieldAndSaysWhenTheHeaderMustBeRecomputed) {
    const HeaderExtremes ex{130, 90, 3000, 70, 80};
    struct Case {
        int column;
        float value;
        bool recompute;
    };
    // Record b holds the highest High and the largest Volume and SellBalance.
    const Case cases[] = {
        {2, 999, false}, {3, 999, false},
        {4, 125, true},   // the High that was the file's highest
        {5, 95, false},  {5, 80, true},    // below the lowest Low
        {6, 2500, true}, {7, 60, true},    {8, 79, false}, {8, 81, true},
        {9, 5, false},   {13, 5, false},  // no field outside administrator mode
    };
    for (const Case& k : cases) {
        QuoteRecord r = b;
        EXPECT_EQ(ApplyCellEntry(r, k.column, "x", k.value, ex, false), k.recompute) << k.column << " " << k.value;
        QuoteRecord expected = b;
        switch (k.column) {
            case 2: expected.Open = k.value; break;
            case 3: expected.Close = k.value; break;
            case 4: expected.High = k.value; break;
            case 5: expected.Low = k.value; break;
            case 6: expected.Volume = k.value; break;
            case 7: expected.SellBalance = k.value; break;
            case 8: expected.BuyBalance = k.value; break;
            default: break;
        }
        EXPECT_EQ(r, expected) << k.column;
    }
    QuoteRecord r = b;
    ApplyCellEntry(r, 13, "053", 0, ex, true);
    EXPECT_EQ(r.Encode().substr(2, 2), "05");
    ApplyCellEntry(r, 13, "", 0, ex, true);
    EXPECT_EQ(r.Encode().substr(2, 2), "  ");
}

TEST_F(RecordStoreTest, ANewRecordIsMergedAtItsDateWithoutRangeOrMultiplier) {
    Write(FileOf({a, c}));
    RecordFile file = Open();
    EXPECT_EQ(StoreNewRecord(file, {"05/08/24", {110, 105, 130, 100, 3000, 70, 40}}), MergeOutcome::Inserted);
    file.Close();
    EXPECT_EQ(test::Hex(Bytes()), test::Hex(BytesOf(FileOf({a, b, c}))));
}

TEST_F(RecordStoreTest, AMovedRecordTakesItsMultiplierToItsNewPlace) {
    QuoteRecord point = b;
    point.CorrectionMultiplier = "2";
    const QuoteRecord d = Bar("05/13/24", 1, 2, 3, 0.5f, 10);
    Write(FileOf({a, point, c, d}));
    RecordFile file = Open();
    EXPECT_TRUE(MoveRecordToDate(file, 3, "05/10/24"));
    file.Close();
    QuoteRecord moved = point;
    moved.QuoteDate = "05/10/24";
    EXPECT_EQ(test::Hex(Bytes()), test::Hex(BytesOf(FileOf({a, c, moved, d}))));
}

TEST_F(RecordStoreTest, AMoveOntoAnotherRecordsDateReplacesItAndLeavesOneRecordFewer) {
    QuoteRecord point = c;
    point.CorrectionMultiplier = "05";
    Write(FileOf({a, b, point}));
    RecordFile file = Open();
    EXPECT_TRUE(MoveRecordToDate(file, 4, "05/07/24"));
    EXPECT_FALSE(MoveRecordToDate(file, 1, "05/01/24"));
    file.Close();
    QuoteRecord moved = point;
    moved.QuoteDate = "05/07/24";
    const auto records = test::RecordsIn(path);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].RecordNo, 3);
    EXPECT_EQ(records[1], moved);
    EXPECT_EQ(records[1].Encode(), moved.Encode());
    EXPECT_EQ(records[2], b);
}

TEST_F(RecordStoreTest, ARestorePointPutsBackTheBytesOfTheFile) {
    Write(FileOf({a, b, c}));
    const std::string before = Bytes();
    RecordFile file = Open();
    FileRestorePoint restore(file);
    DeleteRecord(file, 2);
    RecomputeHeader(file);
    restore.Restore();
    file.Close();
    EXPECT_EQ(Bytes(), before);
}

}  // namespace
}  // namespace ranvik
