#include "core/page_files.h"

#include "core/program_state.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/text_file.h"

namespace ranvik {

std::string PageFileName(int page) {
    if (page <= 1) return "株HTML.htm";
    return "株HTML" + std::to_string(page) + ".htm";
}

bool IsOwnPageFile(const std::string& path) {
    const std::string& folder = Program().app.AppDir;
    if (folder.empty() || path.size() <= folder.size() || path.compare(0, folder.size(), folder) != 0) return false;
    const std::string name = path.substr(folder.size());
    if (name == kPageHeadFileName) return true;
    for (int page = 1; page <= 8; ++page) {
        if (name == PageFileName(page)) return true;
    }
    return false;
}

void DeleteOwnPageFile(const std::string& path) {
    if (IsOwnPageFile(path)) DeleteFile(path);
}

bool WritePageFile(const std::string& path, std::string_view page) {
    std::string bytes;
    bytes.reserve(page.size() + 2);
    bytes.append(page);
    bytes.append("\r\n");
    return ReplaceFileBytes(path, bytes);
}

}  // namespace ranvik
