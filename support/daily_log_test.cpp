#include "support/daily_log.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/files.h"
#include "testing/fake_clock.h"
#include "testing/temp_dir.h"

namespace spr {
namespace {

class DailyLogTest : public ::testing::Test {
 protected:
  std::string Today() { return ReadWholeFile(dir_.File("LOG/20110119.log")); }

  TempDir dir_;
  FakeClock clock_{{2011, 1, 19, 14, 22, 5}};
  DailyLog log_{clock_, dir_.path()};
};

TEST_F(DailyLogTest, WritesTheLineFormIntoTodaysFile) {
  log_.OpenLogFile();
  log_.WriteLog("OK START", kServiceIp);
  log_.WriteLog("EAN: 1", "192.168.1.23");
  EXPECT_EQ(
      "2011-01-19, 14:22:05, IP = ----------, OK START\n"
      "2011-01-19, 14:22:05, IP = 192.168.1.23, EAN: 1\n",
      Today());
}

TEST_F(DailyLogTest, ReopenAppendsSameDayAndMovesOnAfterMidnight) {
  log_.OpenLogFile();
  log_.WriteLog("one", kServiceIp);
  log_.OpenLogFile();
  log_.WriteLog("two", kServiceIp);
  clock_.Set({2011, 1, 20, 0, 0, 30});
  log_.WriteLog("late", kServiceIp);  // still the open file of the 19th
  log_.OpenLogFile();
  log_.WriteLog("three", kServiceIp);
  EXPECT_EQ(
      "2011-01-19, 14:22:05, IP = ----------, one\n"
      "2011-01-19, 14:22:05, IP = ----------, two\n"
      "2011-01-20, 00:00:30, IP = ----------, late\n",
      Today());
  EXPECT_EQ("2011-01-20, 00:00:30, IP = ----------, three\n",
            ReadWholeFile(dir_.File("LOG/20110120.log")));
}

TEST_F(DailyLogTest, LinesWithoutAnOpenFileAreDropped) {
  log_.WriteLog("before open", kServiceIp);
  log_.OpenLogFile();
  log_.WriteLog("kept", kServiceIp);
  log_.Close();
  log_.WriteLog("after close", kServiceIp);
  EXPECT_EQ("2011-01-19, 14:22:05, IP = ----------, kept\n", Today());
}

TEST_F(DailyLogTest, GoesOnWithoutALogWhenTheFolderCannotBeMade) {
  WriteWholeFile(dir_.File("LOG"), "a file where the folder should be");
  log_.OpenLogFile();
  log_.WriteLog("lost", kServiceIp);  // must not crash
  RemoveFile(dir_.File("LOG"));
  log_.OpenLogFile();
  log_.WriteLog("kept", kServiceIp);
  EXPECT_EQ("2011-01-19, 14:22:05, IP = ----------, kept\n", Today());
}

TEST_F(DailyLogTest, LinesFromManyThreadsNeverInterleave) {
  log_.OpenLogFile();
  std::vector<std::thread> threads;
  const std::string message(200, 'x');
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 500; ++i) {
        log_.WriteLog(message, "10.0.0.1");
        if (i % 100 == 0) log_.OpenLogFile();
      }
    });
  }
  for (auto& t : threads) t.join();
  const std::string want =
      "2011-01-19, 14:22:05, IP = 10.0.0.1, " + message + "\n";
  const std::string all = Today();
  ASSERT_EQ(want.size() * 2000, all.size());
  for (size_t at = 0; at < all.size(); at += want.size())
    ASSERT_EQ(want, all.substr(at, want.size())) << "at byte " << at;
}

TEST(FormatTest, DatesAndTimesHaveFixedWidth) {
  EXPECT_EQ("2011-01-09", FormatDate({2011, 1, 9, 0, 0, 0}));
  EXPECT_EQ("04:02:09", FormatTime({2011, 1, 9, 4, 2, 9}));
}

}  // namespace
}  // namespace spr
