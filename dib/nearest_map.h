// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace voka {

// Nearest-pixel scaling along one axis: destination pixel d of a span of
// dstSize pixels takes source pixel floor((d + 1/2) * srcSize / dstSize),
// the source pixel under its centre. Equal sizes copy pixel for pixel; a
// shrink by four keeps one of every four pixels; an enlargement by two
// repeats each pixel twice.
struct AxisMap {
  std::int64_t first = 0;            // first canvas coordinate painted
  std::vector<std::int64_t> source;  // source coordinate of canvas coordinate first + i

  bool Empty() const { return source.empty(); }
  std::int64_t End() const { return first + static_cast<std::int64_t>(source.size()); }
};

// Both sizes lie in 1..2^31 - 1, so the products stay below 2^63.
std::int64_t NearestSource(std::int64_t d, std::int64_t dstSize, std::int64_t srcSize);

// The canvas coordinates in [0, canvasSize) that the destination span
// [dstStart, dstStart + dstSize) covers and whose source pixel, counted from
// srcStart, lies inside [0, imageSize). Source coordinates rise with canvas
// coordinates, so the kept coordinates are one contiguous run.
AxisMap MapAxis(std::int64_t dstStart, std::int64_t dstSize, std::int64_t srcStart,
                std::int64_t srcSize, std::int64_t canvasSize, std::int64_t imageSize);

}  // namespace voka
