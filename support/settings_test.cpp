#include "support/settings.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "testing/temp_dir.h"

namespace spr {
namespace {

TEST(SettingsTest, ValueIsTheTrimmedTextAfterTheFirstEquals) {
  static const struct {
    const char* line;
    const char* value;
  } kCases[] = {
      {"a = 21 \r\n", "21"},  // spaces and CR LF around the value
      {"TillDir=C:\\kasa\n", "C:\\kasa"},
      {"x=a=b\n", "a=b"},        // a second "=" stays
      {"\tkey=\t29\t\n", "29"},  // tabs count as blanks
      {"no equals sign\n", ""},
      {"k=\n", ""},
      {"k=2\r9\n", "29"},  // stray CR removed anywhere
  };
  for (const auto& c : kCases)
    EXPECT_EQ(c.value, SettingValue(c.line)) << c.line;
  EXPECT_EQ(kMaxSettingLength,
            SettingValue("k=" + std::string(400, 'v')).size());
}

TEST(SettingsTest, ReadsTheTenLinesByPosition) {
  TempDir dir;
  WriteWholeFile(dir.File("pomo.ini"),
                 "till=/srv/kasa\np1=29\np2=0\np3=\np4=0\np5=0\n"
                 "i1 = 21 \ni2=0\ni3=0\nshort=1yes\neleventh=ignored\n");
  Settings s;
  ReadSettings(dir.File("pomo.ini"), &s);
  EXPECT_EQ("/srv/kasa", s.TillDir);
  EXPECT_EQ("29", s.PricePrefix1);
  EXPECT_EQ("", s.PricePrefix3);
  EXPECT_EQ("21", s.ItemPrefix1);
  EXPECT_EQ("1yes", s.ShortItemCode);
  EXPECT_EQ(4, s.ItemNumberLength());
  EXPECT_EQ("/srv/kasa/till.ok", PriceFilePath(s));
}

TEST(SettingsTest, ShortFileSetsOnlyTheLinesItHas) {
  TempDir dir;
  WriteWholeFile(dir.File("pomo.ini"), "a=0\nb=29\nc=28\nd=27");
  Settings s;
  s.ItemPrefix1 = "keep";
  ReadSettings(dir.File("pomo.ini"), &s);
  EXPECT_EQ("0", s.TillDir);
  EXPECT_EQ("27", s.PricePrefix3);
  EXPECT_EQ("", s.PricePrefix4);
  EXPECT_EQ("keep", s.ItemPrefix1);
  EXPECT_EQ(5, s.ItemNumberLength());
  EXPECT_EQ(JoinPath(dir.path(), "till.ok"), PriceFilePath(s, dir.path()));
}

TEST(SettingsTest, TailOfAnOverlongLineIsNotTheNextSetting) {
  TempDir dir;
  WriteWholeFile(dir.File("pomo.ini"),
                 "a=" + std::string(600, 'x') + "=29\nb=28\n");
  Settings s;
  ReadSettings(dir.File("pomo.ini"), &s);
  EXPECT_EQ(std::string(kMaxSettingLength, 'x'), s.TillDir);
  EXPECT_EQ("28", s.PricePrefix1);
}

TEST(SettingsTest, MissingFileOrFolderLeavesEverythingEmpty) {
  TempDir dir;
  Settings s;
  ReadSettings(dir.File("pomo.ini"), &s);
  CreateDirectory(dir.File("pomo.ini"), nullptr);
  ReadSettings(dir.File("pomo.ini"), &s);
  EXPECT_EQ("", s.TillDir);
  EXPECT_EQ("till.ok", PriceFilePath(s));
  EXPECT_EQ(5, s.ItemNumberLength());
}

TEST(SettingsTest, ItemNumberLengthFollowsTheFirstCharacter) {
  static const struct {
    const char* value;
    int length;
  } kCases[] = {{"1", 4}, {"12", 4}, {"0", 5}, {"", 5}, {" 1", 5}, {"2", 5}};
  for (const auto& c : kCases) {
    Settings s;
    s.ShortItemCode = c.value;
    EXPECT_EQ(c.length, s.ItemNumberLength()) << "'" << c.value << "'";
  }
}

}  // namespace
}  // namespace spr
