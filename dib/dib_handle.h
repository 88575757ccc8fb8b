#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace voka {

// The handle of one zero-filled block holding a packed device-independent
// bitmap: the bytes of a .bmp file behind its 14-byte file header, followed by
// 14 zero bytes. A default-constructed (null) handle means no image. Copies
// share the block; it is released when the last handle to it lets go. Its
// bytes are reached only between Lock and Unlock (or through a DibLock),
// which keeps the discipline of movable memory: callers never keep an address
// past its unlock.
class DibHandle {
 public:
  DibHandle() = default;

  // A new block of the given length, every byte zero; a null handle when the
  // memory cannot be had.
  static DibHandle Allocate(std::size_t bytes);

  explicit operator bool() const { return block_ != nullptr; }
  bool IsNull() const { return block_ == nullptr; }

  // Length of the block in bytes; 0 for a null handle.
  std::size_t Size() const;

  // Address of the block's first byte, counted as one more lock; null for a
  // null handle. Every Lock is matched by one Unlock.
  std::uint8_t* Lock() const;
  void Unlock() const;
  int LockCount() const;

 private:
  struct Block;
  std::shared_ptr<Block> block_;
};

// Holds a handle locked for its own lifetime.
class DibLock {
 public:
  explicit DibLock(const DibHandle& handle) : handle_(handle), bytes_(handle.Lock()) {}
  ~DibLock() {
    if (bytes_ != nullptr) handle_.Unlock();
  }
  DibLock(const DibLock&) = delete;
  DibLock& operator=(const DibLock&) = delete;

  std::uint8_t* data() const { return bytes_; }
  std::size_t size() const { return handle_.Size(); }

 private:
  const DibHandle& handle_;
  std::uint8_t* bytes_;
};

}  // namespace voka
