// Timer1: a one-interval timer whose ticks run on the thread that calls
// Run (the main thread). Like a window timer, the next tick comes a full
// interval after the timer was last enabled; disabling it while a tick
// runs is how ticks are kept from overlapping.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

#include "platform/clock.h"

namespace spr {

class Timer {
 public:
  Timer(Clock& clock, int64_t interval_ms, std::function<void()> on_timer);

  // Enabling an enabled timer changes nothing; enabling a disabled one
  // starts a new interval from now.
  void SetEnabled(bool enabled);
  bool enabled();

  // Runs ticks on the calling thread until Shutdown.
  void Run();
  // Makes Run return once a tick in progress has finished.
  void Shutdown();

 private:
  Clock& clock_;
  const int64_t interval_ms_;
  const std::function<void()> on_timer_;

  // mu_ guards everything below; cv_ signals a change of any of it.
  std::mutex mu_;
  std::condition_variable cv_;
  bool enabled_ = false;
  bool shutdown_ = false;
  int64_t enabled_at_ms_ = 0;
};

}  // namespace spr
