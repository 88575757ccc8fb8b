// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "psf/psf_progress.h"
#include "psf/pupil_amplitude.h"
#include "psf/star_image.h"

namespace voka::psf {

// Points of each MTF curve from 0 to the cut-off D/λ inclusive.
constexpr int kMtfPointCount = 201;

// The modulus of the pupil's normalised autocorrelation. Frequencies are
// fractions of the cut-off D/λ (0..1); every curve has one value per
// frequency.
struct MtfCurves {
  std::vector<double> frequencyOfCutoff;
  std::vector<double> radialMean;     // mean over all directions
  std::vector<double> alongVanes;     // cut along the first vane direction (or 0°)
  std::vector<double> betweenVanes;   // cut midway to the next vane direction (or 45°)
  std::vector<double> clearAperture;  // 2/π (acos ν − ν√(1 − ν²))
  double alongAngleDeg = 0.0;
  double betweenAngleDeg = 45.0;
};

// Computed from the star image (one transform of its sampled grid), so it
// costs a fraction of the image itself. Nothing when cancelled.
std::optional<MtfCurves> ComputeMtfCurves(const PupilAmplitude& pupil, const StarImage& image,
                                          const PsfProgress& progress = {});

// The MTF of a clear circular aperture at ν times the cut-off.
double ClearApertureMtf(double frequencyOfCutoff);

}  // namespace voka::psf
