// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "dib/dib_handle.h"
#include "dib/dib_refusal.h"

namespace voka {

// The 14-byte BITMAPFILEHEADER that precedes the block in a .bmp file.
inline constexpr std::size_t kFileHeaderBytes = 14;
// Its first two bytes, "BM", read as a little-endian 16-bit value.
inline constexpr std::uint16_t kBitmapMagic = 0x4D42;
// Where the file header keeps the file offset of the pixel data.
inline constexpr std::size_t kPixelOffsetField = 10;

// The file that DibRead takes: its length, and reads from the current
// position of up to n bytes that return the count actually read.
class DibFile {
 public:
  virtual ~DibFile() = default;
  virtual std::uint64_t Length() const = 0;
  virtual std::size_t Read(std::uint8_t* buffer, std::size_t count) = 0;
};

// A regular file on disk, opened for reading at its start. The path is
// used byte for byte as the file system holds it, so names in any encoding
// open (Japanese UTF-8, Shift-JIS bytes). Opening never waits: a FIFO or
// device put in place of the file is opened without blocking and then
// refused because it is not a regular file.
class DibDiskFile final : public DibFile {
 public:
  explicit DibDiskFile(const std::filesystem::path& path);
  ~DibDiskFile() override;
  DibDiskFile(const DibDiskFile&) = delete;
  DibDiskFile& operator=(const DibDiskFile&) = delete;

  bool IsOpen() const { return descriptor_ >= 0; }
  std::uint64_t Length() const override { return length_; }
  std::size_t Read(std::uint8_t* buffer, std::size_t count) override;

 private:
  int descriptor_ = -1;
  std::uint64_t length_ = 0;
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

// Reads a .bmp file, positioned at its start, and checks it once: the
// header, the colour table, the pixel rows and, for run-length images, the
// whole stream. The block holds bytes 14 to L - 1 of the file, then 14 zero
// bytes; when the file header's pixel offset points past the colour table
// and inside the file, the gap before it is dropped so that the pixels
// follow the table. Returns a null handle, and the reason if asked, when
// the file is shorter than 14 bytes, does not begin with "BM", is longer
// than kMaxDibBytes or cannot be held in memory, gives fewer bytes than its
// length promised, has a header whose colour table or pixel rows do not fit,
// or holds a run-length stream that is cut short or leaves the image. The
// file is not closed.
DibHandle DibRead(DibFile& file, DibRefusal* reason = nullptr);

// Opens the file at the path and reads it with DibRead.
DibHandle DibReadPath(const std::filesystem::path& path, DibRefusal* reason = nullptr);

}  // namespace voka
