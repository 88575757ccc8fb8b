// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A telescope pupil described by its parts, in millimetres: the pupil's
// centre at the origin, x to the right and y up as the image is seen, angles
// counter-clockwise from +x. A point is open when it lies inside the aperture,
// outside the obstruction and outside every vane.

#include <optional>
#include <vector>

#include "limits/limits.h"
#include "wavefront/wavefront_terms.h"

namespace voka::pupils {

enum class VaneShape {
  kStraight,  // a half-infinite strip that starts beside the centre
  kCurved,    // a band along a circular arc that leaves the centre
};

struct Vane {
  VaneShape shape = VaneShape::kStraight;
  // Direction in which the vane leaves the centre, counter-clockwise from +x.
  double angleDeg = 0.0;
  double widthMm = 1.0;  // full width
  // Straight only: the strip's centre line is shifted by this much along the
  // direction 90 degrees counter-clockwise from angleDeg (a tangent spider).
  double offsetMm = 0.0;
  // Curved only: the arc's radius; positive bends counter-clockwise, negative
  // clockwise. Its magnitude is at least a quarter of the aperture.
  double radiusMm = 100.0;

  bool operator==(const Vane&) const = default;
};

// A circular central obstruction (secondary mirror and its holder).
struct Obstruction {
  double diameterMm = 0.0;
  double offsetXMm = 0.0;
  double offsetYMm = 0.0;

  bool operator==(const Obstruction&) const = default;
};

struct PupilDesign {
  double apertureDiameterMm = limits::ApertureMm().defaultValue;
  std::optional<Obstruction> obstruction;
  std::vector<Vane> vanes;
  // The telescope's focal length, when the design states it; the star image
  // then uses it unless told otherwise.
  std::optional<double> focalLengthMm;
  // The mirror's wavefront error; empty for perfect optics.
  wavefront::WavefrontTerms wavefront;

  bool operator==(const PupilDesign&) const = default;
};

// Untrusted designs with more vanes than the table allows are refused: no
// spider has so many, and each vane costs rendering time on every edge pixel.
inline constexpr int kMaxVanes = static_cast<int>(limits::VaneCount().maximum);

}  // namespace voka::pupils
