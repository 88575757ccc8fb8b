// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The slow, plain rendering of a pupil design that the fast renderer is
// measured against: each pixel is sampled on a 16x16 grid and every sample
// is tested against the design's definition, in millimetres.

#include <cmath>
#include <numbers>
#include <vector>

#include "pupils/pupil_design.h"

namespace voka::test {

inline constexpr int kBruteForceSamplesAcross = 16;

inline bool BlockedByVane(const pupils::Vane& vane, double apertureMm, double x, double y) {
  const double angle = vane.angleDeg * std::numbers::pi / 180;
  const double ux = std::cos(angle), uy = std::sin(angle), nx = -uy, ny = ux;
  if (vane.shape == pupils::VaneShape::kStraight) {
    const double px = x - vane.offsetMm * nx, py = y - vane.offsetMm * ny;
    return px * ux + py * uy >= 0 && std::abs(px * nx + py * ny) <= vane.widthMm / 2;
  }
  const double cx = vane.radiusMm * nx, cy = vane.radiusMm * ny;
  const double radius = std::abs(vane.radiusMm);
  if (std::abs(std::hypot(x - cx, y - cy) - radius) > vane.widthMm / 2) return false;
  // The angle travelled about the centre from the origin, in the arc's sense.
  const double turn = vane.radiusMm > 0 ? 1.0 : -1.0;
  double travelled = turn * (std::atan2(y - cy, x - cx) - std::atan2(-cy, -cx));
  travelled = std::fmod(travelled + 4 * std::numbers::pi, 2 * std::numbers::pi);
  const double sweep = 2 * std::asin(std::min(1.0, (apertureMm / 2 + vane.widthMm) / (2 * radius)));
  return travelled <= sweep;
}

inline bool IsOpenMm(const pupils::PupilDesign& design, double x, double y) {
  if (std::hypot(x, y) > design.apertureDiameterMm / 2) return false;
  if (design.obstruction) {
    const pupils::Obstruction& o = *design.obstruction;
    if (std::hypot(x - o.offsetXMm, y - o.offsetYMm) < o.diameterMm / 2) return false;
  }
  for (const pupils::Vane& vane : design.vanes)
    if (BlockedByVane(vane, design.apertureDiameterMm, x, y)) return false;
  return true;
}

inline std::vector<double> BruteForceOpenFraction(const pupils::PupilDesign& design, int side) {
  const double pixelMm = design.apertureDiameterMm / side;
  constexpr int n = kBruteForceSamplesAcross;
  std::vector<double> fractions(static_cast<std::size_t>(side) * side);
  for (int j = 0; j < side; ++j) {
    for (int i = 0; i < side; ++i) {
      int open = 0;
      for (int b = 0; b < n; ++b) {
        const double y = design.apertureDiameterMm / 2 - (j + (b + 0.5) / n) * pixelMm;
        for (int a = 0; a < n; ++a) {
          const double x = -design.apertureDiameterMm / 2 + (i + (a + 0.5) / n) * pixelMm;
          open += IsOpenMm(design, x, y);
        }
      }
      fractions[static_cast<std::size_t>(j) * side + i] = static_cast<double>(open) / (n * n);
    }
  }
  return fractions;
}

}  // namespace voka::test
