// The service's side of the checker library: loading it, finding its two
// entry points, starting checker handling with the service's callbacks and
// stopping it. The library is loaded once and never unloaded.
// Thread contract: used by the service thread only (start and stop).
#pragma once

#include <cstdint>
#include <string>

#include "checkerlib/checker_library.h"

namespace spr {

class DynamicLibrary;

// The library's file in the working folder: ./spr_lan.so (.dll on Windows).
std::string CheckerLibraryPath();

class CheckerBinding {
 public:
  enum class Outcome {
    kStarted,            // StartResult 0
    kStartFailed,        // StartResult 1 to 3
    kStartFailedOther,   // any other StartResult
    kMissingLibrary,     // the file cannot be loaded
    kMissingEntryPoint,  // loaded, but an entry point is not exported
  };

  // Loads the library at `path`, finds both entry points and calls the
  // start entry point. `*detail` says why when the outcome is a failure.
  Outcome Start(const std::string& path, QueryCallback on_query,
                LogCallback on_log, int32_t status, std::string* detail);
  // Calls the stop entry point when it was found at start.
  void Stop();

  int32_t start_result() const { return StartResult; }
  const char* missing_entry_point() const { return missing_; }

 private:
  DynamicLibrary* library_ = nullptr;  // never unloaded
  StartEntryPoint start_ = nullptr;
  StopEntryPoint stop_ = nullptr;
  const char* missing_ = nullptr;
  int32_t StartResult = 0;
  char LibraryBuffer[kLibraryBufferBytes] = {};  // the library's; never read
};

}  // namespace spr
