#include "analysis/sine_transform_complex.h"

#include "analysis/sine_transform_lane.h"

namespace voka {

void ComplexForward(int n, double* a, const double* w) {
  lanes::ComplexForward<ScalarLane>(n, a, w);
}

void ComplexBackward(int n, double* a, const double* w) {
  lanes::ComplexBackward<ScalarLane>(n, a, w);
}

void FirstRadixFourStage(int n, double* a, const double* w) {
  lanes::FirstRadixFourStage<ScalarLane>(n, a, w);
}

void RadixFourStage(int n, int l, double* a, const double* w) {
  lanes::RadixFourStage<ScalarLane>(n, l, a, w);
}

}  // namespace voka
