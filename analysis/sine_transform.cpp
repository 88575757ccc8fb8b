#include "analysis/sine_transform.h"

#include <cassert>

#include "analysis/sine_transform_lane.h"

namespace voka {

void SineTransform(int n, int sign, double* a, std::int32_t* index, double* table) {
  assert(IsTransformLength(n) && "the sine transform needs a power-of-two length of at least 2");
  assert(a != nullptr && index != nullptr && table != nullptr);
  assert(index[kTwiddleSizeSlot] >= 0 && "index[0] must be 0 before the first call");
  lanes::SineTransform<ScalarLane>(n, sign, a, index, table);
}

}  // namespace voka
