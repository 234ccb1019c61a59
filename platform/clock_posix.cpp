#include <time.h>

#include <chrono>
#include <thread>

#include "platform/clock.h"

namespace spr {
namespace {

class SystemClock final : public Clock {
 public:
  LocalTime Now() override {
    time_t now = time(nullptr);
    struct tm tm_local;
    localtime_r(&now, &tm_local);
    return LocalTime{tm_local.tm_year + 1900, tm_local.tm_mon + 1,
                     tm_local.tm_mday,        tm_local.tm_hour,
                     tm_local.tm_min,         tm_local.tm_sec};
  }

  int64_t MonotonicMs() override {
    using std::chrono::duration_cast;
    using std::chrono::milliseconds;
    return duration_cast<milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }

  void SleepMs(int64_t ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }

  void WaitFor(std::condition_variable& cv, std::unique_lock<std::mutex>& lock,
               int64_t ms) override {
    cv.wait_for(lock, std::chrono::milliseconds(ms));
  }
};

}  // namespace

Clock& Clock::System() {
  static SystemClock clock;
  return clock;
}

}  // namespace spr
