#include "checkerlib/checker_binding.h"

#include "platform/files.h"
#include "platform/library.h"

namespace spr {

std::string CheckerLibraryPath() {
  return std::string(".") + kPathSeparator + "spr_lan" + kLibrarySuffix;
}

CheckerBinding::Outcome CheckerBinding::Start(const std::string& path,
                                              QueryCallback on_query,
                                              LogCallback on_log,
                                              int32_t status,
                                              std::string* detail) {
  library_ = DynamicLibrary::Load(path, detail);
  if (library_ == nullptr) return Outcome::kMissingLibrary;
  start_ = reinterpret_cast<StartEntryPoint>(library_->Symbol(kStartEntryName));
  stop_ = reinterpret_cast<StopEntryPoint>(library_->Symbol(kStopEntryName));
  if (start_ == nullptr || stop_ == nullptr) {
    missing_ = start_ == nullptr ? kStartEntryName : kStopEntryName;
    *detail = path + " has no entry point " + missing_;
    // Neither is called: a library without both is not one we can drive.
    start_ = nullptr;
    stop_ = nullptr;
    return Outcome::kMissingEntryPoint;
  }
  start_(&StartResult, LibraryBuffer, on_query, status, on_log);
  if (StartResult == kStartListening) return Outcome::kStarted;
  *detail = "StartResult " + std::to_string(StartResult);
  if (StartResult >= 1 && StartResult <= 3) return Outcome::kStartFailed;
  return Outcome::kStartFailedOther;
}

void CheckerBinding::Stop() {
  if (stop_ != nullptr) stop_();
}

}  // namespace spr
