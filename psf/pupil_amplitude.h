// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "limits/limits.h"

namespace voka::psf {

// The largest pupil side and padded grid (pupil side times pad factor)
// accepted; the table says why.
constexpr int kMaximumPupilSide = static_cast<int>(limits::PupilSide().maximum);
constexpr int kMaximumPaddedSide = static_cast<int>(limits::PaddedSide().maximum);

// The light field leaving the pupil on a square grid whose side spans the
// aperture diameter: row-major, top row first, x to the right. The amplitude
// is the transmitted amplitude, each value in [0, 1] (0 opaque, 1 open); the
// optional phase is the wavefront's optical path difference, so the field at
// wavelength λ is amplitude · exp(2πi · opdNm / λ). A pupil without phase is
// real, and its image is symmetric through the centre.
struct PupilField {
  int side = 0;
  std::vector<double> amplitude;  // side * side values
  // Optical path difference in nanometres, side * side values; empty when
  // the wavefront is perfect.
  std::vector<double> opdNm;
  // Directions of the straight vanes, in degrees counter-clockwise from +x as
  // the pupil is seen (y up). Empty when unknown, as for a bitmap: the MTF is
  // then cut at 0° and 45°.
  std::vector<double> vaneAnglesDeg;

  bool HasPhase() const { return !opdNm.empty(); }
};

// Most code needs only the amplitude and predates the phase.
using PupilAmplitude = PupilField;

// The amplitude of a bitmap's red channel (red / 255): `red` holds
// width * height values, row-major, top row first. The image is zero-extended
// to a square of side max(width, height), centred, so the square's side is
// the aperture diameter. Empty (side 0) if the sizes are not positive or the
// square would exceed kMaximumPupilSide.
PupilAmplitude PupilFromRedChannel(const std::vector<std::uint8_t>& red, int width, int height);

// Exact open fractions (for example from the pupil designer's renderer):
// `openFraction` holds side * side values in [0, 1], row-major, top row
// first. Values outside [0, 1] or not finite make the result empty.
PupilAmplitude PupilFromOpenFraction(std::vector<double> openFraction, int side,
                                     std::vector<double> vaneAnglesDeg);

// Whether a star image can be made of the pupil: a side of 1..
// kMaximumPupilSide, side² amplitudes, no phase or side² finite phases, and
// some light let through (an opaque pupil has no image to normalise).
bool PupilLetsLightThrough(const PupilAmplitude& pupil);

}  // namespace voka::psf
