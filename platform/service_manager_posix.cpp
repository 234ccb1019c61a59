#include <errno.h>
#include <signal.h>
#include <spawn.h>
#include <stddef.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <thread>
#include <vector>

#include "platform/files.h"
#include "platform/service_manager.h"

extern char** environ;

namespace spr {
namespace {

// One datagram to systemd's notification socket, as sd_notify sends it.
void SendNotification(const std::string& text) {
  const char* socket_path = getenv("NOTIFY_SOCKET");
  if (socket_path == nullptr || socket_path[0] == '\0') return;
  struct sockaddr_un addr = {};
  addr.sun_family = AF_UNIX;
  size_t len = strlen(socket_path);
  if (len >= sizeof(addr.sun_path)) return;
  memcpy(addr.sun_path, socket_path, len);
  if (addr.sun_path[0] == '@') addr.sun_path[0] = '\0';  // abstract socket
  int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  socklen_t addr_len =
      static_cast<socklen_t>(offsetof(struct sockaddr_un, sun_path) + len);
  sendto(fd, text.data(), text.size(), MSG_NOSIGNAL,
         reinterpret_cast<struct sockaddr*>(&addr), addr_len);
  close(fd);
}

bool SystemdIsRunning() { return DirectoryExists("/run/systemd/system"); }

// Runs systemctl with `args`; true when it exits with 0.
bool RunSystemctl(std::initializer_list<const char*> args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>("systemctl"));
  for (const char* a : args) argv.push_back(const_cast<char*>(a));
  argv.push_back(nullptr);
  pid_t pid;
  if (posix_spawnp(&pid, "systemctl", nullptr, nullptr, argv.data(), environ) !=
      0)
    return false;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string UnitDirectory(bool* is_default) {
  const char* dir = getenv("SPRAWDZARKA_UNIT_DIR");
  *is_default = dir == nullptr || dir[0] == '\0';
  return *is_default ? "/etc/systemd/system" : dir;
}

// ExecStart= takes a quoted path; '%' starts a specifier, '\' an escape.
std::string QuotedForUnit(const std::string& path) {
  std::string out = "\"";
  for (char c : path) {
    if (c == '%') out += '%';
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string UnitText(const ServiceRegistration& reg) {
  return "[Unit]\n"
         "Description=" +
         reg.display_name +
         "\n"
         "After=network.target\n"
         "\n"
         "[Service]\n"
         "Type=notify\n"
         "NotifyAccess=main\n"
         "ExecStart=" +
         QuotedForUnit(reg.executable) +
         "\n"
         "Restart=on-abnormal\n"
         "\n"
         "[Install]\n"
         "WantedBy=multi-user.target\n";
}

}  // namespace

void NotifyServiceManager(ServiceStatus status, int wait_hint_ms) {
  switch (status) {
    case ServiceStatus::kStartPending:
      SendNotification("EXTEND_TIMEOUT_USEC=" +
                       std::to_string(int64_t{wait_hint_ms} * 1000));
      break;
    case ServiceStatus::kRunning:
      SendNotification("READY=1");
      break;
    case ServiceStatus::kStopping:
      SendNotification("STOPPING=1");
      break;
  }
}

void WatchForStopRequest(std::function<void()> on_stop) {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  signal(SIGPIPE, SIG_IGN);
  std::thread([set, on_stop = std::move(on_stop)]() {
    bool stopped = false;
    for (;;) {
      int sig = 0;
      if (sigwait(&set, &sig) != 0) continue;
      if (!stopped) {
        stopped = true;
        on_stop();
      }
    }
  }).detach();
}

bool InstallService(const ServiceRegistration& reg, std::string* message) {
  bool is_default = false;
  const std::string dir = UnitDirectory(&is_default);
  const std::string unit = JoinPath(dir, reg.name + ".service");
  std::string err;
  if (!ReplaceFileAtomically(unit, UnitText(reg), &err)) {
    *message = "cannot write the unit " + unit + ": " + err;
    return false;
  }
  if (is_default && SystemdIsRunning()) {
    const std::string name = reg.name + ".service";
    if (!RunSystemctl({"daemon-reload"}) ||
        !RunSystemctl({"enable", name.c_str()})) {
      *message = "wrote " + unit + " but systemctl could not enable it";
      return false;
    }
    *message = reg.name + " installed as " + unit +
               " and enabled: it starts at boot (systemctl start " + reg.name +
               " starts it now)";
    return true;
  }
  *message = reg.name + " installed as " + unit +
             (is_default ? " (systemd is not running: enable it with "
                           "systemctl enable " +
                               reg.name + ")"
                         : "");
  return true;
}

bool UninstallService(const ServiceRegistration& reg, std::string* message) {
  bool is_default = false;
  const std::string dir = UnitDirectory(&is_default);
  const std::string unit = JoinPath(dir, reg.name + ".service");
  if (!FileExists(unit)) {
    *message = reg.name + " is not installed: there is no " + unit;
    return false;
  }
  const std::string name = reg.name + ".service";
  if (is_default && SystemdIsRunning())
    RunSystemctl({"disable", "--now", name.c_str()});
  if (!RemoveFile(unit)) {
    *message = "cannot remove " + unit + ": " + LastOsError();
    return false;
  }
  if (is_default && SystemdIsRunning()) RunSystemctl({"daemon-reload"});
  *message = reg.name + " uninstalled: " + unit + " removed";
  return true;
}

}  // namespace spr
