// The import watcher: on every tick of the one-minute timer, and once
// during start, CheckImport looks for the price file till.ok, waits until
// the till has finished writing it, and applies it when its time stamp is
// not the one remembered in last_date.txt from the last import.
// Thread contract: CheckImport runs on one thread at a time (the timer's,
// or the service thread during start); ImportInProgress may be read from
// any thread.
#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "platform/clock.h"
#include "support/daily_log.h"
#include "support/settings.h"

namespace spr {

inline constexpr char kLastDateFile[] = "last_date.txt";

// A file's time stamp as last_date.txt holds it: "2011-01-19 14:22:04", or
// the date alone when the time is exactly midnight.
std::string FormatFileStamp(const LocalTime& t);

class ImportWatcher {
 public:
  // `import_prices` applies the price file; true when it was applied.
  // `work_dir` holds last_date.txt (and till.ok when TillDir is unset).
  ImportWatcher(Clock& clock, DailyLog& log, const Settings& settings,
                std::atomic<bool>& import_in_progress,
                std::function<bool()> import_prices, std::string work_dir = "");

  void CheckImport();

 private:
  // The price file's size after it held still for ten seconds; false when
  // it is missing, cannot be opened or is still growing.
  bool SettledSize(const std::string& path, long long* size);
  // The stamp remembered from the last import; false when last_date.txt
  // cannot be read and nothing may be imported.
  bool StoredStamp(std::string* stamp);
  void RememberStamp(const std::string& stamp);

  Clock& clock_;
  DailyLog& log_;
  const Settings& settings_;
  std::atomic<bool>& ImportInProgress;
  const std::function<bool()> import_prices_;
  const std::string work_dir_;
};

}  // namespace spr
