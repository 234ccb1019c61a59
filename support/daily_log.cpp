#include "support/daily_log.h"

#include <cstdio>

#include "platform/files.h"

namespace spr {
namespace {

std::string TwoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof(buf), "%02d", v);
  return buf;
}

}  // namespace

std::string FormatDate(const LocalTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof(buf), "%04d-%02d-%02d", t.year, t.month, t.day);
  return buf;
}

std::string FormatTime(const LocalTime& t) {
  return TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + ":" +
         TwoDigits(t.second);
}

DailyLog::DailyLog(Clock& clock, std::string dir)
    : clock_(clock), dir_(std::move(dir)) {}

DailyLog::~DailyLog() { Close(); }

std::string DailyLog::PathFor(const LocalTime& day) const {
  std::string date = FormatDate(day);
  std::string name;
  for (char c : date)
    if (c != '-') name += c;
  return JoinPath(JoinPath(dir_, "LOG"), name + ".log");
}

void DailyLog::OpenLogFile() {
  const std::string folder = JoinPath(dir_, "LOG");
  if (!DirectoryExists(folder)) CreateDirectory(folder, nullptr);
  const std::string path = PathFor(clock_.Now());
  MutexLock lock(&mu_);
  if (file_ != nullptr) std::fclose(file_);
  file_ = std::fopen(path.c_str(), "a");
}

void DailyLog::WriteLog(const std::string& message, const std::string& ip) {
  MutexLock lock(&mu_);
  if (file_ == nullptr) return;
  const LocalTime now = clock_.Now();
  std::string line = FormatDate(now) + ", " + FormatTime(now) + ", IP = " + ip +
                     ", " + message + "\n";
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fflush(file_);
}

void DailyLog::Close() {
  MutexLock lock(&mu_);
  if (file_ == nullptr) return;
  std::fclose(file_);
  file_ = nullptr;
}

}  // namespace spr
