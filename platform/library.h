// Loading a shared library and finding its entry points by name. A library
// once loaded stays loaded for the life of the process.
#pragma once

#include <string>

namespace spr {

// ".so" here, ".dll" on Windows.
extern const char kLibrarySuffix[];

class DynamicLibrary {
 public:
  // Loads the library at `path`; nullptr, with *err, when it cannot. The
  // caller owns the object; destroying it does not unload the library.
  static DynamicLibrary* Load(const std::string& path, std::string* err);

  // The address of the exported `name`, or nullptr when there is none.
  void* Symbol(const char* name);

 private:
  explicit DynamicLibrary(void* handle) : handle_(handle) {}
  void* handle_;
};

}  // namespace spr
