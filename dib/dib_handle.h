// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "dib/dib_layout.h"

namespace voka {

class DibFile;

// The handle of one packed device-independent bitmap as the reader accepted
// it: the bytes of a .bmp file behind its 14-byte file header (without any
// gap before the pixels), followed by 14 zero bytes, together with the
// layout that was checked while reading. A default-constructed (null) handle
// means no image. Copies share the image, which never changes once read;
// it is released when the last handle to it lets go.
class DibHandle {
 public:
  DibHandle() = default;

  explicit operator bool() const { return image_ != nullptr; }
  bool IsNull() const { return image_ == nullptr; }

  // The block's bytes; empty for a null handle.
  std::span<const std::uint8_t> Bytes() const;
  std::size_t Size() const { return Bytes().size(); }

  // The checked layout; only for a handle that is not null.
  const DibLayout& Layout() const { return image_->layout; }

 private:
  struct Image {
    std::vector<std::uint8_t> block;
    DibLayout layout;
  };
  // Only the reader makes images, so every handle carries a checked layout.
  friend DibHandle DibRead(DibFile& file, DibRefusal* reason);
  DibHandle(std::vector<std::uint8_t> block, const DibLayout& layout)
      : image_(std::make_shared<const Image>(Image{std::move(block), layout})) {}

  std::shared_ptr<const Image> image_;
};

inline std::span<const std::uint8_t> DibHandle::Bytes() const {
  if (!image_) return {};
  return image_->block;
}

}  // namespace voka
