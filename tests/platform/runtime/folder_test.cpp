#include "platform/runtime/folder.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace ranvik {
namespace {

TEST(Folder, ListsByPatternInAscendingNameOrderIgnoringAsciiCase) {
    test::TempFolder dir;
    for (const char* name : {"7203d.KDT", "1301w.kdt", "1301d.KDT", "Temp1d.KDT", "notes.txt", "全銘柄リスト.eTBL"})
        test::WriteBytes(dir.File(name), "x");
    EXPECT_EQ(ListFolder(dir.Path(), "*.KDT"),
              (std::vector<std::string>{"1301d.KDT", "1301w.kdt", "7203d.KDT", "Temp1d.KDT"}));
    EXPECT_EQ(ListFolder(dir.Path(), "*.eTBL"), (std::vector<std::string>{"全銘柄リスト.eTBL"}));
    EXPECT_EQ(ListFolder(dir.Path(), "????d.KDT"), (std::vector<std::string>{"1301d.KDT", "7203d.KDT"}));
    EXPECT_TRUE(ListFolder(dir.Path() + "missing/", "*").empty());
}

TEST(Folder, PatternsTable) {
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    } cases[] = {
        {"a.KDT", "*.KDT", true},   {"a.kdt", "*.KDT", true},  {"a.KDTX", "*.KDT", false},
        {"全.eTBL", "?.eTBL", true}, {"ab", "a?", true},        {"a", "a?", false},
        {"abc", "*", true},         {"", "*", true},           {"x.txt", "*.*", true},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
}

TEST(Folder, DeleteRenameCopyExists) {
    test::TempFolder dir;
    const std::string a = dir.File("株HTML.htm");
    test::WriteBytes(a, "page");
    EXPECT_TRUE(FileExists(a));
    EXPECT_FALSE(FileExists(dir.Path()));
    EXPECT_TRUE(FolderExists(dir.Path()));
    EXPECT_TRUE(CopyFile(a, dir.File("copy.htm")));
    EXPECT_EQ(test::ReadBytes(dir.File("copy.htm")), "page");
    EXPECT_TRUE(RenameFile(a, dir.File("moved.htm")));
    EXPECT_FALSE(FileExists(a));
    EXPECT_TRUE(DeleteFile(dir.File("moved.htm")));
    EXPECT_FALSE(DeleteFile(dir.File("moved.htm")));
    EXPECT_FALSE(CopyFile(dir.File("none"), dir.File("x")));
    EXPECT_FALSE(FileExists(dir.File("x")));
}

TEST(Folder, JoinPath) {
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(JoinPath("", "b"), "b");
}

}  // namespace
}  // namespace ranvik
