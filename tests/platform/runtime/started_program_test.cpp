// Starting another program and bringing it to the front by its task id.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <set>

#include "platform/runtime/process.h"
#include "tests/support/started_programs.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

TEST(StartedProgram, WindowsNamesStandForTheProgramsBuiltHere) {
    test::TempFolder dir;
    test::WriteBytes(dir.File("Here.EXE"), "");
    const struct {
        std::string name;
        std::string file;
    } cases[] = {
        {dir.File("Tamelo.exe"), dir.File("tamelo")},
        {dir.File("TAMELO.EXE"), dir.File("tamelo")},
        {dir.File("Here.EXE"), dir.File("Here.EXE")},  // there: taken as it is
        {dir.File("tamelo"), dir.File("tamelo")},
        {"/No/Such/Dir/Tool.Exe", "/No/Such/Dir/tool"},  // only the name is made small
        {dir.File("exe"), dir.File("exe")},
    };
    for (const auto& c : cases) EXPECT_EQ(NativeProgramFile(c.name), c.file) << c.name;
}

TEST(StartedProgram, RunsUntilEndedAndThenCannotBeRaised) {
    test::TempFolder dir;
    test::PlaceWaitingProgram(dir.File("tamelo"));
    test::StartedTasks tasks;
    const TaskId first = StartProgram(dir.File("Tamelo.exe"));
    tasks.Add(first);
    ASSERT_GT(first, 0);
    EXPECT_TRUE(BringTaskToFront(first));
    EXPECT_TRUE(BringTaskToFront(first));  // raising does not use it up

    const TaskId second = StartProgram(dir.File("tamelo"));
    tasks.Add(second);
    ASSERT_GT(second, 0);
    EXPECT_NE(second, first);

    tasks.End(first);
    EXPECT_FALSE(BringTaskToFront(first));
    EXPECT_FALSE(BringTaskToFront(first));
    EXPECT_TRUE(BringTaskToFront(second));
}

TEST(StartedProgram, TakesNoneOfThisProgramsOpenFiles) {
    test::TempFolder dir;
    test::PlaceWaitingProgram(dir.File("tamelo"));
    // Left open to started programs unless the start closes it.
    const int fd = ::open(dir.File("held").c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(fd, 3);
    test::StartedTasks tasks;
    const TaskId task = StartProgram(dir.File("tamelo"));
    tasks.Add(task);
    ASSERT_GT(task, 0);
    // Its descriptors once it runs the program (the start returns before).
    std::string fds = "/proc/";
    fds.append(std::to_string(task)).append("/fd");
    std::set<std::string> open;
    // Up to 10 s: on a busy machine the new process may take a while to run.
    for (int wait = 0; wait < 1000; ++wait) {
        open.clear();
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(fds, ec)) {
            open.insert(e.path().filename().string());
        }
        if (!ec && open.count(std::to_string(fd)) == 0) break;
        usleep(10000);
    }
    EXPECT_EQ(open.count(std::to_string(fd)), 0u);
    ::close(fd);
}

TEST(StartedProgram, WhatCannotRunStartsNothing) {
    test::TempFolder dir;
    test::WriteBytes(dir.File("text"), "no program\n");  // not marked as a program
    std::filesystem::create_directory(dir.File("folder"));
    for (const std::string& name : {dir.File("Tamelo.exe"), dir.File("text"), dir.File("folder"), std::string()}) {
        EXPECT_EQ(StartProgram(name), 0) << name;
    }
    for (TaskId task : {TaskId{0}, TaskId{-5}, TaskId{1LL << 40}}) EXPECT_FALSE(BringTaskToFront(task)) << task;
}

}  // namespace
}  // namespace ranvik
