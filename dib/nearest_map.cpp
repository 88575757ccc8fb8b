// SPDX-License-Identifier: GPL-3.0-or-later
#include "dib/nearest_map.h"

#include <algorithm>

namespace voka {

std::int64_t NearestSource(std::int64_t d, std::int64_t dstSize, std::int64_t srcSize) {
  return (2 * d + 1) * srcSize / (2 * dstSize);
}

AxisMap MapAxis(std::int64_t dstStart, std::int64_t dstSize, std::int64_t srcStart,
                std::int64_t srcSize, std::int64_t canvasSize, std::int64_t imageSize) {
  AxisMap map;
  const std::int64_t begin = std::max<std::int64_t>(dstStart, 0);
  const std::int64_t end = std::min(dstStart + dstSize, canvasSize);
  for (std::int64_t c = begin; c < end; ++c) {
    const std::int64_t s = srcStart + NearestSource(c - dstStart, dstSize, srcSize);
    if (s < 0 || s >= imageSize) continue;
    if (map.source.empty()) map.first = c;
    map.source.push_back(s);
  }
  return map;
}

}  // namespace voka
