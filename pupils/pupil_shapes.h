// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Simple pupils drawn white (open) on black (blocked) by sampling each pixel's
// centre, the aperture a circle whose diameter is the image's side: the
// shapes of the sample pupils without anti-aliasing. The product renders its
// pupils from designs; the analysis tests and benchmarks keep these as
// two-level pupils whose every pixel is either open or blocked.

#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "canvas/colour.h"
#include "pupils/bmp_writer.h"

namespace voka::pupil_shapes {

enum class PupilShape {
  kClear,                 // the open circle
  kFourVanes,             // central obstruction held by four straight vanes in a cross
  kThreeVanes,            // central obstruction held by three straight vanes 120 degrees apart
  kCurvedVane,            // central obstruction held by one curved vane
  kOffCentreObstruction,  // an obstruction away from the centre, no vanes
};

struct PupilSample {
  PupilShape shape;
  std::string_view name;
};

inline constexpr std::array<PupilSample, 5> kPupilSamples{{
    {PupilShape::kClear, "clear"},
    {PupilShape::kFourVanes, "obstructed_4vanes"},
    {PupilShape::kThreeVanes, "obstructed_3vanes"},
    {PupilShape::kCurvedVane, "obstructed_curved_vane"},
    {PupilShape::kOffCentreObstruction, "offcentre_obstruction"},
}};

inline constexpr std::array<int, 2> kSampleSides{512, 128};
inline constexpr std::array<int, 2> kSampleBitCounts{24, 8};

// Lengths in units of the aperture's radius.
inline constexpr double kObstructionRadius = 0.25;  // a 25% central obstruction (diameter ratio)
inline constexpr double kVaneWidth = 0.04;          // full width: 2% of the aperture's diameter
// The curved vane: half of a circle through the centre and the rim.
inline constexpr double kCurvedVaneCentreU = 0.5;
inline constexpr double kCurvedVaneRadius = 0.5;
inline constexpr double kOffCentreU = 0.35;
inline constexpr double kOffCentreV = 0.2;

// "clear_512_24.bmp": shape, side in pixels, bits per pixel.
inline std::string SampleFileName(std::string_view name, int side, int bitCount) {
  return std::string(name) + "_" + std::to_string(side) + "_" + std::to_string(bitCount) + ".bmp";
}

// Whether a point of a straight vane from the centre outward in direction
// (du, dv), a unit vector.
inline bool OnStraightVane(double u, double v, double du, double dv) {
  const double along = u * du + v * dv;
  const double across = u * dv - v * du;
  return along >= 0 && std::abs(across) < kVaneWidth / 2;
}

// (u, v): a point in units of the aperture's radius, from its centre, v up.
inline bool IsOpen(PupilShape shape, double u, double v) {
  const double r = std::hypot(u, v);
  if (r > 1) return false;
  const bool centralObstruction = r < kObstructionRadius;
  switch (shape) {
    case PupilShape::kClear:
      return true;
    case PupilShape::kFourVanes:
      return !centralObstruction && std::abs(u) >= kVaneWidth / 2 && std::abs(v) >= kVaneWidth / 2;
    case PupilShape::kThreeVanes: {
      constexpr double kPi = 3.14159265358979323846;
      for (int i = 0; i < 3; ++i) {
        const double angle = kPi / 2 + i * 2 * kPi / 3;
        if (OnStraightVane(u, v, std::cos(angle), std::sin(angle))) return false;
      }
      return !centralObstruction;
    }
    case PupilShape::kCurvedVane: {
      const double fromArcCentre = std::hypot(u - kCurvedVaneCentreU, v);
      const bool onArc = v >= 0 && std::abs(fromArcCentre - kCurvedVaneRadius) < kVaneWidth / 2;
      return !centralObstruction && !onArc;
    }
    case PupilShape::kOffCentreObstruction:
      return std::hypot(u - kOffCentreU, v - kOffCentreV) >= kObstructionRadius;
  }
  return false;
}

// The pupil sampled at each pixel's centre: white open, black blocked.
inline bmp_writer::ColourImage DrawPupil(PupilShape shape, int side) {
  bmp_writer::ColourImage image(side, side);
  const double radius = side / 2.0;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const double u = (x + 0.5 - radius) / radius;
      const double v = (radius - (y + 0.5)) / radius;
      image.At(x, y) = IsOpen(shape, u, v) ? kWhite : kBlack;
    }
  }
  return image;
}

}  // namespace voka::pupil_shapes
