// The daily log: one plain-text file per day, LOG/yyyymmdd.log below the
// service's folder, where every start, stop, import and price query leaves
// one line:
//   2011-01-19, 14:22:05, IP = ----------, OK START !!!...
// Thread contract: every member may be called from any thread at any time.
#pragma once

#include <cstdio>
#include <string>

#include "platform/clock.h"
#include "platform/mutex.h"

namespace spr {

// Address fields of the service's own lines.
inline constexpr char kServiceIp[] = "----------";    // ten dashes
inline constexpr char kLastDateIp[] = "-----------";  // eleven dashes

// "yyyy-mm-dd", the date form of every date the service writes.
std::string FormatDate(const LocalTime& t);
// "hh:mm:ss", 24-hour.
std::string FormatTime(const LocalTime& t);

class DailyLog {
 public:
  // `dir` is the folder that holds LOG/ ("" or "." for the working one).
  explicit DailyLog(Clock& clock, std::string dir = "");
  ~DailyLog();
  DailyLog(const DailyLog&) = delete;
  DailyLog& operator=(const DailyLog&) = delete;

  // Makes today's file the open one, creating LOG/ when it is missing.
  // When that fails, lines are dropped until the next successful call.
  void OpenLogFile() EXCLUDES(mu_);
  // Appends one line and flushes it; dropped while no file is open.
  void WriteLog(const std::string& message, const std::string& ip)
      EXCLUDES(mu_);
  // Closes the open file; lines are dropped until the next OpenLogFile.
  void Close() EXCLUDES(mu_);

  // The path today's file has, relative to the working folder.
  std::string PathFor(const LocalTime& day) const;

 private:
  Clock& clock_;
  const std::string dir_;

  // Guards the open file: every line from building to flushing, and every
  // open and close, so no line goes to a file that is being closed.
  Mutex mu_;
  std::FILE* file_ GUARDED_BY(mu_) = nullptr;
};

}  // namespace spr
