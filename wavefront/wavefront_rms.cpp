// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavefront/wavefront_rms.h"

#include <cmath>
#include <cstddef>

namespace voka::wavefront {

double WavefrontRmsNm(const std::vector<double>& amplitude, const std::vector<double>& opdNm) {
  if (amplitude.size() != opdNm.size()) return 0.0;
  double weight = 0.0;
  double sum = 0.0;
  for (std::size_t i = 0; i < amplitude.size(); ++i) {
    weight += amplitude[i];
    sum += amplitude[i] * opdNm[i];
  }
  if (!(weight > 0.0)) return 0.0;
  const double mean = sum / weight;
  double variance = 0.0;
  for (std::size_t i = 0; i < amplitude.size(); ++i) {
    const double departure = opdNm[i] - mean;
    variance += amplitude[i] * departure * departure;
  }
  return std::sqrt(variance / weight);
}

}  // namespace voka::wavefront
