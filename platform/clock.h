// Time and waits. Everything in the service that reads the time of day,
// measures an interval or waits goes through a Clock, so tests can drive a
// fake one instead of sleeping.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace spr {

// A local calendar time, as the wall clock of the machine shows it.
struct LocalTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool operator==(const LocalTime&) const = default;
};

class Clock {
 public:
  virtual ~Clock() = default;

  // The current local time.
  virtual LocalTime Now() = 0;
  // Milliseconds on a clock that never goes back; the origin is arbitrary.
  virtual int64_t MonotonicMs() = 0;
  // Blocks the calling thread for `ms` milliseconds.
  virtual void SleepMs(int64_t ms) = 0;
  // Waits on `cv` for at most `ms` milliseconds or until notified; may
  // return early, so callers test their condition and the time again.
  // REQUIRES: `lock` is held.
  virtual void WaitFor(std::condition_variable& cv,
                       std::unique_lock<std::mutex>& lock, int64_t ms) = 0;

  // The machine's real clock; lives for the whole process.
  static Clock& System();
};

}  // namespace spr
