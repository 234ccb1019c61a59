#include "testing/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/files.h"

namespace spr {

TempDir::TempDir() {
  std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int i = 0;; ++i) {
    std::filesystem::path candidate =
        base / ("spr-test-" + std::to_string(std::random_device{}()) + "-" +
                std::to_string(i));
    std::error_code ec;
    if (std::filesystem::create_directory(candidate, ec)) {
      path_ = candidate.string();
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::File(const std::string& name) const {
  return JoinPath(path_, name);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in),
                     std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void AppendToFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::app);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace spr
