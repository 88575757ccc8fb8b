// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "psf/autocorrelation.h"

namespace voka::psf {

// The encircled energy at any radius, from the transfer function's mean over
// directions:
//   EE(r) = 2π r ∫₀¹ T(ν) J1(2π r ν) dν   (r in λ/D, ν in D/λ),
// which is exact for the sampled image, unlike a sum of pixels cut by the
// circle (a pixel holds a sample, not the light over its area).
class RadialEnergy {
 public:
  explicit RadialEnergy(const Autocorrelation& correlation, int pupilSide);

  // Fraction of all the light within the radius.
  double Within(double radiusLambdaOverD) const;

 private:
  std::vector<double> weightedTransfer_;  // Simpson weight x T(ν_j) x Δν
};

}  // namespace voka::psf
