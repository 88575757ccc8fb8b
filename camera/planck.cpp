// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/planck.h"

#include <cmath>

namespace voka::camera {

namespace {

// The SI defining constants (exact since 2019).
constexpr double kPlanckJouleSecond = 6.62607015e-34;
constexpr double kLightSpeedMetrePerSecond = 299792458.0;
constexpr double kBoltzmannJoulePerKelvin = 1.380649e-23;
constexpr double kMetresPerNanometre = 1e-9;

}  // namespace

double PlanckRadiancePerNm(double wavelengthNm, double temperatureK) {
  const double wavelengthM = wavelengthNm * kMetresPerNanometre;
  const double hc = kPlanckJouleSecond * kLightSpeedMetrePerSecond;
  const double exponent = hc / (wavelengthM * kBoltzmannJoulePerKelvin * temperatureK);
  const double perMetre =
      2.0 * hc * kLightSpeedMetrePerSecond / std::pow(wavelengthM, 5) / std::expm1(exponent);
  return perMetre * kMetresPerNanometre;
}

double PhotonsPerJoule(double wavelengthNm) {
  return wavelengthNm * kMetresPerNanometre / (kPlanckJouleSecond * kLightSpeedMetrePerSecond);
}

}  // namespace voka::camera
