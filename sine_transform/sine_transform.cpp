// SPDX-License-Identifier: GPL-3.0-or-later
#include "sine_transform/sine_transform.h"

#include <cassert>

#include "simd/scalar_lanes.h"
#include "sine_transform/sine_transform_kernel.h"

namespace voka {

void SineTransform(int n, int sign, double* a, std::int32_t* index, double* table) {
  assert(IsTransformLength(n) && "the sine transform needs a power-of-two length of at least 2");
  assert(a != nullptr && index != nullptr && table != nullptr);
  assert(index[kTwiddleSizeSlot] >= 0 && "index[0] must be 0 before the first call");
  lanes::SineTransform<simd::ScalarLanes>(n, sign, a, index, table);
}

}  // namespace voka
