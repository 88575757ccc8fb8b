// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "dib/dib_handle.h"

namespace voka {

// The red bytes of a bitmap at its own size, row-major, top row as seen
// first. Pixels that a compressed bitmap skips read as 0 (blocked).
struct RedChannel {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> red;
};

// Empty (0 x 0) for a null handle, a form the painter cannot draw, or an
// image wider or higher than maxSide: the caller names the limit it needs.
RedChannel DibRedChannel(const DibHandle& dib, int maxSide);

}  // namespace voka
