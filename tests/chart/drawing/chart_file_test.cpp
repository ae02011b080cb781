// File number 1 of a draw: block reads give what record-by-record reads give.
#include "chart/drawing/chart_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/chart/drawing/data_file_builder.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

TEST(ChartFile, BlocksReadWhatSingleRecordsRead) {
    test::TempFolder dir;
    const std::string path = dir.File("1301d.KDT");
    // 2,500 bars and half a record behind them.
    test::WriteBytes(path, test::DataFileBuilder(2500).Bytes() + std::string(26, 'x'));
    RecordFile single(path, QuoteRecord::kLength, FileAccess::ReadOnly);
    ChartFile file1;
    file1.Open(path);
    EXPECT_EQ(file1.RecordsHeld(), 2501);
    // Forwards, backwards, jumps and records past the end.
    std::vector<std::int64_t> order;
    for (std::int64_t r = 1; r <= 2503; ++r) order.push_back(r);
    for (std::int64_t r = 2503; r >= 1; --r) order.push_back(r);
    for (std::int64_t r : {7, 2000, 3, 1500, 1499, 2502, 1}) order.push_back(r);
    for (std::int64_t r : order) {
        ASSERT_EQ(std::string(file1.Bytes(r)), single.Read(r)) << r;
    }
    QuoteRecord bar;
    EXPECT_EQ(file1.Read(700, bar), QuoteRecord::Decode(single.Read(700)));
    const BarValues v = file1.Values(700);
    EXPECT_EQ(v.High, bar.High);
    EXPECT_EQ(v.Volume, bar.Volume);
}

TEST(ChartFile, ForgetsWhatItReadWhenTheFileWasWritten) {
    test::TempFolder dir;
    const std::string path = dir.File("1301d.KDT");
    test::DataFileBuilder(50).Write(path);
    ChartFile file1;
    file1.Open(path);
    QuoteRecord bar;
    EXPECT_EQ(file1.Read(20, bar).CorrectionMultiplier, "  ");
    RecordFile writer(path, QuoteRecord::kLength);
    std::string record = writer.Read(20);
    record.replace(2, 2, "2 ");
    writer.Write(20, record);
    file1.Forget();
    EXPECT_EQ(file1.Read(20, bar).CorrectionMultiplier, "2 ");
}

TEST(ChartFile, ReadsOnlyAndCreatesNothing) {
    test::TempFolder dir;
    ChartFile file1;
    EXPECT_THROW(file1.Open(dir.File("none.KDT")), FileError);
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.KDT")));
    EXPECT_THROW(file1.Open(dir.Path()), FileError);
    test::WriteBytes(dir.File("short.KDT"), "abc");
    file1.Open(dir.File("short.KDT"));
    EXPECT_FALSE(file1.ReadHeader().has_value());
}

}  // namespace
}  // namespace ranvik
