#include "testing/fake_clock.h"

#include <thread>

namespace spr {
namespace {

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

LocalTime CivilFromMs(int64_t ms) {
  int64_t secs = ms / 1000;
  int64_t z = secs / 86400;
  int64_t rem = secs % 86400;
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
  return LocalTime{y,
                   m,
                   d,
                   static_cast<int>(rem / 3600),
                   static_cast<int>(rem / 60 % 60),
                   static_cast<int>(rem % 60)};
}

int64_t MsFromCivil(const LocalTime& t) {
  return ((DaysFromCivil(t.year, t.month, t.day) * 24 + t.hour) * 60 +
          t.minute) *
             60000 +
         t.second * 1000;
}

}  // namespace

FakeClock::FakeClock(LocalTime start) : now_ms_(MsFromCivil(start)) {}

LocalTime FakeClock::Now() {
  MutexLock lock(&mu_);
  return CivilFromMs(now_ms_);
}

int64_t FakeClock::MonotonicMs() {
  MutexLock lock(&mu_);
  return mono_ms_;
}

void FakeClock::Advance(int64_t ms) {
  MutexLock lock(&mu_);
  now_ms_ += ms;
  mono_ms_ += ms;
}

void FakeClock::Set(const LocalTime& t) {
  MutexLock lock(&mu_);
  now_ms_ = MsFromCivil(t);
}

void FakeClock::SleepMs(int64_t ms) {
  {
    MutexLock lock(&mu_);
    sleeps_.push_back(ms);
  }
  Advance(ms);
  if (hook_) hook_(ms);
}

void FakeClock::WaitFor(std::condition_variable& cv,
                        std::unique_lock<std::mutex>& lock, int64_t ms) {
  // Time passes at once; the lock is let go briefly so other threads run.
  (void)cv;
  Advance(ms);
  lock.unlock();
  std::this_thread::yield();
  lock.lock();
}

void FakeClock::OnSleep(std::function<void(int64_t)> hook) {
  hook_ = std::move(hook);
}

std::vector<int64_t> FakeClock::Sleeps() {
  MutexLock lock(&mu_);
  return sleeps_;
}

}  // namespace spr
