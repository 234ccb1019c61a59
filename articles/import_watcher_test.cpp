#include "articles/import_watcher.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "testing/fake_clock.h"
#include "testing/temp_dir.h"

namespace spr {
namespace {

constexpr LocalTime kStamp{2011, 1, 19, 14, 22, 4};

class ImportWatcherTest : public ::testing::Test {
 protected:
  ImportWatcherTest() { log_.OpenLogFile(); }

  void DropPriceFile(const std::string& bytes, LocalTime when = kStamp) {
    WriteWholeFile(till_, bytes);
    SetFileModifiedTime(till_, when);
  }
  std::string Log() { return ReadWholeFile(dir_.File("LOG/20110119.log")); }
  std::string LastDate() { return ReadWholeFile(dir_.File("last_date.txt")); }

  TempDir dir_;
  const std::string till_ = dir_.File("till.ok");
  FakeClock clock_;
  DailyLog log_{clock_, dir_.path()};
  Settings settings_;
  std::atomic<bool> in_progress_{false};
  int imports_ = 0;
  bool import_result_ = true;
  bool flag_seen_in_import_ = false;
  ImportWatcher watcher_{clock_,
                         log_,
                         settings_,
                         in_progress_,
                         [this] {
                           ++imports_;
                           flag_seen_in_import_ = in_progress_.load();
                           return import_result_;
                         },
                         dir_.path()};
};

const char kFillLine[] =
    "2011-01-19, 14:22:14, IP = ----------, Fill.ok - OK SizeOfFile: 5\n";

TEST_F(ImportWatcherTest, ImportsANewFileAfterTenSecondsAndRemembersIt) {
  DropPriceFile("abcde");
  watcher_.CheckImport();
  EXPECT_EQ(1, imports_);
  EXPECT_TRUE(flag_seen_in_import_);
  EXPECT_FALSE(in_progress_);
  EXPECT_EQ(std::vector<int64_t>(10, 1000), clock_.Sleeps());
  EXPECT_EQ(kFillLine, Log());
  EXPECT_EQ("2011-01-19 14:22:04", LastDate());

  watcher_.CheckImport();  // same stamp: nothing more
  EXPECT_EQ(1, imports_);
  EXPECT_EQ(kFillLine, Log());
}

TEST_F(ImportWatcherTest, NoFileMeansNoWaitAndNoLine) {
  watcher_.CheckImport();
  EXPECT_EQ(0, imports_);
  EXPECT_TRUE(clock_.Sleeps().empty());
  EXPECT_EQ("", Log());
}

TEST_F(ImportWatcherTest, FileThatGrowsOrVanishesDuringTheWaitIsLeft) {
  DropPriceFile("abc");
  clock_.OnSleep([&](int64_t) { AppendToFile(till_, "x"); });
  watcher_.CheckImport();
  EXPECT_EQ(0, imports_);

  clock_.OnSleep([&](int64_t) { RemoveFile(till_); });
  DropPriceFile("abc");
  watcher_.CheckImport();
  EXPECT_EQ(0, imports_);
  EXPECT_EQ("", Log());
  EXPECT_FALSE(FileExists(dir_.File("last_date.txt")));
}

TEST_F(ImportWatcherTest, StampsDecideWhatIsNew) {
  static const struct {
    const char* last_date;  // nullptr: no last_date.txt
    LocalTime modified;
    bool imported;
  } kCases[] = {
      {nullptr, kStamp, true},
      {"2011-01-19 14:22:04", kStamp, false},
      {"2011-01-19 14:22:04", {2011, 1, 19, 14, 22, 5}, false},  // same step
      {"2011-01-19 14:22:04", {2011, 1, 19, 14, 22, 6}, true},
      {"2011-01-19 14:22:04\r\n", kStamp, true},  // a line break never matches
      {"2011-01-19 14:22:04\n", kStamp, true},
      {"2011-01-19", {2011, 1, 19, 0, 0, 0}, false},  // midnight: date alone
  };
  for (const auto& c : kCases) {
    if (c.last_date) {
      WriteWholeFile(dir_.File("last_date.txt"), c.last_date);
    } else {
      RemoveFile(dir_.File("last_date.txt"));
    }
    DropPriceFile("abcde", c.modified);
    imports_ = 0;
    watcher_.CheckImport();
    EXPECT_EQ(c.imported ? 1 : 0, imports_)
        << (c.last_date ? c.last_date : "(none)") << " vs "
        << FormatFileStamp(c.modified);
    if (c.imported) EXPECT_EQ(FormatFileStamp(c.modified), LastDate());
  }
}

TEST_F(ImportWatcherTest, EmptyLastDateIsLoggedAndTheFileImported) {
  WriteWholeFile(dir_.File("last_date.txt"), "");
  DropPriceFile("abcde");
  watcher_.CheckImport();
  EXPECT_EQ(1, imports_);
  EXPECT_EQ(
      "2011-01-19, 14:22:14, IP = -----------, ERROR: empty file "
      "last_date.txt\n" +
          std::string(kFillLine),
      Log());
  EXPECT_EQ("2011-01-19 14:22:04", LastDate());
}

TEST_F(ImportWatcherTest, UnreadableLastDateIsLoggedAndNothingImported) {
  CreateDirectory(dir_.File("last_date.txt"), nullptr);
  DropPriceFile("abcde");
  watcher_.CheckImport();
  watcher_.CheckImport();
  EXPECT_EQ(0, imports_);
  EXPECT_EQ(
      "2011-01-19, 14:22:14, IP = -----------, ERROR: opening last_date.txt\n"
      "2011-01-19, 14:22:24, IP = -----------, ERROR: opening last_date.txt\n",
      Log());
}

TEST_F(ImportWatcherTest, FailedImportIsTriedAgainOnTheNextTick) {
  DropPriceFile("abcde");
  import_result_ = false;
  watcher_.CheckImport();
  watcher_.CheckImport();
  EXPECT_EQ(2, imports_);
  EXPECT_FALSE(in_progress_);
  EXPECT_FALSE(FileExists(dir_.File("last_date.txt")));
  EXPECT_EQ(
      std::string(kFillLine) +
          "2011-01-19, 14:22:24, IP = ----------, Fill.ok - OK SizeOfFile: 5\n",
      Log());
}

TEST_F(ImportWatcherTest, PriceFileIsLookedForInTillDir) {
  CreateDirectory(dir_.File("kasa"), nullptr);
  settings_.TillDir = dir_.File("kasa");
  DropPriceFile("abcde");  // in the working folder: not the one
  watcher_.CheckImport();
  EXPECT_EQ(0, imports_);
  WriteWholeFile(dir_.File("kasa/till.ok"), "abcde");
  watcher_.CheckImport();
  EXPECT_EQ(1, imports_);
}

}  // namespace
}  // namespace spr
