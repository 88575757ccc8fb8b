// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fftw3.h>

#include <algorithm>
#include <vector>

namespace voka::psf {

// What a run of the image adds up to: its light and its brightest value.
struct IntensitySums {
  double total = 0.0;
  double peak = 0.0;
};

// Writes |field|² · unit of `length` spectrum values into `out`.
inline IntensitySums WriteIntensityRun(const fftw_complex* values, int length, double unit,
                                       double* out) {
  IntensitySums run;
  for (int k = 0; k < length; ++k) {
    const double intensity = (values[k][0] * values[k][0] + values[k][1] * values[k][1]) * unit;
    out[k] = intensity;
    run.total += intensity;
    run.peak = std::max(run.peak, intensity);
  }
  return run;
}

// The parts added in their order, so that the total is the same to the last
// bit however the parts were shared out among workers.
inline IntensitySums Combined(const std::vector<IntensitySums>& parts) {
  IntensitySums whole;
  for (const IntensitySums& part : parts) {
    whole.total += part.total;
    whole.peak = std::max(whole.peak, part.peak);
  }
  return whole;
}

}  // namespace voka::psf
