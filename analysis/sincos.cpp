#include "analysis/sincos.h"

#include "analysis/diffraction_sum_scalar_lanes.h"
#include "analysis/sincos_lanes.h"

namespace voka {

void SinCos(double angle, double& sine, double& cosine) {
  detail::SinCosLanes<detail::ScalarLanes>(angle, sine, cosine);
}

}  // namespace voka
