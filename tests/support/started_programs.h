#pragma once
// Programs the tests start: the waiting program copied under another
// program's file name, and the tasks a test started, each ended by its id
// (never by name) before the test ends.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "platform/runtime/process.h"

namespace ranvik::test {

// Copies the waiting program to `path`, ready to run.
inline void PlaceWaitingProgram(const std::string& path) {
    namespace fs = std::filesystem;
    fs::copy_file(RANVIK_WAITING_PROGRAM, path, fs::copy_options::overwrite_existing);
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
}

// Ends a task this test started and waits until it is gone.
inline void EndTask(TaskId task) {
    if (task <= 0) return;
    const pid_t pid = static_cast<pid_t>(task);
    if (::kill(pid, SIGTERM) != 0) return;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

// Tasks to end when the test ends, whatever it met.
class StartedTasks {
public:
    StartedTasks() = default;
    StartedTasks(const StartedTasks&) = delete;
    StartedTasks& operator=(const StartedTasks&) = delete;
    ~StartedTasks() {
        for (TaskId task : tasks_) EndTask(task);
    }
    void Add(TaskId task) {
        if (task > 0) tasks_.push_back(task);
    }
    // Ends one now; the others wait for the end of the test.
    void End(TaskId task) {
        EndTask(task);
        std::erase(tasks_, task);
    }

private:
    std::vector<TaskId> tasks_;
};

}  // namespace ranvik::test
