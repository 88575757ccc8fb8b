// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/encircled_energy.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace voka::psf {

namespace {

// Even, for Simpson's rule; fine enough for J1(2π r ν) at r = 25 λ/D
// (8 steps per oscillation, where Simpson errs by 1e-4).
constexpr int kFrequencySteps = 500;

// J1 is tabulated once and read by cubic interpolation: the library's
// Bessel function costs microseconds per call, and the curve needs half a
// million values.
constexpr double kBesselTableStep = 0.05;
constexpr double kBesselTableEnd = 2.0 * std::numbers::pi * 30.0;

const std::vector<double>& BesselJ1Table() {
  static const std::vector<double> table = [] {
    std::vector<double> values(static_cast<std::size_t>(kBesselTableEnd / kBesselTableStep) + 4);
    for (std::size_t i = 0; i < values.size(); ++i) {
      // J1 is odd, and the library refuses negative arguments.
      const double argument = (static_cast<double>(i) - 1.0) * kBesselTableStep;
      values[i] =
          argument < 0.0 ? -std::cyl_bessel_j(1.0, -argument) : std::cyl_bessel_j(1.0, argument);
    }
    return values;
  }();
  return table;
}

// Four-point Lagrange interpolation; the table starts one step below zero.
double BesselJ1(double argument) {
  const std::vector<double>& table = BesselJ1Table();
  if (argument < 0.0) return -BesselJ1(-argument);
  const double position = argument / kBesselTableStep + 1.0;
  const std::size_t i = static_cast<std::size_t>(position);
  if (i + 2 >= table.size()) return std::cyl_bessel_j(1.0, argument);
  const double t = position - static_cast<double>(i);
  const double p0 = table[i - 1], p1 = table[i], p2 = table[i + 1], p3 = table[i + 2];
  return (-t * (t - 1) * (t - 2) / 6) * p0 + ((t + 1) * (t - 1) * (t - 2) / 2) * p1 +
         (-(t + 1) * t * (t - 2) / 2) * p2 + ((t + 1) * t * (t - 1) / 6) * p3;
}

}  // namespace

RadialEnergy::RadialEnergy(const Autocorrelation& correlation, int pupilSide) {
  weightedTransfer_.resize(kFrequencySteps + 1);
  const double step = 1.0 / kFrequencySteps;
  for (int j = 0; j <= kFrequencySteps; ++j) {
    const double weight = (j == 0 || j == kFrequencySteps) ? 1.0 : (j % 2 == 1 ? 4.0 : 2.0);
    // The cut-off D/λ is a shift of one whole pupil side.
    weightedTransfer_[static_cast<std::size_t>(j)] =
        weight * step / 3.0 * correlation.RadialMean(j * step * pupilSide, Autocorrelation::kReal);
  }
}

double RadialEnergy::Within(double radiusLambdaOverD) const {
  if (!(radiusLambdaOverD > 0.0)) return 0.0;
  const double scale = 2.0 * std::numbers::pi * radiusLambdaOverD;
  double sum = 0.0;
  for (std::size_t j = 1; j < weightedTransfer_.size(); ++j) {
    sum += weightedTransfer_[j] * BesselJ1(scale * static_cast<double>(j) / kFrequencySteps);
  }
  return scale * sum;
}

}  // namespace voka::psf
