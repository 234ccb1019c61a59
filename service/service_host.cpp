#include "service/service_host.h"

#include <mutex>
#include <thread>

#include "platform/service_manager.h"
#include "service/form_srv.h"

namespace spr {
namespace {

// How long the service manager is asked to wait for the start at a time;
// the request is renewed every kWaitHintMs while the start goes on.
constexpr int kWaitHintMs = 5000;

// Tells the service thread's start apart from its result.
struct StartState {
  std::mutex mu;  // guards done and started
  std::condition_variable cv;
  bool done = false;
  bool started = true;
};

void RunServiceThread(TService1& service, StartState& start) {
  bool started = true;
  service.ServiceStart(&started);
  {
    std::lock_guard<std::mutex> lock(start.mu);
    start.done = true;
    start.started = started;
    start.cv.notify_all();
  }
  if (started) {
    NotifyServiceManager(ServiceStatus::kRunning);
    service.ServiceExecute();
    NotifyServiceManager(ServiceStatus::kStopping);
    bool stopped = true;
    service.ServiceStop(&stopped);
  }
  service.Timer1.Shutdown();
}

// While the start runs, keep asking for more time, a wait hint at a time.
bool AwaitStart(Clock& clock, StartState& start) {
  std::unique_lock<std::mutex> lock(start.mu);
  int64_t next_hint = clock.MonotonicMs();
  while (!start.done) {
    const int64_t now = clock.MonotonicMs();
    if (now >= next_hint) {
      NotifyServiceManager(ServiceStatus::kStartPending, 2 * kWaitHintMs);
      next_hint = now + kWaitHintMs;
    }
    clock.WaitFor(start.cv, lock, next_hint - now);
  }
  return start.started;
}

}  // namespace

int RunServiceHost(Clock& clock) {
  // Lives until the process ends: the signal thread may use it any time.
  StopRequest* stop_request = new StopRequest;
  WatchForStopRequest([stop_request] { stop_request->Request(); });
  TService1 service(clock, *stop_request);
  StartState start;
  std::thread service_thread(
      [&service, &start] { RunServiceThread(service, start); });
  const bool started = AwaitStart(clock, start);
  service.Timer1.Run();
  service_thread.join();
  return started ? 0 : 1;
}

}  // namespace spr
