#include "analysis/sine_transform_bit_reverse.h"

#include "analysis/sine_transform_lane.h"

namespace voka {

void BitReversePairs(int length, std::int32_t* scratch, double* a) {
  lanes::BitReversePairs<ScalarLane>(length, scratch, a);
}

}  // namespace voka
