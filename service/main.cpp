// sprawdzarka: the price-checker service.
//   sprawdzarka                     run the service (as systemd runs it)
//   sprawdzarka INSTALL [SILENT]    register it to start at boot
//   sprawdzarka UNINSTALL [SILENT]  remove the registration
#include <cstdio>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/service_manager.h"
#include "service/service_host.h"
#include "service/switches.h"

namespace {

const char kUsage[] =
    "usage: sprawdzarka [INSTALL | UNINSTALL] [SILENT]\n"
    "  without a switch it runs the service in the foreground\n";

spr::ServiceRegistration Registration() {
  return spr::ServiceRegistration{
      "Service1", "TALOXSprawdzarka",
      spr::JoinPath(spr::ExecutableDirectory(), "sprawdzarka")};
}

int Register(const spr::Switches& switches) {
  std::string message;
  const bool ok = switches.install
                      ? spr::InstallService(Registration(), &message)
                      : spr::UninstallService(Registration(), &message);
  if (!ok) {
    std::fprintf(stderr, "sprawdzarka: %s\n", message.c_str());
    return 1;
  }
  if (!switches.silent) std::printf("%s\n", message.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const spr::Switches switches =
      spr::ParseSwitches(std::vector<std::string>(argv + 1, argv + argc));
  if (!switches.unknown.empty() || (switches.install && switches.uninstall)) {
    std::fprintf(stderr, "sprawdzarka: unknown argument %s\n%s",
                 switches.unknown.c_str(), kUsage);
    return 2;
  }
  if (switches.install || switches.uninstall) return Register(switches);
  return spr::RunServiceHost(spr::Clock::System());
}
