#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

#include "platform/files.h"

namespace spr {

const char kPathSeparator = '/';

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty() || dir == ".") return name;
  if (dir.back() == kPathSeparator) return dir + name;
  return dir + kPathSeparator + name;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDirectory(const std::string& path, std::string* err) {
  if (mkdir(path.c_str(), 0755) == 0 || DirectoryExists(path)) return true;
  if (err) *err = path + ": " + LastOsError();
  return false;
}

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool FileModifiedDosTime(const std::string& path, LocalTime* out) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return false;
  struct tm tm_local;
  if (localtime_r(&st.st_mtime, &tm_local) == nullptr) return false;
  *out = LocalTime{tm_local.tm_year + 1900, tm_local.tm_mon + 1,
                   tm_local.tm_mday,        tm_local.tm_hour,
                   tm_local.tm_min,         tm_local.tm_sec / 2 * 2};
  return true;
}

bool SetFileModifiedTime(const std::string& path, const LocalTime& when) {
  struct tm tm_local = {};
  tm_local.tm_year = when.year - 1900;
  tm_local.tm_mon = when.month - 1;
  tm_local.tm_mday = when.day;
  tm_local.tm_hour = when.hour;
  tm_local.tm_min = when.minute;
  tm_local.tm_sec = when.second;
  tm_local.tm_isdst = -1;
  time_t t = mktime(&tm_local);
  if (t == static_cast<time_t>(-1)) return false;
  struct timespec times[2] = {{t, 0}, {t, 0}};
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

static bool WriteAll(int fd, const std::string& contents) {
  size_t done = 0;
  while (done < contents.size()) {
    ssize_t n = write(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& contents,
                           std::string* err) {
  const std::string temp = path + ".new";
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (err) *err = temp + ": " + LastOsError();
    return false;
  }
  bool ok = WriteAll(fd, contents) && fsync(fd) == 0;
  if (!ok && err) *err = temp + ": " + LastOsError();
  if (close(fd) != 0 && ok) {
    ok = false;
    if (err) *err = temp + ": " + LastOsError();
  }
  if (ok) ok = RenameFile(temp, path, err);
  if (!ok) unlink(temp.c_str());
  return ok;
}

bool RenameFile(const std::string& from, const std::string& to,
                std::string* err) {
  if (rename(from.c_str(), to.c_str()) == 0) return true;
  if (err) *err = from + " -> " + to + ": " + LastOsError();
  return false;
}

std::string ExecutableDirectory() {
  char buf[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof(buf) - 1);
  if (n <= 0) return ".";
  std::string path(buf, static_cast<size_t>(n));
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool SetWorkingDirectory(const std::string& dir, std::string* err) {
  if (chdir(dir.c_str()) == 0) return true;
  if (err) *err = dir + ": " + LastOsError();
  return false;
}

std::string LastOsError() {
  char buf[256];
  return strerror_r(errno, buf, sizeof(buf));
}

}  // namespace spr
