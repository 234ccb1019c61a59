#include "service/timer.h"

namespace spr {

Timer::Timer(Clock& clock, int64_t interval_ms, std::function<void()> on_timer)
    : clock_(clock),
      interval_ms_(interval_ms),
      on_timer_(std::move(on_timer)) {}

void Timer::SetEnabled(bool enabled) {
  std::lock_guard<std::mutex> lock(mu_);
  if (enabled && !enabled_) enabled_at_ms_ = clock_.MonotonicMs();
  enabled_ = enabled;
  cv_.notify_all();
}

bool Timer::enabled() {
  std::lock_guard<std::mutex> lock(mu_);
  return enabled_;
}

void Timer::Run() {
  std::unique_lock<std::mutex> lock(mu_);
  while (!shutdown_) {
    if (!enabled_) {
      cv_.wait(lock);
      continue;
    }
    const int64_t due = enabled_at_ms_ + interval_ms_;
    const int64_t now = clock_.MonotonicMs();
    if (now < due) {
      clock_.WaitFor(cv_, lock, due - now);
      continue;
    }
    // Due: restart the interval so a handler that leaves the timer on does
    // not tick again at once, and run the handler without the lock.
    enabled_at_ms_ = now;
    lock.unlock();
    on_timer_();
    lock.lock();
  }
}

void Timer::Shutdown() {
  std::lock_guard<std::mutex> lock(mu_);
  shutdown_ = true;
  cv_.notify_all();
}

}  // namespace spr
