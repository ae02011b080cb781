#include "platform/runtime/process.h"

#include <filesystem>
#include <system_error>

namespace ranvik {

namespace {
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

}  // namespace ranvik
