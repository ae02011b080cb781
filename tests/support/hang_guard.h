#pragma once
// A bound on a step that must return: when the object is not destroyed
// within the bound, the test program ends with a message that names the step
// (a hung loop cannot be stopped from another thread, and waiting for ctest's
// own time-out would name nothing).  The bound is generous, for sanitized
// builds on a busy machine; it measures no speed.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace ranvik::test {

class HangGuard {
public:
    explicit HangGuard(std::string what, std::chrono::seconds bound = std::chrono::seconds(60))
        : what_(std::move(what)), watcher_([this, bound] {
              std::unique_lock lock(mutex_);
              if (!done_.wait_for(lock, bound, [this] { return returned_; })) {
                  std::fprintf(stderr, "hung: %s did not return within %lld s\n", what_.c_str(),
                               static_cast<long long>(bound.count()));
                  std::fflush(stderr);
                  std::_Exit(3);
              }
          }) {}
    ~HangGuard() {
        {
            std::lock_guard lock(mutex_);
            returned_ = true;
        }
        done_.notify_one();
        watcher_.join();
    }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

private:
    std::string what_;
    std::mutex mutex_;
    std::condition_variable done_;
    bool returned_ = false;
    std::thread watcher_;
};

}  // namespace ranvik::test
