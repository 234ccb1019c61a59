// The program's command-line switches: INSTALL, UNINSTALL and SILENT, in
// any letter case, with or without a leading "/" or "-" (or "--").
#pragma once

#include <string>
#include <vector>

namespace spr {

struct Switches {
  bool install = false;
  bool uninstall = false;
  bool silent = false;
  std::string unknown;  // the first argument that is no switch
};

Switches ParseSwitches(const std::vector<std::string>& args);

}  // namespace spr
