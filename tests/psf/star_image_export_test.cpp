// SPDX-License-Identifier: GPL-3.0-or-later
#include <fitsio.h>
#include <gtest/gtest.h>

#include <cmath>

#include "exact_coverage.h"
#include "psf/curves_csv.h"
#include "psf/fits_export.h"
#include "psf/psf_analysis.h"
#include "psf/star_image_difference.h"

namespace voka::psf {
namespace {

struct FitsReadBack {
  long side[2] = {0, 0};
  std::vector<double> values;
  double wavelength = 0, pixelScale = 0, diameter = 0, focal = 0;
  int oversampling = 0;
  // The world coordinates: offsets from the star in arcseconds.
  double starPixel[2] = {0, 0}, step[2] = {0, 0}, starOffset[2] = {1, 1};
  char type[2][FLEN_VALUE] = {}, unit[2][FLEN_VALUE] = {}, creator[FLEN_VALUE] = {};
};

FitsReadBack ReadFits(std::string bytes) {
  FitsReadBack read;
  void* buffer = bytes.data();
  std::size_t size = bytes.size();
  fitsfile* file = nullptr;
  int status = 0;
  int axes = 0;
  fits_open_memfile(&file, "psf.fits", READONLY, &buffer, &size, 0, nullptr, &status);
  fits_get_img_dim(file, &axes, &status);
  fits_get_img_size(file, 2, read.side, &status);
  read.values.resize(std::size_t(read.side[0]) * read.side[1]);
  fits_read_img(file, TDOUBLE, 1, long(read.values.size()), nullptr, read.values.data(), nullptr,
                &status);
  fits_read_key(file, TDOUBLE, "WAVELEN", &read.wavelength, nullptr, &status);
  fits_read_key(file, TDOUBLE, "PIXELSCL", &read.pixelScale, nullptr, &status);
  fits_read_key(file, TDOUBLE, "DIAM", &read.diameter, nullptr, &status);
  fits_read_key(file, TDOUBLE, "FOCAL", &read.focal, nullptr, &status);
  fits_read_key(file, TINT, "OVERSAMP", &read.oversampling, nullptr, &status);
  fits_read_key(file, TSTRING, "CREATOR", read.creator, nullptr, &status);
  for (int axis = 0; axis < 2; ++axis) {
    const std::string n = std::to_string(axis + 1);
    fits_read_key(file, TDOUBLE, ("CRPIX" + n).c_str(), &read.starPixel[axis], nullptr, &status);
    fits_read_key(file, TDOUBLE, ("CDELT" + n).c_str(), &read.step[axis], nullptr, &status);
    fits_read_key(file, TDOUBLE, ("CRVAL" + n).c_str(), &read.starOffset[axis], nullptr, &status);
    fits_read_key(file, TSTRING, ("CTYPE" + n).c_str(), read.type[axis], nullptr, &status);
    fits_read_key(file, TSTRING, ("CUNIT" + n).c_str(), read.unit[axis], nullptr, &status);
  }
  fits_close_file(file, &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(axes, 2);
  return read;
}

TEST(StarImageExport, FitsHoldsTheCroppedImageBottomRowFirstWithItsScales) {
  // Off-centre obstruction: the image is not mirror-symmetric, so a wrong
  // row order shows.
  const PupilAmplitude pupil = test::AnnularPupil(32, 0.4, 4.0, 2.0);
  PsfSettings settings;
  settings.padFactor = 3;
  settings.wavelengthNm = 600.0;
  settings.apertureDiameterMm = 150.0;
  settings.focalLengthMm = 750.0;
  const StarImage image = *ComputeStarImage(pupil, settings);
  std::string error;
  const FitsReadBack cropped = ReadFits(StarImageFitsBytes(image, 5.0, error));
  ASSERT_EQ(cropped.side[0], 31);
  ASSERT_EQ(cropped.side[1], 31);
  const int c = image.centreIndex;
  for (int stored = 0; stored < 31; ++stored) {
    const int row = c + 15 - stored;  // stored row 0 is the bottom
    for (int column = 0; column < 31; ++column) {
      ASSERT_NEAR(cropped.values[std::size_t(stored) * 31 + column],
                  image.At(row, c - 15 + column) / image.totalIntensity, 1e-15);
    }
  }
  EXPECT_DOUBLE_EQ(cropped.wavelength, 600e-9);
  EXPECT_DOUBLE_EQ(cropped.diameter, 0.15);
  EXPECT_DOUBLE_EQ(cropped.focal, 0.75);
  EXPECT_EQ(cropped.oversampling, 3);
  // 600 nm over 150 mm is 0.825 arcsec, a third of it per pixel.
  EXPECT_NEAR(cropped.pixelScale, 600e-9 / 0.15 * 180 / std::numbers::pi * 3600 / 3, 1e-12);
  // The star is stored row 15, column 15: FITS pixel 16 on both axes, and
  // one pixel right or up is one pixel scale more on the sky.
  EXPECT_EQ(std::string(cropped.creator).rfind("voka ", 0), 0u) << cropped.creator;
  for (int axis = 0; axis < 2; ++axis) {
    EXPECT_EQ(cropped.starPixel[axis], 16.0);
    EXPECT_EQ(cropped.starOffset[axis], 0.0);
    EXPECT_EQ(cropped.step[axis], cropped.pixelScale);
    EXPECT_STREQ(cropped.unit[axis], "arcsec");
  }
  EXPECT_STREQ(cropped.type[0], "XOFFSET");
  EXPECT_STREQ(cropped.type[1], "YOFFSET");

  // A field wider than the grid gives the whole grid, which sums to 1.
  const FitsReadBack whole = ReadFits(StarImageFitsBytes(image, 1000.0, error));
  EXPECT_EQ(whole.side[0], image.paddedSide - 1 + image.paddedSide % 2);
  EXPECT_EQ(whole.starPixel[0], (whole.side[0] + 1) / 2);
  double sum = 0.0;
  for (double v : whole.values) sum += v;
  EXPECT_LE(sum, 1.0 + 1e-12);
  EXPECT_GT(sum, 0.999);
}

// The change from A to B is stored as each image is: B's FITS minus A's,
// value by value, bottom row first.
TEST(StarImageExport, TheChangeIsBsFitsMinusAsFits) {
  PsfSettings settings;
  settings.padFactor = 3;
  const StarImage a = *ComputeStarImage(test::AnnularPupil(32, 0.4, 4.0, 2.0), settings);
  const StarImage b = *ComputeStarImage(test::AnnularPupil(32, 0.3, -3.0, 1.0), settings);
  const std::optional<StarImageDifference> change =
      DifferenceOf(a, b, 5.0, DifferenceScale::kLinear);
  ASSERT_TRUE(change);
  std::string error;
  const FitsReadBack stored = ReadFits(StarImageDifferenceFitsBytes(a, *change, error));
  const FitsReadBack fitsA = ReadFits(StarImageFitsBytes(a, 5.0, error));
  const FitsReadBack fitsB = ReadFits(StarImageFitsBytes(b, 5.0, error));
  ASSERT_EQ(stored.values.size(), fitsA.values.size());
  for (std::size_t i = 0; i < stored.values.size(); ++i)
    ASSERT_NEAR(stored.values[i], fitsB.values[i] - fitsA.values[i], 1e-15) << i;
  EXPECT_EQ(stored.starPixel[0], fitsA.starPixel[0]);
}

TEST(StarImageExport, BitmapPupilIsCentredInItsSquare) {
  // A 3 x 1 red strip: 255, 0, 51.
  const PupilAmplitude pupil = PupilFromRedChannel({255, 0, 51}, 3, 1);
  ASSERT_EQ(pupil.side, 3);
  const std::vector<double> expected = {0, 0, 0, 1, 0, 0.2, 0, 0, 0};
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_DOUBLE_EQ(pupil.amplitude[i], expected[i]);
  EXPECT_EQ(PupilFromRedChannel({1, 2}, 3, 1).side, 0);
  EXPECT_EQ(PupilFromOpenFraction({0.5, 1.5, 0, 0}, 2, {}).side, 0);
  EXPECT_EQ(PupilFromOpenFraction({0.5, NAN, 0, 0}, 2, {}).side, 0);
}

}  // namespace
}  // namespace voka::psf
