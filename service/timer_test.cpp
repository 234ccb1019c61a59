#include "service/timer.h"

#include <gtest/gtest.h>

#include <vector>

#include "testing/fake_clock.h"

namespace spr {
namespace {

// A tick that takes 5 s and disables the timer while it runs, as the
// service's tick does: the next tick comes a full interval after its end.
TEST(TimerTest, NextTickComesOneIntervalAfterThePreviousEnded) {
  FakeClock clock;
  std::vector<int64_t> starts;
  Timer* timer_ptr = nullptr;
  Timer timer(clock, 60000, [&] {
    timer_ptr->SetEnabled(false);
    starts.push_back(clock.MonotonicMs());
    clock.Advance(5000);
    if (starts.size() == 3) timer_ptr->Shutdown();
    timer_ptr->SetEnabled(true);
  });
  timer_ptr = &timer;
  const int64_t enabled_at = clock.MonotonicMs();
  timer.SetEnabled(true);
  timer.Run();
  ASSERT_EQ(3u, starts.size());
  EXPECT_EQ(enabled_at + 60000, starts[0]);
  EXPECT_EQ(starts[0] + 5000 + 60000, starts[1]);
  EXPECT_EQ(starts[1] + 5000 + 60000, starts[2]);
}

TEST(TimerTest, EnablingAnEnabledTimerKeepsItsInterval) {
  FakeClock clock;
  Timer* timer_ptr = nullptr;
  int64_t first = 0;
  Timer timer(clock, 60000, [&] {
    first = clock.MonotonicMs();
    timer_ptr->Shutdown();
  });
  timer_ptr = &timer;
  const int64_t enabled_at = clock.MonotonicMs();
  timer.SetEnabled(true);
  clock.Advance(30000);
  timer.SetEnabled(true);
  timer.Run();
  EXPECT_EQ(enabled_at + 60000, first);
}

}  // namespace
}  // namespace spr
