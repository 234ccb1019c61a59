// A clock for tests: time moves only when the code under test sleeps or
// waits, or when the test calls Advance. A sleep runs the test's hook, so a
// test can change a file "while" the code waits.
#pragma once

#include <functional>
#include <vector>

#include "platform/clock.h"
#include "platform/mutex.h"

namespace spr {

class FakeClock final : public Clock {
 public:
  explicit FakeClock(LocalTime start = {2011, 1, 19, 14, 22, 4});

  LocalTime Now() override;
  int64_t MonotonicMs() override;
  void SleepMs(int64_t ms) override;
  void WaitFor(std::condition_variable& cv, std::unique_lock<std::mutex>& lock,
               int64_t ms) override;

  void Advance(int64_t ms);
  void Set(const LocalTime& t);
  // Called after every SleepMs with the sleep's length.
  void OnSleep(std::function<void(int64_t ms)> hook);
  // Lengths of every SleepMs so far.
  std::vector<int64_t> Sleeps();

 private:
  Mutex mu_;
  int64_t now_ms_ GUARDED_BY(mu_);  // local time as ms since 1970-01-01
  int64_t mono_ms_ GUARDED_BY(mu_) = 1;
  std::vector<int64_t> sleeps_ GUARDED_BY(mu_);
  std::function<void(int64_t)> hook_;
};

}  // namespace spr
