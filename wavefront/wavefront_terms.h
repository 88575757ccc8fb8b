// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>

#include "limits/limits.h"

namespace voka::wavefront {

// Beyond these no star image can be sampled on any grid the engine accepts.
inline constexpr double kMaximumZernikeRmsNm = limits::ZernikeRmsNm().maximum;
inline constexpr double kMaximumDefocusMm = limits::DefocusMm().maximum;

// The wavefront error of a telescope as the user states it.
struct WavefrontTerms {
  // Noll index (1..kMaximumNollIndex) to its RMS coefficient in nanometres.
  std::map<int, double> zernikeRmsNm;
  // A shift of the focal plane in millimetres; positive shows the pupil's
  // shadow upright.
  std::optional<double> defocusMm;

  bool Empty() const { return zernikeRmsNm.empty() && !defocusMm; }
  bool operator==(const WavefrontTerms&) const = default;
};

// The RMS defocus term (Noll j = 4, nm) of a focal-plane shift: the
// peak-to-valley wavefront of a shift δ in a beam of focal ratio F/D is
// W_PV = δ / (8 (F/D)²) (the sagitta difference of the two reference
// spheres), and j = 4 has a peak-to-valley of 2√3 per unit RMS.
double DefocusRmsNm(double defocusMm, double focalLengthMm, double apertureDiameterMm);

// The coefficients with the defocus shift folded into j = 4.
std::map<int, double> CombinedZernikeRmsNm(const WavefrontTerms& terms, double focalLengthMm,
                                           double apertureDiameterMm);

}  // namespace voka::wavefront
