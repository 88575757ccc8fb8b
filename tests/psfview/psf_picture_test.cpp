// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "psf/star_image.h"
#include "psfview/axis_ticks.h"
#include "psfview/log_view_image.h"
#include "psfview/psf_picture_painter.h"

namespace voka::psfview {
namespace {

TEST(RoundTicks, StepsOfOneTwoOrFiveAndNothingForABadRange) {
  EXPECT_EQ(RoundTicks(-11.3, 11.3, 6), (std::vector<double>{-10, -5, 0, 5, 10}));
  EXPECT_EQ(RoundTicks(0, 25, 5), (std::vector<double>{0, 5, 10, 15, 20, 25}));
  EXPECT_EQ(RoundTicks(-7, 7, 5), (std::vector<double>{-5, 0, 5})) << "2.8 rounds up to 5";
  EXPECT_TRUE(RoundTicks(1, 1, 5).empty());
  EXPECT_TRUE(RoundTicks(0, std::nan(""), 5).empty());
}

TEST(LogViewImage, DrawsThePeakAtTheCentreWithAxesAndBarAsTheWindowDoes) {
  // A single bright pixel at the zero frequency of a 64² grid.
  psf::StarImage image;
  image.pupilSide = 16;
  image.padFactor = 4;
  image.paddedSide = 64;
  image.centreIndex = 32;
  image.halfWidth = 33;
  image.intensity.assign(std::size_t(image.halfWidth) * image.paddedSide, 0.0);
  image.intensity[std::size_t(image.centreIndex)] = 1.0;
  image.peakIntensity = 1.0;
  image.scale.lambdaOverDArcsec = 0.5;
  const QImage drawn = LogViewImage(image, 5, 4.0);  // ±16 pixels, enlarged
  const QRect area = PictureImageArea(drawn.size());
  ASSERT_EQ(drawn.size(), PictureSizeFor(area.width()));
  EXPECT_EQ(area.width() % 33, 0) << "whole-pixel enlargement of 33 pixels";
  const QRgb peak = drawn.pixel(area.center());
  const QRgb beside = drawn.pixel(area.center() + QPoint(area.width() / 4, 0));
  EXPECT_NE(peak, beside);
  // The bar's top is the peak colour; the tick labels below the image are ink.
  bool peakInBar = false;
  for (int x = area.right() + 1; x < drawn.width(); ++x)
    peakInBar |= drawn.pixel(x, area.top() + 1) == peak;
  EXPECT_TRUE(peakInBar);
  int ink = 0;
  for (int y = area.bottom() + 1; y < drawn.height(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ink += drawn.pixel(x, y) == qRgb(0, 0, 0);
  EXPECT_GT(ink, 20) << "tick labels in arcseconds under the image";
}

}  // namespace
}  // namespace voka::psfview
