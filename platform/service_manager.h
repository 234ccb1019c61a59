// Talking to the service manager that runs the service (systemd here):
// status notifications, the stop request, and registration of the service.
#pragma once

#include <functional>
#include <string>

namespace spr {

// What the service manager is told.
enum class ServiceStatus {
  kStartPending,  // still starting: allow another wait hint from now
  kRunning,       // started
  kStopping,
};

// Sends `status` to the service manager when there is one; without one
// (no NOTIFY_SOCKET) nothing happens. `wait_hint_ms` is how much longer the
// start may take, used with kStartPending.
void NotifyServiceManager(ServiceStatus status, int wait_hint_ms = 0);

// Makes SIGTERM and SIGINT the stop request: `on_stop` runs once, on a
// thread of its own, when either arrives. Call before any other thread is
// started, so every thread inherits the blocked signals.
void WatchForStopRequest(std::function<void()> on_stop);

// What the service manager needs to know of the service.
struct ServiceRegistration {
  std::string name;          // "Service1"
  std::string display_name;  // "TALOXSprawdzarka"
  std::string executable;    // absolute path of the service's program
};

// Registers the service for automatic start. On success *message says what
// was done; on failure, why.
bool InstallService(const ServiceRegistration& reg, std::string* message);
bool UninstallService(const ServiceRegistration& reg, std::string* message);

}  // namespace spr
