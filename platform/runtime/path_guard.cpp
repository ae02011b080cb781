#include "platform/runtime/path_guard.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ranvik {

PathKind KindOfPath(const std::string& path) {
    if (path.empty()) return PathKind::Missing;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? PathKind::Missing : PathKind::Unreachable;
    return S_ISREG(st.st_mode) ? PathKind::RegularFile : PathKind::NotAFile;
}

std::optional<std::string> RefusedPath(const std::string& path, bool mayCreate) {
    if (path.empty()) return "no file named";
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISREG(st.st_mode)) return std::nullopt;
        return "not a regular file: " + path;
    }
    const int error = errno;
    if (error != ENOENT) return "cannot reach " + path + ": " + std::strerror(error);
    if (!mayCreate) return "no such file: " + path;
    // stat follows links; lstat sees a link whose target is missing.
    if (::lstat(path.c_str(), &st) == 0) return "a link to nothing: " + path;
    return std::nullopt;
}

std::FILE* OpenForReading(const std::string& path) {
    if (path.empty()) {
        errno = ENOENT;
        return nullptr;
    }
    // The entry first, so that a device is never opened at all (some act on
    // an open); then the open, which cannot wait, and the handle's own type.
    switch (KindOfPath(path)) {
        case PathKind::RegularFile: break;
        case PathKind::NotAFile: errno = EINVAL; return nullptr;
        default: return nullptr;  // errno as stat left it
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return nullptr;
    }
    // A regular file never waits anyway; the flag goes so that nothing later
    // reads it as a promise.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) ::close(fd);
    return file;
}

}  // namespace ranvik
