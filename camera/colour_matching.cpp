// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/colour_matching.h"

#include <algorithm>
#include <cmath>

namespace voka::camera {

namespace {

// A Gaussian lobe with different widths below and above its mean (nm).
double Lobe(double wavelengthNm, double meanNm, double widthBelowNm, double widthAboveNm) {
  const double width = wavelengthNm < meanNm ? widthBelowNm : widthAboveNm;
  const double t = (wavelengthNm - meanNm) / width;
  return std::exp(-0.5 * t * t);
}

}  // namespace

std::array<double, 3> CieXyzMatching(double wavelengthNm) {
  const double l = wavelengthNm;
  const double x = 1.056 * Lobe(l, 599.8, 37.9, 31.0) + 0.362 * Lobe(l, 442.0, 16.0, 26.7) -
                   0.065 * Lobe(l, 501.1, 20.4, 26.2);
  const double y = 0.821 * Lobe(l, 568.8, 46.9, 40.5) + 0.286 * Lobe(l, 530.9, 16.3, 31.1);
  const double z = 1.217 * Lobe(l, 437.0, 11.8, 36.0) + 0.681 * Lobe(l, 459.0, 26.0, 13.8);
  return {x, y, z};
}

std::array<double, 3> LinearSrgbFromXyz(const std::array<double, 3>& xyz) {
  const auto [x, y, z] = xyz;
  return {3.2406 * x - 1.5372 * y - 0.4986 * z, -0.9689 * x + 1.8758 * y + 0.0415 * z,
          0.0557 * x - 0.2040 * y + 1.0570 * z};
}

double SrgbEncoded(double linear) {
  const double v = std::clamp(linear, 0.0, 1.0);
  return v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
}

}  // namespace voka::camera
