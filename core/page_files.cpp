#include "core/page_files.h"

#include "core/program_state.h"
#include "platform/runtime/folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

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
    // The old page goes and the new one is made afresh in its place.  A page
    // file is read only after its download, on the same thread, so no reader
    // can meet half a page; a page that cannot be written is removed whole
    // and the download fails.  Neither a temporary name nor a truncation in
    // place: both would make the file system push every page to the disk at
    // once, which costs more than the request itself, and a page is fetched
    // again on the next run anyway.  Removing the name first also never
    // writes through a link or into a pipe that stands where a page goes.
    ::unlink(path.c_str());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = true;
    for (std::string_view part : {page, std::string_view("\r\n")}) {
        std::size_t done = 0;
        while (ok && done < part.size()) {
            const ssize_t n = ::write(fd, part.data() + done, part.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) ok = false;
            else done += static_cast<std::size_t>(n);
        }
    }
    if (::close(fd) != 0) ok = false;
    if (!ok) ::unlink(path.c_str());
    return ok;
}

}  // namespace ranvik
