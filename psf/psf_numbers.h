// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "psf/pupil_amplitude.h"
#include "psf/star_image.h"

namespace voka::psf {

// The encircled-energy curve runs this far, in steps of
// kEncircledEnergyStepLambdaOverD.
constexpr double kEncircledEnergyRadiusLambdaOverD = 25.0;
constexpr double kEncircledEnergyStepLambdaOverD = 0.05;

struct EncircledEnergyPoint {
  double radiusLambdaOverD = 0.0;
  double fraction = 0.0;  // of the whole padded grid's light
};

// The numbers by which pupils are compared.
//
// Spike fraction: the pupil's amplitude splits exactly into its rotational
// mean (for each radius from the centre, the mean over all directions) and
// the rest. Because the rest averages to zero on every circle, the two
// fields do not interfere in total energy: the star image's light is the
// light of a perfectly round pattern plus the light diffracted by the rest.
// The spike fraction is that second share: the fraction of the light sent
// out of round by vanes, an off-centre obstruction or any other departure
// from rotational symmetry. For thin straight vanes it equals the fraction
// of the open area they cover; for a round pupil it is zero. With a phase,
// the complex field at the wavelength splits the same way.
struct PsfNumbers {
  double peakRatio = 0.0;  // peak over a clear aperture's peak
  std::vector<EncircledEnergyPoint> encircledEnergy;
  double encircledEnergyAt1_22 = 0.0;  // within 1.22 λ/D
  double encircledEnergyAt2_23 = 0.0;  // within 2.23 λ/D
  double encircledEnergyAt5 = 0.0;     // within 5 λ/D
  double spikeFraction = 0.0;
};

// The explanation of the spike fraction shown in the help and the window
// (Japanese, UTF-8).
const char* SpikeFractionDefinitionText();

PsfNumbers ComputePsfNumbers(const PupilAmplitude& pupil, const StarImage& image);

// The encircled energy at a radius, by linear interpolation of the curve.
double EncircledEnergyAt(const std::vector<EncircledEnergyPoint>& curve, double radiusLambdaOverD);

// The spike fraction alone (it needs only the pupil; the wavelength only to
// turn a phase's optical path difference into radians). With a phase, the
// field amplitude · exp(2πi · opd / λ) is what splits.
double ComputeSpikeFraction(const PupilField& pupil, double wavelengthNm);

}  // namespace voka::psf
