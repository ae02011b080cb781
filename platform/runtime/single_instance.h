#pragma once
// The previous-instance test: one running copy of a program per program
// folder.  The lock is an advisory lock on a small file in the program
// folder, held for the life of the object; the system drops it when the
// process ends in any way, so a crashed run never leaves it stuck.  A second
// copy that finds the lock taken writes nothing: the lock file already
// exists.
#include <string>

namespace ranvik {

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the lock named `name` in `folder`.
    // False when another process holds it.  A folder where no lock file can
    // be made (read-only media) does not stop the program: it counts as no
    // other instance running.
    bool Acquire(const std::string& folder, const std::string& name);
    void Release();
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace ranvik
