// Writing a downloaded page into its page file.
#include "core/page_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/program_state.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

namespace fs = std::filesystem;

// Whatever stood under the page's name, the name ends as a plain file
// holding the page and CR LF (or, for a folder, stays as it was and the
// write fails), and nothing it pointed at is written through.
TEST(PageFileWrite, TheNameEndsAsAFileHoldingThePageWhateverStoodThere) {
    const struct {
        const char* what;
        void (*make)(const std::string& path, const std::string& other);
        bool written;
    } cases[] = {
        {"nothing", [](const std::string&, const std::string&) {}, true},
        {"a longer page", [](const std::string& path, const std::string&) { test::WriteBytes(path, std::string(5000, 'o')); },
         true},
        {"a shorter page", [](const std::string& path, const std::string&) { test::WriteBytes(path, "old"); }, true},
        {"a link to another file",
         [](const std::string& path, const std::string& other) { fs::create_symlink(other, path); }, true},
        {"a pipe", [](const std::string& path, const std::string&) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }, true},
        {"a second name of another file",
         [](const std::string& path, const std::string& other) { fs::create_hard_link(other, path); }, true},
        {"a spare that links to another file",
         [](const std::string& path, const std::string& other) { fs::create_symlink(other, PageSpareName(path)); },
         true},
        {"a spare that is a second name of another file",
         [](const std::string& path, const std::string& other) { fs::create_hard_link(other, PageSpareName(path)); },
         true},
        {"a folder with a file in it",
         [](const std::string& path, const std::string&) {
             fs::create_directory(path);
             test::WriteBytes(path + "/keep", "x");
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder dir;
        const std::string path = dir.File("株HTML.htm");
        const std::string other = dir.File("other.txt");
        test::WriteBytes(other, "not a page");
        c.make(path, other);
        EXPECT_EQ(WritePageFile(path, "<html>page</html>"), c.written);
        if (c.written) {
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
            EXPECT_EQ(test::ReadBytes(path), "<html>page</html>\r\n");
            // The next page goes through what the first one left beside it.
            EXPECT_TRUE(WritePageFile(path, "<html>next</html>"));
            EXPECT_EQ(test::ReadBytes(path), "<html>next</html>\r\n");
        } else {
            EXPECT_EQ(test::ReadBytes(path + "/keep"), "x");
        }
        EXPECT_EQ(test::ReadBytes(other), "not a page");
    }
}

// A page that cannot be written leaves the page before it whole under the
// name, and its spare goes with the page file.
TEST(PageFileWrite, AFailedWriteLeavesTheOldPageAndTheSpareGoesWithThePage) {
    test::TempFolder dir;
    const std::string path = dir.File("株HTML.htm");
    ASSERT_TRUE(WritePageFile(path, "<html>old</html>"));
    ASSERT_TRUE(WritePageFile(path, "<html>new</html>"));
    EXPECT_TRUE(fs::is_regular_file(PageSpareName(path)));

    fs::remove(PageSpareName(path));
    fs::create_directory(PageSpareName(path));
    test::WriteBytes(PageSpareName(path) + "/keep", "x");
    EXPECT_FALSE(WritePageFile(path, "<html>lost</html>"));
    EXPECT_EQ(test::ReadBytes(path), "<html>new</html>\r\n");
    fs::remove_all(PageSpareName(path));

    ASSERT_TRUE(WritePageFile(path, "<html>again</html>"));
    const std::string folder = Program().app.AppDir;
    Program().app.AppDir = dir.Path();
    DeleteOwnPageFile(path);
    Program().app.AppDir = folder;
    EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
    EXPECT_FALSE(fs::exists(fs::symlink_status(PageSpareName(path))));
}

}  // namespace
}  // namespace ranvik
