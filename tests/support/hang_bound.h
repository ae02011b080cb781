#pragma once
// A generous bound on a step that must not hang (a blocking open of a pipe
// would wait for ever): when the step has not ended within the bound, the
// test program ends with the step's name instead of waiting for the test
// runner's own time-out.  A bound, not a measurement: nothing here says how
// fast a step must be.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace ranvik::test {

class HangBound {
public:
    explicit HangBound(std::string step, std::chrono::seconds bound = std::chrono::seconds(30))
        : step_(std::move(step)), watcher_([this, bound] {
              std::unique_lock lock(mutex_);
              if (!ended_.wait_for(lock, bound, [this] { return done_; })) {
                  std::fprintf(stderr, "hung: %s (no end after %lld s)\n", step_.c_str(),
                               static_cast<long long>(bound.count()));
                  std::fflush(stderr);
                  std::_Exit(3);
              }
          }) {}
    ~HangBound() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        ended_.notify_all();
        watcher_.join();
    }
    HangBound(const HangBound&) = delete;
    HangBound& operator=(const HangBound&) = delete;

private:
    std::string step_;
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
    std::thread watcher_;
};

}  // namespace ranvik::test
