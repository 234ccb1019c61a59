#include "support/settings.h"

#include <cstdio>

#include "platform/files.h"

namespace spr {
namespace {

// A line is read with at most this many characters, its line break included.
constexpr size_t kMaxLine = 499;

// Reads one line of at most kMaxLine characters; the rest of a longer line
// is skipped, so it cannot be taken as the next line. False at end of file.
bool ReadLine(std::FILE* f, std::string* line) {
  line->clear();
  int c;
  bool any = false;
  while ((c = std::fgetc(f)) != EOF) {
    any = true;
    if (line->size() < kMaxLine - 1) line->push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  return any;
}

}  // namespace

int Settings::ItemNumberLength() const {
  return !ShortItemCode.empty() && ShortItemCode[0] == '1' ? 4 : 5;
}

std::string TrimBlanks(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(begin, end - begin);
}

std::string SettingValue(const std::string& line) {
  std::string clean;
  for (char c : line)
    if (c != '\r' && c != '\n') clean += c;
  size_t eq = clean.find('=');
  // A line without "=" gives an empty value.
  std::string value = eq == std::string::npos ? "" : clean.substr(eq + 1);
  value = TrimBlanks(value);
  if (value.size() > kMaxSettingLength) value.resize(kMaxSettingLength);
  return value;
}

void ReadSettings(const std::string& path, Settings* s) {
  if (!FileExists(path)) return;
  std::FILE* f = std::fopen(path.c_str(), "r");
  if (f == nullptr) return;
  std::string* fields[] = {&s->TillDir,      &s->PricePrefix1, &s->PricePrefix2,
                           &s->PricePrefix3, &s->PricePrefix4, &s->PricePrefix5,
                           &s->ItemPrefix1,  &s->ItemPrefix2,  &s->ItemPrefix3,
                           &s->ShortItemCode};
  std::string line;
  for (std::string* field : fields) {
    if (ReadLine(f, &line)) *field = SettingValue(line);
  }
  std::fclose(f);
}

std::string PriceFilePath(const Settings& settings,
                          const std::string& work_dir) {
  if (settings.TillDir.empty() || settings.TillDir == "0")
    return JoinPath(work_dir, kPriceFile);
  return settings.TillDir + kPathSeparator + kPriceFile;
}

}  // namespace spr
