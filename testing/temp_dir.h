// A fresh folder for one test, removed with everything in it at the end.
#pragma once

#include <string>

namespace spr {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + separator + name.
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

// Whole-file helpers for tests; binary, so bytes stay as they are.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
void AppendToFile(const std::string& path, const std::string& bytes);

}  // namespace spr
