#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>

namespace voka {

// The file that DibRead takes: its length, and reads from the current
// position of up to n bytes that return the count actually read.
class DibFile {
 public:
  virtual ~DibFile() = default;
  virtual std::uint64_t Length() const = 0;
  virtual std::size_t Read(std::uint8_t* buffer, std::size_t count) = 0;
};

// A file on disk, opened for reading at its start. Any path the file
// system holds works, folder names in Japanese included; build the path
// from UTF-8 text with std::filesystem::path(std::u8string) or from the
// toolkit's native form.
class DibDiskFile final : public DibFile {
 public:
  explicit DibDiskFile(const std::filesystem::path& path);
  bool IsOpen() const { return open_; }
  std::uint64_t Length() const override { return length_; }
  std::size_t Read(std::uint8_t* buffer, std::size_t count) override;

 private:
  std::ifstream stream_;
  std::uint64_t length_ = 0;
  bool open_ = false;
};

// Bytes in memory, for tests and fuzzing. A stated length larger than the
// bytes imitates a file that shrank between the length query and the read.
class DibMemoryFile final : public DibFile {
 public:
  explicit DibMemoryFile(std::span<const std::uint8_t> bytes)
      : bytes_(bytes), length_(bytes.size()) {}
  DibMemoryFile(std::span<const std::uint8_t> bytes, std::uint64_t statedLength)
      : bytes_(bytes), length_(statedLength) {}
  std::uint64_t Length() const override { return length_; }
  std::size_t Read(std::uint8_t* buffer, std::size_t count) override;

 private:
  std::span<const std::uint8_t> bytes_;
  std::uint64_t length_;
  std::size_t position_ = 0;
};

}  // namespace voka
