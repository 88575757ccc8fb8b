#include "dib/dib_read.h"

#include <array>

#include "dib/dib_layout.h"
#include "dib/little_endian.h"

namespace voka {

namespace {

DibHandle Refuse(DibRefusal why, DibRefusal* reason) {
  if (reason != nullptr) *reason = why;
  return {};
}

}  // namespace

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

  const auto blockBytes = static_cast<std::size_t>(length);
  DibHandle handle = DibHandle::Allocate(blockBytes);
  if (!handle) return Refuse(DibRefusal::kTooLarge, reason);
  {
    DibLock lock(handle);
    const std::size_t wanted = blockBytes - kFileHeaderBytes;
    if (file.Read(lock.data(), wanted) != wanted) return Refuse(DibRefusal::kTruncated, reason);
    const auto layout = DescribeDib(lock.data(), lock.size(), reason);
    if (!layout) return {};
    // The 14 zero bytes behind the file's data keep the header reads of a
    // tiny file inside the block; they are no part of the image, so a file
    // whose table or rows reach into them was cut short.
    if (DibDataEnd(*layout) > wanted) return Refuse(DibRefusal::kTruncated, reason);
  }
  if (reason != nullptr) *reason = DibRefusal::kNone;
  return handle;
}

DibHandle DibReadPath(const std::filesystem::path& path, DibRefusal* reason) {
  DibDiskFile file(path);
  if (!file.IsOpen()) return Refuse(DibRefusal::kCannotOpen, reason);
  return DibRead(file, reason);
}

}  // namespace voka
