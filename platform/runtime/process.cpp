#include "platform/runtime/process.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

extern char** environ;

namespace ranvik {

namespace {
bool FileExistsHere(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}
std::string& FolderOverride() {
    static std::string folder;
    return folder;
}
std::string& CommandLineText() {
    static std::string text;
    return text;
}
}  // namespace

std::string ProgramFolder() {
    std::string folder = FolderOverride();
    if (folder.empty()) {
        std::error_code ec;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        folder = ec ? std::filesystem::current_path(ec).string() : exe.parent_path().string();
    }
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

void SetProgramFolder(const std::string& folder) { FolderOverride() = folder; }

std::string CommandLine() { return CommandLineText(); }

void SetCommandLine(const std::string& text) { CommandLineText() = text; }

namespace {

bool IsProgramFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

bool EndsInExe(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ending = name.substr(name.size() - 4);
    for (char& c : ending) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return ending == ".exe";
}

// A process that is gone, or has ended and waits only to be reaped.
bool Ended(pid_t pid) {
    int status = 0;
    const pid_t reaped = ::waitpid(pid, &status, WNOHANG);
    if (reaped == pid) return true;
    if (reaped == 0) return false;
    // Not a child of ours: ask the system whether it lives.
    if (::kill(pid, 0) != 0 && errno != EPERM) return true;
    std::string statPath = "/proc/";
    statPath.append(std::to_string(pid)).append("/stat");
    std::ifstream stat(statPath);
    std::string line;
    if (!std::getline(stat, line)) return false;
    const auto paren = line.rfind(')');
    return paren != std::string::npos && paren + 2 < line.size() && line[paren + 2] == 'Z';
}

}  // namespace

std::string NativeProgramFile(const std::string& programFile) {
    if (FileExistsHere(programFile) || !EndsInExe(programFile)) return programFile;
    const auto slash = programFile.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string native = programFile.substr(0, programFile.size() - 4);
    for (std::size_t i = nameStart; i < native.size(); ++i) {
        char& c = native[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return native;
}

TaskId StartProgram(const std::string& programFile) {
    const std::string path = NativeProgramFile(programFile);
    if (!IsProgramFile(path)) return 0;
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0) return 0;
    // A group of its own: a key pressed for this program's terminal does
    // not end the other program with it.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    // The other program gets none of this program's open files: a lock or
    // a data file left open to it would outlive this program.
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) {
        posix_spawnattr_destroy(&attributes);
        return 0;
    }
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    std::string name = path;
    char* arguments[] = {name.data(), nullptr};
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, path.c_str(), &actions, &attributes, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return failed != 0 || pid <= 0 ? 0 : static_cast<TaskId>(pid);
}

bool BringTaskToFront(TaskId task) {
    if (task <= 0 || task > static_cast<TaskId>(INT32_MAX)) return false;
    return !Ended(static_cast<pid_t>(task));
}

}  // namespace ranvik
