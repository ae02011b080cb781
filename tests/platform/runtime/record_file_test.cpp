#include "platform/runtime/record_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
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

// A run of writes held by the handle: record 1 and the records from the
// boundary on wait in memory, so that the file on the disk stays as its
// old record 1 describes it until the handle writes them, record 1 last.
TEST(RecordFile, HeldWritesReachTheFileWholeAndLeaveNoRoomBehind) {
    test::TempFolder dir;
    const std::string path = dir.File("r.bin");
    // Record 1 counts two records; a third, stale one lies behind them.
    test::WriteBytes(path, "2...AAAAZZZZ");
    RecordFile f(path, 4);
    f.HoldWrites(3);
    f.Write(3, "BBBB");
    f.Write(4, "CCCC");
    f.Write(1, "4...");
    EXPECT_EQ(f.ReadBlock(1, 5), std::string("4...AAAABBBBCCCC\0\0\0\0", 20)) << "the handle reads its writes";
    EXPECT_EQ(f.RecordCount(), 4);
    EXPECT_EQ(test::ReadBytes(path).substr(0, 12), "2...AAAAZZZZ") << "the file as before the run";
    f.HoldWrites(5);
    f.Write(5, "DDDD");
    f.Close();
    EXPECT_EQ(test::ReadBytes(path), "4...AAAABBBBCCCCDDDD") << "no room taken ahead is left";

    // A write below the boundary sends what is held out first, in order.
    test::WriteBytes(path, "2...AAAA");
    f.Open(path, 4);
    f.HoldWrites(3);
    f.Write(3, "BBBB");
    f.Write(1, "3...");
    f.Write(2, "aaaa");
    EXPECT_EQ(test::ReadBytes(path).substr(0, 12), "3...aaaaBBBB");
    f.Close();
    EXPECT_EQ(test::ReadBytes(path), "3...aaaaBBBB");
}

TEST(RecordFile, AHeldWriteThatFindsNoRoomFailsAtOnceAndWritesNothing) {
    test::TempFolder dir;
    const std::string path = dir.File("r.bin");
    test::WriteBytes(path, "1...");
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limit = old;
    limit.rlim_cur = 4;
    auto* oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    {
        RecordFile f(path, 4);
        f.HoldWrites(2);
        EXPECT_THROW(f.Write(2, "BBBB"), FileError);
        f.Write(1, "1..x");  // inside the file: room enough
        EXPECT_NO_THROW(f.Close());
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(test::ReadBytes(path), "1..x");
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
