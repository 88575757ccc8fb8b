// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/fits_export.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "psf/fits_bytes.h"

namespace voka::psf {

namespace {

// The cropped image, normalised to the whole grid's sum, bottom row first.
std::vector<double> CroppedRowsBottomFirst(const StarImage& image, int side) {
  const int half = side / 2;
  const double unit = 1.0 / image.totalIntensity;
  std::vector<double> values;
  values.reserve(static_cast<std::size_t>(side) * side);
  for (int row = image.centreIndex + half; row >= image.centreIndex - half; --row) {
    for (int column = image.centreIndex - half; column <= image.centreIndex + half; ++column) {
      values.push_back(image.At(row, column) * unit);
    }
  }
  return values;
}

void WriteKeywords(fitsfile* file, const StarImage& image, int* status) {
  WriteCreator(file, status);
  double wavelengthM = image.settings.wavelengthNm * 1e-9;
  double pixelArcsec = image.scale.pixelArcsec;
  int oversampling = image.padFactor;
  double diameterM = image.settings.apertureDiameterMm * 1e-3;
  double focalM = image.settings.focalLengthMm * 1e-3;
  fits_update_key(file, TDOUBLE, "WAVELEN", &wavelengthM, "wavelength [m]", status);
  fits_update_key(file, TDOUBLE, "PIXELSCL", &pixelArcsec, "pixel scale [arcsec/pixel]", status);
  fits_update_key(file, TINT, "OVERSAMP", &oversampling, "samples per lambda/D", status);
  fits_update_key(file, TDOUBLE, "DIAM", &diameterM, "aperture diameter [m]", status);
  fits_update_key(file, TDOUBLE, "FOCAL", &focalM, "focal length [m]", status);
}

}  // namespace

int CroppedSide(const StarImage& image, double fieldOfViewLambdaOverD) {
  // Whole pixels either side of the centre that stay on the grid.
  const int gridHalf = std::min(image.centreIndex, image.paddedSide - 1 - image.centreIndex);
  const double wanted = fieldOfViewLambdaOverD * image.padFactor;
  const int half = std::isfinite(wanted) && wanted >= 0.0
                       ? static_cast<int>(std::min<double>(std::round(wanted), gridHalf))
                       : gridHalf;
  return 2 * half + 1;
}

std::string StarImageFitsBytes(const StarImage& image, double fieldOfViewLambdaOverD,
                               std::string& error) {
  const int side = CroppedSide(image, fieldOfViewLambdaOverD);
  std::vector<double> values = CroppedRowsBottomFirst(image, side);

  const long axes[] = {side, side};
  // The star is the middle pixel of the odd side.
  const double starPixel = side / 2 + 1;
  return FitsImageBytes(
      axes, values,
      [&](fitsfile* file, int* status) {
        WriteKeywords(file, image, status);
        WriteOffsetCoordinates(file, starPixel, starPixel, image.scale.pixelArcsec, status);
      },
      error);
}

std::string StarTestFitsBytes(const StarTestImages& test, double fieldOfViewLambdaOverD,
                              std::string& error) {
  const StarImage& focused = test.images[1];
  const int side = CroppedSide(focused, fieldOfViewLambdaOverD);
  std::vector<double> values;
  values.reserve(3 * static_cast<std::size_t>(side) * side);
  for (const StarImage& image : test.images) {
    const std::vector<double> plane = CroppedRowsBottomFirst(image, side);
    values.insert(values.end(), plane.begin(), plane.end());
  }
  const long axes[] = {side, side, static_cast<long>(test.images.size())};
  const double starPixel = side / 2 + 1;
  double defocusWaves = test.defocusWaves;
  return FitsImageBytes(
      axes, values,
      [&](fitsfile* file, int* status) {
        WriteKeywords(file, focused, status);
        fits_update_key(file, TDOUBLE, "DEFOCUS", &defocusWaves,
                        "planes: -DEFOCUS, 0, +DEFOCUS waves PV", status);
        WriteOffsetCoordinates(file, starPixel, starPixel, focused.scale.pixelArcsec, status);
      },
      error);
}

std::string StarImageDifferenceFitsBytes(const StarImage& a, const StarImageDifference& difference,
                                         std::string& error) {
  const int side = difference.side;
  // The difference is stored top row first; FITS wants the bottom row first.
  std::vector<double> values;
  values.reserve(difference.values.size());
  for (int row = side - 1; row >= 0; --row) {
    const auto first = difference.values.begin() + static_cast<std::ptrdiff_t>(row) * side;
    values.insert(values.end(), first, first + side);
  }
  const long axes[] = {side, side};
  const double starPixel = side / 2 + 1;
  return FitsImageBytes(
      axes, values,
      [&](fitsfile* file, int* status) {
        WriteKeywords(file, a, status);
        WriteOffsetCoordinates(file, starPixel, starPixel, a.scale.pixelArcsec, status);
      },
      error);
}

}  // namespace voka::psf
