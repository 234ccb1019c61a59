// The settings file pomo.ini: ten positional "key=value" lines, read once at
// start. The key is free text; only the line's position counts.
#pragma once

#include <string>

namespace spr {

struct Settings {
  std::string TillDir;  // folder of till.ok; "0" or empty: the working one
  std::string PricePrefix1, PricePrefix2, PricePrefix3, PricePrefix4,
      PricePrefix5;  // prefixes of barcodes that carry the price; "0": unused
  std::string ItemPrefix1, ItemPrefix2,
      ItemPrefix3;            // prefixes of barcodes with an item number
  std::string ShortItemCode;  // first character "1": 4-digit item numbers

  // Length of the item number inside prefixed barcodes: 4 or 5.
  int ItemNumberLength() const;
};

inline constexpr char kSettingsFile[] = "pomo.ini";
inline constexpr char kPriceFile[] = "till.ok";
inline constexpr size_t kMaxSettingLength = 299;

// Fills `settings` from the file at `path`. A missing file leaves every
// setting as it was; a missing line leaves its setting as it was.
void ReadSettings(const std::string& path, Settings* settings);

// Parses one line as the settings file holds it: the text after the first
// "=", without line breaks, trimmed, cut to kMaxSettingLength.
std::string SettingValue(const std::string& line);

// The price file's path: TillDir + separator + "till.ok", or "till.ok" in
// `work_dir` when TillDir is "0" or empty.
std::string PriceFilePath(const Settings& settings,
                          const std::string& work_dir = "");

// Characters up to and including the space removed from both ends.
std::string TrimBlanks(const std::string& text);

}  // namespace spr
