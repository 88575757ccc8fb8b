#include "analysis/sine_transform_real_split.h"

#include "analysis/sine_transform_lane.h"

namespace voka {

void RealSplitForward(int n, double* a, int nc, const double* cs) {
  lanes::RealSplitForward<ScalarLane>(n, a, nc, cs);
}

void RealSplitBackward(int n, double* a, int nc, const double* cs) {
  lanes::RealSplitBackward<ScalarLane>(n, a, nc, cs);
}

}  // namespace voka
