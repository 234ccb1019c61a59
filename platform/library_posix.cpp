#include <dlfcn.h>

#include "platform/library.h"

namespace spr {

const char kLibrarySuffix[] = ".so";

DynamicLibrary* DynamicLibrary::Load(const std::string& path,
                                     std::string* err) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    if (err) *err = why ? why : path + ": cannot be loaded";
    return nullptr;
  }
  return new DynamicLibrary(handle);
}

void* DynamicLibrary::Symbol(const char* name) { return dlsym(handle_, name); }

}  // namespace spr
