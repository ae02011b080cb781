#include "core/page_files.h"

#include "core/program_state.h"
#include "platform/runtime/folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

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
    // Written beside the file and renamed over it, so a reader never meets
    // half a page.  A page is fetched again on the next run: it is not
    // forced to the disk, which would cost more than the request itself.
    const std::size_t slash = path.find_last_of('/');
    std::string temp = (slash == std::string::npos ? std::string(".") : path.substr(0, slash)) + "/.ranvik-page-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    bool ok = true;
    for (std::string_view part : {page, std::string_view("\r\n")}) {
        std::size_t done = 0;
        while (ok && done < part.size()) {
            const ssize_t n = ::write(fd, part.data() + done, part.size() - done);
            if (n <= 0) ok = false;
            else done += static_cast<std::size_t>(n);
        }
    }
    if (::close(fd) != 0) ok = false;
    // The old page goes first: renaming over an existing file makes the
    // file system push the new one to the disk at once.
    if (ok) {
        std::remove(path.c_str());
        ok = std::rename(temp.c_str(), path.c_str()) == 0;
    }
    if (!ok) std::remove(temp.c_str());
    return ok;
}

}  // namespace ranvik
