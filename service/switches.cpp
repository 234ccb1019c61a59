#include "service/switches.h"

#include <cctype>

namespace spr {

Switches ParseSwitches(const std::vector<std::string>& args) {
  Switches s;
  for (const std::string& arg : args) {
    size_t start = 0;
    while (start < arg.size() && start < 2 &&
           (arg[start] == '/' || arg[start] == '-'))
      ++start;
    std::string word;
    for (size_t i = start; i < arg.size(); ++i)
      word +=
          static_cast<char>(std::toupper(static_cast<unsigned char>(arg[i])));
    if (word == "INSTALL") {
      s.install = true;
    } else if (word == "UNINSTALL") {
      s.uninstall = true;
    } else if (word == "SILENT") {
      s.silent = true;
    } else if (s.unknown.empty()) {
      s.unknown = arg;
    }
  }
  return s;
}

}  // namespace spr
