// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

namespace voka::test {

inline std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh empty folder of its own under the system's temporary folder,
// removed again when the test ends. Test programs run side by side, so the
// name carries a random part and the folder must not exist before.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name) {
    std::random_device random;
    for (;;) {
      path_ = std::filesystem::temp_directory_path() /
              ("voka-test-" + name + "-" + std::to_string(random()) + std::to_string(random()));
      if (std::filesystem::create_directories(path_)) break;
    }
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace voka::test
