#include "platform/runtime/text_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/runtime/folder.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

TEST(TextFile, LinesAreReadWithTheirByteOffsets) {
    test::TempFolder dir;
    const std::string path = dir.File("t.txt");
    // "東証" is four bytes in CP932; the last line has no line end.
    test::WriteBytes(path, "A=1\r\n\x93\x8C\x8F\xD8\r\n\r\nlast");
    const auto lines = ReadTextLines(path);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 4u);
    struct Expect {
        const char* text;
        std::int64_t offset;
        std::int64_t length;
    } expected[] = {{"A=1", 0, 3}, {"東証", 5, 4}, {"", 11, 0}, {"last", 13, 4}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ((*lines)[i].text, expected[i].text);
        EXPECT_EQ((*lines)[i].offset, expected[i].offset);
        EXPECT_EQ((*lines)[i].length, expected[i].length);
    }
}

TEST(TextFile, LoneCrAndLfEndLinesToo) {
    test::TempFolder dir;
    test::WriteBytes(dir.File("t.txt"), "a\rb\nc\r\n");
    const auto lines = ReadTextLines(dir.File("t.txt"));
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 3u);
    EXPECT_EQ((*lines)[2].text, "c");
}

TEST(TextFile, MissingFileAndEmptyFile) {
    test::TempFolder dir;
    EXPECT_FALSE(ReadTextLines(dir.File("none.txt")));
    EXPECT_FALSE(ReadFirstTextLine(dir.File("none.txt")));
    test::WriteBytes(dir.File("empty.txt"), "");
    EXPECT_TRUE(ReadTextLines(dir.File("empty.txt"))->empty());
}

TEST(TextFile, WritesCp932WithCrLfAndReplacesTheFileWhole) {
    test::TempFolder dir;
    const std::string path = dir.File("out.txt");
    test::WriteBytes(path, "old content that is longer than the new one");
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteTextLines(path, {"Version=4.4.5", "株価"}));
    EXPECT_EQ(test::ReadBytes(path), "Version=4.4.5\r\n\x8A\x94\x89\xBF\r\n");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // No temporary file is left behind.
    EXPECT_EQ(ListFolder(dir.Path(), "*").size(), 1u);
}

TEST(TextFile, AFailedReplaceLeavesTheOldFile) {
    EXPECT_FALSE(ReplaceFileBytes("/nonexistent-folder/x.txt", "abc"));
    // The temporary file is written, but the rename over the target fails:
    // a folder that is not empty cannot be replaced by a file.
    test::TempFolder dir;
    const std::string target = dir.File("target");
    ASSERT_TRUE(std::filesystem::create_directory(target));
    test::WriteBytes(target + "/inside.txt", "kept");
    EXPECT_FALSE(ReplaceFileBytes(target, "abc"));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"target"}) << "no temporary file is left behind";
    EXPECT_EQ(test::ReadBytes(target + "/inside.txt"), "kept");
}

TEST(TextFile, AFailedRenameLeavesTheOldFileWholeAndNoTemporaryFile) {
    test::TempFolder dir;
    const std::string path = dir.File("list.txt");
    test::WriteBytes(path, "old\r\n");
    std::string renamedFrom;
    SetReplaceRename([&](const std::string& from, const std::string&) {
        renamedFrom = from;
        return false;
    });
    const bool replaced = ReplaceFileBytes(path, "new and longer\r\n");
    SetReplaceRename({});
    EXPECT_FALSE(replaced);
    EXPECT_FALSE(renamedFrom.empty());
    EXPECT_EQ(test::ReadBytes(path), "old\r\n");
    EXPECT_EQ(ListFolder(dir.Path(), "*"), std::vector<std::string>{"list.txt"});
    // The system's rename is back.
    EXPECT_TRUE(ReplaceFileBytes(path, "new\r\n"));
    EXPECT_EQ(test::ReadBytes(path), "new\r\n");
}

}  // namespace
}  // namespace ranvik
