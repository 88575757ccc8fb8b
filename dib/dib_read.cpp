// SPDX-License-Identifier: GPL-3.0-or-later
#include "dib/dib_read.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <new>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "dib/rle_stream.h"

namespace voka {

namespace {

#ifdef _WIN32
int OpenForReading(const std::filesystem::path& path) {
  return _wopen(path.c_str(), _O_RDONLY | _O_BINARY);
}
bool IsRegularOpenFile(int descriptor, std::uint64_t& length) {
  struct _stat64 status {};
  if (_fstat64(descriptor, &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG) return false;
  length = static_cast<std::uint64_t>(status.st_size);
  return true;
}
long ReadSome(int descriptor, std::uint8_t* buffer, std::size_t count) {
  constexpr std::size_t kLargestRead = 1u << 30;
  return _read(descriptor, buffer, static_cast<unsigned>(std::min(count, kLargestRead)));
}
void CloseFile(int descriptor) {
  _close(descriptor);
}
#else
int OpenForReading(const std::filesystem::path& path) {
  // Without O_NONBLOCK a FIFO swapped in for the file would hang the open
  // until a writer appeared; what was opened is checked afterwards.
  return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}
bool IsRegularOpenFile(int descriptor, std::uint64_t& length) {
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) return false;
  length = static_cast<std::uint64_t>(status.st_size);
  return true;
}
long ReadSome(int descriptor, std::uint8_t* buffer, std::size_t count) {
  for (;;) {
    const ssize_t got = ::read(descriptor, buffer, count);
    if (got >= 0 || errno != EINTR) return static_cast<long>(got);
  }
}
void CloseFile(int descriptor) {
  ::close(descriptor);
}
#endif

DibHandle Refuse(DibRefusal why, DibRefusal* reason) {
  if (reason != nullptr) *reason = why;
  return {};
}

// A part that ends beyond the file: cut short when an accepted file could
// have held it, nonsense when none could.
DibRefusal MissingPart(std::uint64_t end) {
  return end > kMaxDibBytes ? DibRefusal::kDamagedHeader : DibRefusal::kTruncated;
}

// Writers put the pixels where the file header's offset says; most put them
// right behind the colour table, some leave a gap (alignment, an extra
// table). An offset into the header or table, or past the end, is a stale
// field and the packed position stands.
void DropGapBeforePixels(std::vector<std::uint8_t>& block, std::size_t fileBytesInBlock,
                         const std::array<std::uint8_t, kFileHeaderBytes>& fileHeader,
                         const DibLayout& layout) {
  const std::uint64_t offset = ReadU32(fileHeader.data() + kPixelOffsetField);
  if (offset < kFileHeaderBytes) return;
  const std::uint64_t inBlock = offset - kFileHeaderBytes;
  if (inBlock <= layout.pixelOffset || inBlock > fileBytesInBlock) return;
  const auto begin = block.begin() + static_cast<std::ptrdiff_t>(layout.pixelOffset);
  block.erase(begin, begin + static_cast<std::ptrdiff_t>(inBlock - layout.pixelOffset));
}

// The pixels behind the table: whole uncompressed rows, or a run-length
// stream that stays inside the image and reaches its end.
DibRefusal CheckPixels(const DibLayout& layout, const std::uint8_t* block) {
  // The 14 zero bytes behind the file's data keep the header reads of a
  // tiny file inside the block; they are no part of the image, so a file
  // whose table or rows reach into them was cut short.
  if (layout.pixelOffset > layout.dataEnd) return MissingPart(layout.pixelOffset);
  if (IsRunLength(layout)) {
    // A form the painter cannot draw is refused by the caller as such.
    if (!IsPaintable(layout)) return DibRefusal::kNone;
    return CheckRleStream(layout,
                          {block + layout.pixelOffset, layout.dataEnd - layout.pixelOffset});
  }
  const std::uint64_t end = layout.pixelOffset + DibRowBytes(layout);
  if (end > layout.dataEnd) return MissingPart(end);
  return DibRefusal::kNone;
}

}  // namespace

DibDiskFile::DibDiskFile(const std::filesystem::path& path) : descriptor_(OpenForReading(path)) {
  if (descriptor_ < 0) return;
  if (!IsRegularOpenFile(descriptor_, length_)) {
    CloseFile(descriptor_);
    descriptor_ = -1;
    length_ = 0;
  }
}

DibDiskFile::~DibDiskFile() {
  if (descriptor_ >= 0) CloseFile(descriptor_);
}

std::size_t DibDiskFile::Read(std::uint8_t* buffer, std::size_t count) {
  std::size_t total = 0;
  while (IsOpen() && total < count) {
    const long got = ReadSome(descriptor_, buffer + total, count - total);
    if (got <= 0) break;
    total += static_cast<std::size_t>(got);
  }
  return total;
}

std::size_t DibMemoryFile::Read(std::uint8_t* buffer, std::size_t count) {
  const std::size_t got = std::min(count, bytes_.size() - position_);
  if (got > 0) std::memcpy(buffer, bytes_.data() + position_, got);
  position_ += got;
  return got;
}

DibHandle DibRead(DibFile& file, DibRefusal* reason) {
  const std::uint64_t length = file.Length();
  std::array<std::uint8_t, kFileHeaderBytes> fileHeader{};
  if (file.Read(fileHeader.data(), fileHeader.size()) < kFileHeaderBytes) {
    return Refuse(DibRefusal::kTooShort, reason);
  }
  if (ReadU16(fileHeader.data()) != kBitmapMagic) return Refuse(DibRefusal::kNotBitmap, reason);
  // Fourteen bytes arrived although the length said fewer: the file changed.
  if (length < kFileHeaderBytes) return Refuse(DibRefusal::kTruncated, reason);
  if (length > kMaxDibBytes) return Refuse(DibRefusal::kTooLarge, reason);

  const auto fileBytes = static_cast<std::size_t>(length - kFileHeaderBytes);
  std::vector<std::uint8_t> block;
  try {
    block.assign(fileBytes + kFileHeaderBytes, 0);
  } catch (const std::bad_alloc&) {
    return Refuse(DibRefusal::kTooLarge, reason);
  }
  if (file.Read(block.data(), fileBytes) != fileBytes)
    return Refuse(DibRefusal::kTruncated, reason);

  DibRefusal why = DibRefusal::kNone;
  std::optional<DibLayout> layout = DescribeDib(block.data(), block.size(), &why);
  if (!layout) return Refuse(why, reason);
  const std::size_t sizeBefore = block.size();
  DropGapBeforePixels(block, fileBytes, fileHeader, *layout);
  layout->dataEnd = fileBytes - (sizeBefore - block.size());
  why = CheckPixels(*layout, block.data());
  if (why != DibRefusal::kNone) return Refuse(why, reason);
  if (reason != nullptr) *reason = DibRefusal::kNone;
  return DibHandle(std::move(block), *layout);
}

DibHandle DibReadPath(const std::filesystem::path& path, DibRefusal* reason) {
  DibDiskFile file(path);
  if (!file.IsOpen()) return Refuse(DibRefusal::kCannotOpen, reason);
  return DibRead(file, reason);
}

}  // namespace voka
