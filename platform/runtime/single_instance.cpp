#include "platform/runtime/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/runtime/folder.h"

namespace ranvik {

InstanceLock::~InstanceLock() { Release(); }

bool InstanceLock::Acquire(const std::string& folder, const std::string& name) {
    Release();
    const std::string path = JoinPath(folder, name);
    // Open without creating first, so that a second copy writes nothing at
    // all; only a first start ever makes the file.
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool taken = errno == EWOULDBLOCK;
        ::close(fd);
        return !taken;
    }
    fd_ = fd;
    return true;
}

void InstanceLock::Release() {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace ranvik
