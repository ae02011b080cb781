#include "platform/runtime/record_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/test_support.h"

namespace ranvik {
namespace {

TEST(RecordFile, RecordKLiesAtItsOffsetAndWritingPastTheEndExtends) {
    test::TempFolder dir;
    const std::string path = dir.File("r.bin");
    {
        RecordFile f(path, 4);
        f.Write(3, "CCCC");
        EXPECT_EQ(f.RecordCount(), 3);
        f.Write(1, "AAAA");
    }
    EXPECT_EQ(test::ReadBytes(path), std::string("AAAA\0\0\0\0CCCC", 12));
}

TEST(RecordFile, OpeningNeverTruncatesAndWritingNeverShortens) {
    test::TempFolder dir;
    const std::string path = dir.File("r.bin");
    test::WriteBytes(path, "0123456789AB");
    RecordFile f(path, 4);
    f.Write(1, "xy");  // a short record is padded, the rest of the file stays
    f.Close();
    EXPECT_EQ(test::ReadBytes(path), std::string("xy\0\0" "456789AB", 12));
}

TEST(RecordFile, ReadingPastTheEndGivesZeroBytes) {
    test::TempFolder dir;
    const std::string path = dir.File("r.bin");
    RecordFile f(path, 4);
    f.Write(1, "ABCD");
    EXPECT_EQ(f.Read(1), "ABCD");
    EXPECT_EQ(f.Read(2), std::string(4, '\0'));
    // Only ReadWhole tells a record the file holds from one it lacks.
    EXPECT_EQ(f.ReadWhole(1), "ABCD");
    EXPECT_FALSE(f.ReadWhole(2));
    f.Close();
    test::WriteBytes(path, "ABCDEF");
    f.Open(path, 4);
    EXPECT_FALSE(f.ReadWhole(2)) << "a record cut short";
    EXPECT_EQ(f.Read(2), std::string("EF\0\0", 4));
}

TEST(RecordFile, BlocksMoveManyRecordsAtOnce) {
    test::TempFolder dir;
    RecordFile f(dir.File("r.bin"), 2);
    f.WriteBlock(1, "aabbcc");
    f.WriteBlock(2, f.ReadBlock(1, 3));
    EXPECT_EQ(f.ReadBlock(1, 4), "aaaabbcc");
}

TEST(RecordFile, AFolderThatDoesNotExistIsAFileError) {
    EXPECT_THROW(RecordFile("/nonexistent-folder/x.bin", 52), FileError);
    RecordFile closed;
    EXPECT_THROW(closed.Read(1), FileError);
}

TEST(RecordFile, AReaderNeitherCreatesNorWrites) {
    test::TempFolder dir;
    const std::string missing = dir.File("missing.KDT");
    EXPECT_THROW(RecordFile(missing, 52, FileAccess::ReadOnly), FileError);
    EXPECT_FALSE(std::filesystem::exists(missing));

    const std::string path = dir.File("r.bin");
    test::WriteBytes(path, "ABCDEF");
    RecordFile f(path, 4, FileAccess::ReadOnly);
    EXPECT_EQ(f.Read(1), "ABCD");
    EXPECT_THROW(f.Write(3, "xxxx"), FileError);
    // The refused write leaves the file readable and unchanged.
    EXPECT_EQ(f.Read(2), std::string("EF\0\0", 4));
    f.Close();
    EXPECT_EQ(test::ReadBytes(path), "ABCDEF");
}

TEST(RecordFile, LittleEndianIntegerAndSingleFields) {
    struct IntCase {
        std::int16_t value;
        std::string bytes;
    } ints[] = {{1, std::string("\x01\x00", 2)}, {-1, "\xFF\xFF"}, {32767, "\xFF\x7F"}, {-32768, std::string("\x00\x80", 2)}};
    for (const auto& c : ints) {
        std::string r(2, '\0');
        PutInteger(r, 0, c.value);
        EXPECT_EQ(test::Hex(r), test::Hex(c.bytes));
        EXPECT_EQ(GetInteger(r, 0), c.value);
    }
    struct SingleCase {
        float value;
        std::string bytes;
    } singles[] = {{1.0f, std::string("\x00\x00\x80\x3F", 4)},
                   {200000000.0f, std::string("\x20\xBC\x3E\x4D", 4)},
                   {-2.5f, std::string("\x00\x00\x20\xC0", 4)}};
    for (const auto& c : singles) {
        std::string r(4, '\0');
        PutSingle(r, 0, c.value);
        EXPECT_EQ(test::Hex(r), test::Hex(c.bytes)) << c.value;
        EXPECT_EQ(GetSingle(r, 0), c.value);
    }
}

}  // namespace
}  // namespace ranvik
