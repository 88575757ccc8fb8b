// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/sensor_sampling.h"

#include <cmath>
#include <cstddef>

namespace voka::camera {

int SubsamplesPerPixel(double pixelPitchUm, double focalLengthMm, double shortestWavelengthNm,
                       double apertureDiameterMm) {
  const double values[] = {pixelPitchUm, focalLengthMm, shortestWavelengthNm, apertureDiameterMm};
  for (const double value : values) {
    if (!std::isfinite(value) || value <= 0.0) return 0;
  }
  // Both angles in radians: µm/mm = 1e-3, nm/mm = 1e-6.
  const double pixelRadians = pixelPitchUm * 1e-3 / focalLengthMm;
  const double nyquistRadians = shortestWavelengthNm * 1e-6 / (2.0 * apertureDiameterMm);
  const double needed = std::ceil(pixelRadians / nyquistRadians - 1e-12);
  if (!(needed <= kMaximumSubsamples)) return 0;
  return std::max(2, static_cast<int>(needed));
}

std::vector<double> SumSubsamples(const std::vector<double>& fine, int pixelsPerSide,
                                  int subsamples) {
  if (pixelsPerSide < 1 || subsamples < 1) return {};
  const std::size_t fineSide = static_cast<std::size_t>(pixelsPerSide) * subsamples;
  if (fine.size() != fineSide * fineSide) return {};
  const std::size_t side = static_cast<std::size_t>(pixelsPerSide);
  std::vector<double> pixels(side * side, 0.0);
  for (std::size_t row = 0; row < fineSide; ++row) {
    const std::size_t pixelRow = row / static_cast<std::size_t>(subsamples);
    for (std::size_t column = 0; column < fineSide; ++column) {
      pixels[pixelRow * side + column / static_cast<std::size_t>(subsamples)] +=
          fine[row * fineSide + column];
    }
  }
  return pixels;
}

}  // namespace voka::camera
