// Paths that name something else than a regular file: the guard says so
// without waiting or throwing, the record files, text readers and folder
// listings built on it report a missing file, and nothing is made or changed.
#include "platform/runtime/path_guard.h"

#include <gtest/gtest.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>

#include "platform/runtime/folder.h"
#include "platform/runtime/record_file.h"
#include "platform/runtime/text_file.h"
#include "tests/support/path_shapes.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

using test::PathShape;

constexpr std::string_view kBytes = "0123456789";

// Every way into a file, tried on the path: what each gives back.
struct Outcome {
    PathKind kind = PathKind::Missing;
    bool mayRead = false;    // RefusedPath(path, false) lets it through
    bool mayCreate = false;  // RefusedPath(path, true) lets it through
    bool opened = false;     // OpenForReading gave a stream
    std::optional<std::string> bytes;
    bool recordRead = false;   // RecordFile read-only opened
    bool recordWrite = false;  // RecordFile read-write opened
    bool otherThrow = false;   // anything but FileError escaped
};

Outcome TryEveryWay(const std::string& path) {
    Outcome o;
    o.kind = KindOfPath(path);
    o.mayRead = !RefusedPath(path, false);
    o.mayCreate = !RefusedPath(path, true);
    if (std::FILE* f = OpenForReading(path)) {
        o.opened = true;
        std::fclose(f);
    }
    o.bytes = ReadFileBytes(path);
    for (FileAccess access : {FileAccess::ReadOnly, FileAccess::ReadWrite}) {
        try {
            RecordFile file(path, 2, access);
            (access == FileAccess::ReadOnly ? o.recordRead : o.recordWrite) = true;
        } catch (const FileError&) {
        } catch (...) {
            o.otherThrow = true;
        }
    }
    return o;
}

TEST(PathGuard, EveryShapeButARegularFileIsTakenForAMissingOne) {
    const struct {
        PathShape shape;
        PathKind kind;
    } cases[] = {
        {PathShape::Regular, PathKind::RegularFile},   {PathShape::Empty, PathKind::RegularFile},
        {PathShape::Folder, PathKind::NotAFile},       {PathShape::Pipe, PathKind::NotAFile},
        {PathShape::DanglingLink, PathKind::Missing},  {PathShape::LinkLoop, PathKind::Unreachable},
        {PathShape::TooLong, PathKind::Unreachable},   {PathShape::NoSearch, PathKind::Unreachable},
    };
    for (const auto& c : cases) {
        if (!test::ShapeHoldsHere(c.shape)) continue;  // the child test below tries it without root's powers
        test::TempFolder dir;
        const std::string path = test::MakePathShape(dir.Path(), "1301d.KDT", c.shape, kBytes);
        const auto before = test::FolderContents(dir.Path());
        const Outcome o = TryEveryWay(path);
        const bool regular = c.kind == PathKind::RegularFile;
        const char* what = test::NameOf(c.shape);
        EXPECT_EQ(o.kind, c.kind) << what;
        EXPECT_EQ(o.mayRead, regular) << what;
        EXPECT_EQ(o.mayCreate, regular) << what << ": a link to nothing is not followed to make its target";
        EXPECT_EQ(o.opened, regular) << what;
        EXPECT_EQ(o.bytes.has_value(), regular) << what;
        if (regular) {
            EXPECT_EQ(*o.bytes, c.shape == PathShape::Empty ? "" : kBytes);
        }
        EXPECT_EQ(o.recordRead, regular) << what;
        EXPECT_EQ(o.recordWrite, regular) << what;
        EXPECT_FALSE(o.otherThrow) << what;
        EXPECT_EQ(test::FolderContents(dir.Path()), before) << what << ": nothing made, removed or changed";
        test::UnlockPathShapes(dir.Path());
    }
}

TEST(PathGuard, AMissingFileIsMadeOnlyWhereTheNameShowsIt) {
    test::TempFolder dir;
    EXPECT_EQ(KindOfPath(dir.File("new.bin")), PathKind::Missing);
    EXPECT_TRUE(RefusedPath(dir.File("new.bin"), false));
    EXPECT_FALSE(RefusedPath(dir.File("new.bin"), true));
    RecordFile(dir.File("new.bin"), 4).Write(1, "abcd");
    EXPECT_EQ(test::ReadBytes(dir.File("new.bin")), "abcd");
    // A link whose target is missing would make the target elsewhere.
    test::MakePathShape(dir.Path(), "1301d.KDT", PathShape::DanglingLink, "");
    EXPECT_THROW(RecordFile(dir.File("1301d.KDT"), 52), FileError);
    EXPECT_FALSE(std::filesystem::exists(dir.File("gone-1301d.KDT")));
    // A link to a regular file is that file.
    std::filesystem::create_symlink(dir.File("new.bin"), dir.File("6501d.KDT"));
    EXPECT_EQ(KindOfPath(dir.File("6501d.KDT")), PathKind::RegularFile);
    EXPECT_EQ(RecordFile(dir.File("6501d.KDT"), 4, FileAccess::ReadOnly).Read(1), "abcd");
}

// A pipe swapped in after the entry was looked at is refused by the open
// itself, which cannot wait for a writer.
TEST(PathGuard, APipeIsNeverWaitedOn) {
    test::TempFolder dir;
    const std::string path = test::MakePathShape(dir.Path(), "株HTML.htm", PathShape::Pipe, "");
    EXPECT_EQ(OpenForReading(path), nullptr);
    EXPECT_EQ(ReadFileBytes(path), std::nullopt);
    EXPECT_EQ(ReadTextLines(path), std::nullopt);
    EXPECT_FALSE(FileExists(path));
}

TEST(PathGuard, AListingShowsTheRegularFilesAndPassesOverTheRest) {
    test::TempFolder dir;
    const struct {
        const char* name;
        PathShape shape;
    } entries[] = {{"1301d.KDT", PathShape::Regular}, {"1302d.KDT", PathShape::Empty},
                   {"6501d.KDT", PathShape::Pipe},    {"7203w.KDT", PathShape::DanglingLink},
                   {"8001d.KDT", PathShape::LinkLoop}, {"9984d.KDT", PathShape::Folder}};
    for (const auto& e : entries) test::MakePathShape(dir.Path(), e.name, e.shape, kBytes);
    EXPECT_EQ(ListFolder(dir.Path(), "*.KDT"), (std::vector<std::string>{"1301d.KDT", "1302d.KDT"}));
    EXPECT_TRUE(ListFolder(dir.File(std::string(300, 'x')), "*").empty());
    EXPECT_TRUE(ListFolder(dir.File("8001d.KDT"), "*").empty()) << "a loop of links lists nothing";
    // Deleting takes a link or a pipe away but never a folder that carries
    // a file's name, nor a link's target.
    std::filesystem::create_symlink(dir.File("1301d.KDT"), dir.File("link.KDT"));
    EXPECT_FALSE(DeleteFile(dir.File("9984d.KDT")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("9984d.KDT")));
    EXPECT_TRUE(DeleteFile(dir.File("link.KDT")));
    EXPECT_TRUE(DeleteFile(dir.File("6501d.KDT")));
    EXPECT_EQ(test::ReadBytes(dir.File("1301d.KDT")), kBytes);
}

// Root searches every folder, so a child of this test gives up root's
// powers first and tries the locked folder as an ordinary user would.
TEST(PathGuard, AFileInAFolderThatMayNotBeSearchedIsRefused) {
    test::TempFolder dir;
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::all);
    const std::string path = test::MakePathShape(dir.Path(), "1301d.KDT", PathShape::NoSearch, kBytes);
    const auto before = test::FolderContents(dir.Path());
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0) {
            const gid_t nobody = 65534;
            if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) ::_exit(90);
        }
        int failures = 0;
        try {
            const Outcome o = TryEveryWay(path);
            if (o.kind != PathKind::Unreachable) failures |= 1;
            if (o.mayRead || o.mayCreate || o.opened || o.bytes) failures |= 2;
            if (o.recordRead || o.recordWrite || o.otherThrow) failures |= 4;
            if (!ListFolder(dir.File(std::string(test::kLockedFolder)), "*").empty()) failures |= 8;
        } catch (...) {
            failures |= 16;
        }
        ::_exit(failures);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 90) << "the child could not give up root's powers";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "failed checks (bits): 1 kind, 2 reading, 4 record files, 8 listing, 16 a throw";
    EXPECT_EQ(test::FolderContents(dir.Path()), before);
    test::UnlockPathShapes(dir.Path());
}

}  // namespace
}  // namespace ranvik
