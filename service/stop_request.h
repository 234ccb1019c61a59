// The service manager's stop request, as the service's request loop waits
// for it. Any thread may request; any number may wait.
#pragma once

#include <condition_variable>
#include <mutex>

namespace spr {

class StopRequest {
 public:
  void Request() {
    std::lock_guard<std::mutex> lock(mu_);
    requested_ = true;
    cv_.notify_all();
  }
  void Wait() {
    std::unique_lock<std::mutex> lock(mu_);
    cv_.wait(lock, [this] { return requested_; });
  }
  bool requested() {
    std::lock_guard<std::mutex> lock(mu_);
    return requested_;
  }

 private:
  std::mutex mu_;  // guards requested_
  std::condition_variable cv_;
  bool requested_ = false;
};

}  // namespace spr
