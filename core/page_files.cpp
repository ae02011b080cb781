#include "core/page_files.h"

#include "core/program_state.h"
#include "platform/runtime/folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

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

std::string PageSpareName(const std::string& path) { return path + "~"; }

void DeleteOwnPageFile(const std::string& path) {
    if (!IsOwnPageFile(path)) return;
    DeleteFile(path);
    DeleteFile(PageSpareName(path));
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

// The spare, opened for writing over what it holds, and the length it has.
// Only a plain file with no other name is written over: a link, a pipe or a
// second name of another file is removed and the spare made afresh.
int OpenSpare(const std::string& spare, off_t& length) {
    int fd = ::open(spare.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1)) {
        ::close(fd);
        fd = -1;
    }
    length = fd >= 0 ? info.st_size : 0;
    if (fd < 0) {
        ::unlink(spare.c_str());
        fd = ::open(spare.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    }
    return fd;
}

}  // namespace

bool WritePageFile(const std::string& path, std::string_view page) {
    // A page is replaced through the spare that the page before it left
    // behind, written over in place and cut to the page's length: no new
    // file and no cut to nothing per page, either of which makes the file
    // system push the page to the disk at once (or look for room for a new
    // file), at more cost than the request.  The names are traded, not
    // renamed over, for the same reason: a rename over a file makes the file
    // system write the new one out at once.
    struct stat old {};
    const bool existed = ::lstat(path.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode)) return false;
    const std::string spare = PageSpareName(path);
    off_t spareLength = 0;
    const int fd = OpenSpare(spare, spareLength);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, page);
    // Only a longer page before it leaves bytes to cut.
    const auto length = static_cast<off_t>(page.size() + 2);
    if (ok && spareLength > length) ok = ::ftruncate(fd, length) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) {
        bool traded = existed && ::renameat2(AT_FDCWD, spare.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0;
        // A file system that cannot trade names still renames in one step.
        if (!traded) ok = ::rename(spare.c_str(), path.c_str()) == 0;
        // What the name held is kept as the next spare only when it is a
        // plain file: a link or a pipe goes.
        else if (!S_ISREG(old.st_mode)) ::unlink(spare.c_str());
    }
    if (!ok) ::unlink(spare.c_str());
    return ok;
}

}  // namespace ranvik
