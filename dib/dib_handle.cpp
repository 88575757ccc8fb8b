#include "dib/dib_handle.h"

#include <cassert>
#include <new>

namespace voka {

struct DibHandle::Block {
  std::unique_ptr<std::uint8_t[]> bytes;
  std::size_t size = 0;
  int lockCount = 0;
};

DibHandle DibHandle::Allocate(std::size_t bytes) {
  DibHandle handle;
  auto block = std::make_shared<Block>();
  // Value-initialised: the block starts zero-filled, as the trailing bytes
  // behind the file's content must be.
  block->bytes.reset(new (std::nothrow) std::uint8_t[bytes == 0 ? 1 : bytes]());
  if (block->bytes == nullptr) return handle;
  block->size = bytes;
  handle.block_ = std::move(block);
  return handle;
}

std::size_t DibHandle::Size() const {
  return block_ ? block_->size : 0;
}

std::uint8_t* DibHandle::Lock() const {
  if (!block_) return nullptr;
  ++block_->lockCount;
  return block_->bytes.get();
}

void DibHandle::Unlock() const {
  if (!block_) return;
  assert(block_->lockCount > 0 && "unlock without a matching lock");
  if (block_->lockCount > 0) --block_->lockCount;
}

int DibHandle::LockCount() const {
  return block_ ? block_->lockCount : 0;
}

}  // namespace voka
