#include "articles/import_watcher.h"

#include <cstdio>

#include "platform/files.h"

namespace spr {
namespace {

constexpr int kSettleSeconds = 10;
constexpr size_t kMaxStampChars = 98;

long long OpenFileSize(std::FILE* f) {
  if (std::fseek(f, 0, SEEK_END) != 0) return -1;
  return std::ftell(f);
}

}  // namespace

std::string FormatFileStamp(const LocalTime& t) {
  if (t.hour == 0 && t.minute == 0 && t.second == 0) return FormatDate(t);
  return FormatDate(t) + " " + FormatTime(t);
}

ImportWatcher::ImportWatcher(Clock& clock, DailyLog& log,
                             const Settings& settings,
                             std::atomic<bool>& import_in_progress,
                             std::function<bool()> import_prices,
                             std::string work_dir)
    : clock_(clock),
      log_(log),
      settings_(settings),
      ImportInProgress(import_in_progress),
      import_prices_(std::move(import_prices)),
      work_dir_(std::move(work_dir)) {}

void ImportWatcher::CheckImport() {
  ImportInProgress = false;
  const std::string path = PriceFilePath(settings_, work_dir_);
  long long size = 0;
  if (!SettledSize(path, &size)) return;
  LocalTime modified;
  // A file that vanished during the wait has no stamp: a later tick looks.
  if (!FileModifiedDosTime(path, &modified)) return;
  const std::string stamp = FormatFileStamp(modified);
  std::string stored;
  if (!StoredStamp(&stored)) return;
  if (stored == stamp) return;
  log_.WriteLog("Fill.ok - OK SizeOfFile: " + std::to_string(size), kServiceIp);
  ImportInProgress = true;
  if (import_prices_()) RememberStamp(stamp);
  ImportInProgress = false;
}

bool ImportWatcher::SettledSize(const std::string& path, long long* size) {
  if (!FileExists(path)) return false;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  const long long before = OpenFileSize(f);
  // The file stays open while the till may still be writing it.
  for (int i = 0; i < kSettleSeconds; ++i) clock_.SleepMs(1000);
  const long long after = OpenFileSize(f);
  std::fclose(f);
  if (before < 0 || before != after) return false;
  *size = after;
  return true;
}

bool ImportWatcher::StoredStamp(std::string* stamp) {
  stamp->clear();
  const std::string path = JoinPath(work_dir_, kLastDateFile);
  const bool is_folder = DirectoryExists(path);
  if (!is_folder && !FileExists(path)) return true;
  std::FILE* f = is_folder ? nullptr : std::fopen(path.c_str(), "rb");
  if (f == nullptr) {
    log_.WriteLog("ERROR: opening last_date.txt", kLastDateIp);
    return false;
  }
  // The first line, its line break included, at most 98 characters.
  int c;
  while (stamp->size() < kMaxStampChars && (c = std::fgetc(f)) != EOF) {
    stamp->push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  std::fclose(f);
  if (stamp->empty())
    log_.WriteLog("ERROR: empty file last_date.txt", kLastDateIp);
  return true;
}

void ImportWatcher::RememberStamp(const std::string& stamp) {
  std::string err;
  if (!ReplaceFileAtomically(JoinPath(work_dir_, kLastDateFile), stamp, &err))
    log_.WriteLog("ERROR: writing last_date.txt - " + err, kLastDateIp);
}

}  // namespace spr
