#include "analysis/sine_transform_twiddle_step.h"

#include "analysis/sine_transform_lane.h"

namespace voka {

void SineTwiddleStep(int n, double* a, int nc, const double* cs) {
  lanes::SineTwiddleStep<ScalarLane>(n, a, nc, cs);
}

}  // namespace voka
