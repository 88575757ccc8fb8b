// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavefront/wavefront_terms.h"

#include <cmath>

namespace voka::wavefront {

namespace {

constexpr int kDefocusNollIndex = 4;
constexpr double kNanometresPerMillimetre = 1e6;

}  // namespace

double DefocusRmsNm(double defocusMm, double focalLengthMm, double apertureDiameterMm) {
  const double focalRatio = focalLengthMm / apertureDiameterMm;
  const double peakToValleyMm = defocusMm / (8.0 * focalRatio * focalRatio);
  return peakToValleyMm * kNanometresPerMillimetre / (2.0 * std::sqrt(3.0));
}

std::map<int, double> CombinedZernikeRmsNm(const WavefrontTerms& terms, double focalLengthMm,
                                           double apertureDiameterMm) {
  std::map<int, double> combined = terms.zernikeRmsNm;
  if (terms.defocusMm) {
    combined[kDefocusNollIndex] +=
        DefocusRmsNm(*terms.defocusMm, focalLengthMm, apertureDiameterMm);
  }
  return combined;
}

}  // namespace voka::wavefront
