#include "dib/dib_file.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace voka {

DibDiskFile::DibDiskFile(const std::filesystem::path& path) {
  std::error_code error;
  // A folder or a device opens on some systems but has no length to read.
  if (!std::filesystem::is_regular_file(path, error)) return;
  stream_.open(path, std::ios::binary);
  if (!stream_) return;
  stream_.seekg(0, std::ios::end);
  const std::streamoff end = stream_.tellg();
  stream_.seekg(0, std::ios::beg);
  if (!stream_ || end < 0) return;
  length_ = static_cast<std::uint64_t>(end);
  open_ = true;
}

std::size_t DibDiskFile::Read(std::uint8_t* buffer, std::size_t count) {
  if (!open_ || count == 0) return 0;
  stream_.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(count));
  const std::streamsize got = stream_.gcount();
  // A short read sets the end-of-file state; later reads report 0 bytes.
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

std::size_t DibMemoryFile::Read(std::uint8_t* buffer, std::size_t count) {
  const std::size_t got = std::min(count, bytes_.size() - position_);
  if (got > 0) std::memcpy(buffer, bytes_.data() + position_, got);
  position_ += got;
  return got;
}

}  // namespace voka
