// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/strehl_ratio.h"

#include <numeric>

namespace voka::psf {

double StrehlRatio(const PupilField& pupil, const StarImage& image) {
  if (!pupil.HasPhase()) return 1.0;
  const double amplitudeSum = std::accumulate(pupil.amplitude.begin(), pupil.amplitude.end(), 0.0);
  const double unphasedPeak = amplitudeSum * amplitudeSum / ClearAperturePeak(pupil.side);
  return image.peakIntensity / unphasedPeak;
}

}  // namespace voka::psf
