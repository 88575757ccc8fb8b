// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/mtf_curves.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "psf/from_autocorrelation.h"

namespace voka::psf {

namespace {

constexpr double kUnknownAlongDeg = 0.0;
constexpr double kUnknownBetweenDeg = 45.0;

// The first vane direction, and the direction midway to the next one
// (directions repeat every 180° for the MTF).
void CutDirections(const std::vector<double>& vaneAnglesDeg, double& alongDeg, double& betweenDeg) {
  if (vaneAnglesDeg.empty()) {
    alongDeg = kUnknownAlongDeg;
    betweenDeg = kUnknownBetweenDeg;
    return;
  }
  std::vector<double> folded;
  for (double angle : vaneAnglesDeg)
    folded.push_back(std::fmod(std::fmod(angle, 180.0) + 180.0, 180.0));
  std::sort(folded.begin(), folded.end());
  alongDeg = folded.front();
  const auto next = std::upper_bound(folded.begin(), folded.end(), alongDeg + 1e-9);
  const double nextDeg = next == folded.end() ? alongDeg + 180.0 : *next;
  betweenDeg = (alongDeg + nextDeg) / 2.0;
}

}  // namespace

double ClearApertureMtf(double frequencyOfCutoff) {
  const double nu = std::clamp(frequencyOfCutoff, 0.0, 1.0);
  return 2.0 / std::numbers::pi * (std::acos(nu) - nu * std::sqrt(1.0 - nu * nu));
}

std::optional<MtfCurves> ComputeMtfCurves(const PupilAmplitude& pupil, const StarImage& image,
                                          const PsfProgress& progress) {
  if (progress.cancelled && progress.cancelled()) return std::nullopt;
  const Autocorrelation correlation(image);
  return ComputeMtfCurves(pupil, image, correlation);
}

MtfCurves ComputeMtfCurves(const PupilAmplitude& pupil, const StarImage& image,
                           const Autocorrelation& correlation) {
  MtfCurves curves;
  CutDirections(pupil.vaneAnglesDeg, curves.alongAngleDeg, curves.betweenAngleDeg);
  for (int k = 0; k < kMtfPointCount; ++k) {
    const double nu = static_cast<double>(k) / (kMtfPointCount - 1);
    // The cut-off D/λ is a shift of one whole pupil side.
    const double shift = nu * image.pupilSide;
    curves.frequencyOfCutoff.push_back(nu);
    curves.radialMean.push_back(correlation.RadialMean(shift, Autocorrelation::kModulus));
    curves.alongVanes.push_back(
        correlation.Along(shift, curves.alongAngleDeg, Autocorrelation::kModulus));
    curves.betweenVanes.push_back(
        correlation.Along(shift, curves.betweenAngleDeg, Autocorrelation::kModulus));
    curves.clearAperture.push_back(ClearApertureMtf(nu));
  }
  return curves;
}

}  // namespace voka::psf
