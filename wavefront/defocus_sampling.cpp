// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavefront/defocus_sampling.h"

#include <cmath>

namespace voka::wavefront {

namespace {

// The peak-to-valley of Noll's j = 4 per unit RMS: √3(2ρ² − 1) runs from −√3
// to √3.
const double kDefocusPeakToValleyPerRms = 2.0 * std::sqrt(3.0);
constexpr double kBlurDiametersPerWave = 8.0;

}  // namespace

DefocusSampling CheckDefocusSampling(double defocusRmsNm, double wavelengthNm,
                                     double fieldLambdaOverD, int pupilSamples) {
  DefocusSampling sampling;
  sampling.peakToValleyWaves = std::abs(defocusRmsNm) * kDefocusPeakToValleyPerRms / wavelengthNm;
  sampling.neededFieldLambdaOverD = kBlurDiametersPerWave * sampling.peakToValleyWaves;
  sampling.neededPupilSamples = kBlurDiametersPerWave * sampling.peakToValleyWaves;
  sampling.fieldTooSmall = fieldLambdaOverD < sampling.neededFieldLambdaOverD;
  sampling.pupilTooCoarse = pupilSamples < sampling.neededPupilSamples;
  return sampling;
}

}  // namespace voka::wavefront
