// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/star_image_difference.h"

#include <algorithm>
#include <cmath>

#include "psf/fits_export.h"

namespace voka::psf {

namespace {

bool SameGrid(const StarImage& a, const StarImage& b) {
  return a.paddedSide == b.paddedSide && a.padFactor == b.padFactor &&
         a.settings.wavelengthNm == b.settings.wavelengthNm &&
         a.settings.apertureDiameterMm == b.settings.apertureDiameterMm &&
         a.settings.focalLengthMm == b.settings.focalLengthMm && a.totalIntensity > 0.0 &&
         b.totalIntensity > 0.0;
}

}  // namespace

std::optional<StarImageDifference> DifferenceOf(const StarImage& a, const StarImage& b,
                                                double fieldOfViewLambdaOverD,
                                                DifferenceScale scale) {
  if (!SameGrid(a, b)) return std::nullopt;
  StarImageDifference difference;
  difference.side = CroppedSide(a, fieldOfViewLambdaOverD);
  difference.scale = scale;
  const int half = difference.side / 2;
  const double floor =
      std::max(a.peakIntensity / a.totalIntensity, b.peakIntensity / b.totalIntensity) *
      std::pow(10.0, -kDifferenceFloorDecades);
  difference.values.reserve(static_cast<std::size_t>(difference.side) * difference.side);
  for (int row = a.centreIndex - half; row <= a.centreIndex + half; ++row) {
    for (int column = a.centreIndex - half; column <= a.centreIndex + half; ++column) {
      const double shareA = a.At(row, column) / a.totalIntensity;
      const double shareB = b.At(row, column) / b.totalIntensity;
      difference.values.push_back(scale == DifferenceScale::kLinear
                                      ? shareB - shareA
                                      : std::log10(std::max(shareB, floor)) -
                                            std::log10(std::max(shareA, floor)));
    }
  }
  return difference;
}

}  // namespace voka::psf
