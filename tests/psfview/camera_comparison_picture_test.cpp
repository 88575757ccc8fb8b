// SPDX-License-Identifier: GPL-3.0-or-later
// A and B of a camera comparison on one stretch.

#include "psfview/camera_comparison_picture.h"

#include <gtest/gtest.h>

namespace voka::psfview {
namespace {

camera::CameraImage GreyImage(std::vector<double> values, int side = 2) {
  camera::CameraImage image;
  image.pixels = {side, 1, std::move(values)};
  return image;
}

// B holds twice A's light: shown alone, each would look the same; on one
// stretch A is the dimmer, and its brightest pixel is not at full well.
TEST(CameraComparisonPicture, TwiceTheLightLooksBrighterOnOneStretch) {
  const camera::CameraImage a = GreyImage({0.1, 0.05, 0.02, 0.0});
  const camera::CameraImage b = GreyImage({0.2, 0.1, 0.04, 0.0});
  camera::DisplaySettings linear;
  linear.stretch = camera::Stretch::kLinear;
  const auto pictures = CameraComparisonPicturesOf(a, b, {}, 1.0, linear);
  ASSERT_TRUE(pictures);
  for (int pixel = 0; pixel < 3; ++pixel) {
    const QPoint at(pixel % 2, pixel / 2);
    EXPECT_LT(qGray(pictures->a.image.pixel(at)), qGray(pictures->b.image.pixel(at))) << pixel;
  }
  EXPECT_EQ(pictures->b.image.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu) << "B's brightest at full well";
  // More light in B everywhere it has any: the change is red of the middle.
  EXPECT_GT(qRed(pictures->change.image.pixel(0, 0)), qBlue(pictures->change.image.pixel(0, 0)));
  const auto same = CameraComparisonPicturesOf(a, a, {}, 1.0, linear);
  EXPECT_EQ(same->change.image.pixel(0, 0), same->change.image.pixel(1, 1)) << "no change anywhere";
  EXPECT_FALSE(
      CameraComparisonPicturesOf(a, GreyImage(std::vector<double>(9, 0.1), 3), {}, 1.0, linear));
}

}  // namespace
}  // namespace voka::psfview
