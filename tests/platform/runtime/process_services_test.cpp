#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/runtime/folder.h"
#include "platform/runtime/help_service.h"
#include "platform/runtime/os_version.h"
#include "platform/runtime/process.h"
#include "platform/runtime/single_instance.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

TEST(OsVersion, ReportsTenAndRoundsHalvesToEven) {
    SetOperatingSystemVersion(-1);
    EXPECT_EQ(OperatingSystemMajorVersion(), 10);
    const struct {
        double version;
        int major;
    } cases[] = {{6.1, 6}, {5.1, 5}, {6.5, 6}, {5.5, 6}, {5.49, 5}, {10.0, 10}};
    for (const auto& c : cases) {
        SetOperatingSystemVersion(c.version);
        EXPECT_EQ(OperatingSystemMajorVersion(), c.major) << c.version;
    }
    SetOperatingSystemVersion(-1);
}

TEST(InstanceLock, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
    test::TempFolder dir;
    InstanceLock first;
    ASSERT_TRUE(first.Acquire(dir.Path(), ".lock"));
    InstanceLock second;
    EXPECT_FALSE(second.Acquire(dir.Path(), ".lock"));
    EXPECT_FALSE(second.Held());
    first.Release();
    EXPECT_TRUE(second.Acquire(dir.Path(), ".lock"));
}

TEST(InstanceLock, ACrashedHolderLeavesNoStuckLock) {
    test::TempFolder dir;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock lock;
        // Ends without releasing or running any destructor, as a crash does.
        _exit(lock.Acquire(dir.Path(), ".lock") ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(FileExists(dir.File(".lock")));
    InstanceLock lock;
    EXPECT_TRUE(lock.Acquire(dir.Path(), ".lock"));
}

TEST(InstanceLock, AFolderWithoutRoomForTheLockDoesNotStopTheProgram) {
    InstanceLock lock;
    EXPECT_TRUE(lock.Acquire("/nonexistent-folder-for-ranvik/", ".lock"));
}

TEST(HelpService, RecordingServiceNotesTheCalls) {
    ScopedRecordingHelp help;
    Help().ShowTopic("/p/RanvikCManual.chm", "Manual\\RanvikC5.html");
    Help().CloseAll("/p/RanvikCManual.chm");
    ASSERT_EQ(help->calls.size(), 2u);
    EXPECT_EQ(help->calls[0], (HelpCall{"show", "/p/RanvikCManual.chm", "Manual\\RanvikC5.html"}));
    EXPECT_EQ(help->calls[1].what, "close");
}

TEST(ProgramFolder, EndsWithASlashAndCanBeSetForTests) {
    SetProgramFolder("/tmp/somewhere");
    EXPECT_EQ(ProgramFolder(), "/tmp/somewhere/");
    SetProgramFolder("");
    const std::string real = ProgramFolder();
    EXPECT_FALSE(real.empty());
    EXPECT_EQ(real.back(), '/');
}

}  // namespace
}  // namespace ranvik
