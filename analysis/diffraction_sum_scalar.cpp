#include "analysis/diffraction_sum_kernel.h"
#include "analysis/diffraction_sum_lane_group.h"
#include "analysis/diffraction_sum_paths.h"
#include "analysis/diffraction_sum_scalar_lanes.h"

namespace voka::detail {

// Vectors worked on side by side (see diffraction_sum_lane_group.h); eight
// measured fastest, more run out of registers.
constexpr int kGroup = 8;

void AddPupilColumnScalar(const PupilAmplitudes& pupil, int k, int i, ImageField& field) {
  AddPupilColumnLanes<GroupedLanes<ScalarLanes, kGroup>>(pupil, k, i, field);
}

void SinCosSpanScalar(const double* angles, double* sines, double* cosines, int count) {
  SinCosSpanLanes<ScalarLanes>(angles, sines, cosines, count);
}

}  // namespace voka::detail
