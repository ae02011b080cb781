#include "core/page_files.h"

#include "core/program_state.h"
#include "platform/runtime/folder.h"

#include <fcntl.h>
#include <sys/stat.h>
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

namespace {

bool WriteAll(int fd, std::string_view page) {
    for (std::string_view part : {page, std::string_view("\r\n")}) {
        std::size_t done = 0;
        while (done < part.size()) {
            const ssize_t n = ::write(fd, part.data() + done, part.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            done += static_cast<std::size_t>(n);
        }
    }
    return true;
}

}  // namespace

bool WritePageFile(const std::string& path, std::string_view page) {
    // The page is written over the old one in place and the file cut to its
    // length: no temporary name, no new file, and no cut to nothing, each of
    // which would make the file system push the page to the disk at once (or
    // look for room for a new file), at more cost than the request itself.
    // A page file is read only after its download, on the same thread, so no
    // reader meets a page half written; a page that cannot be written is
    // removed whole and the download fails.  What stands under the name and
    // is no plain file (a link, a pipe) is never written through: it is
    // removed and the page made afresh.
    int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    if (fd < 0) {
        ::unlink(path.c_str());
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) return false;
    }
    bool ok = WriteAll(fd, page);
    if (ok) ok = ::ftruncate(fd, static_cast<off_t>(page.size() + 2)) == 0;
    if (::close(fd) != 0) ok = false;
    if (!ok) ::unlink(path.c_str());
    return ok;
}

}  // namespace ranvik
