// SPDX-License-Identifier: GPL-3.0-or-later
#include "psfview/camera_picture.h"

#include <gtest/gtest.h>

namespace voka::psfview {
namespace {

// Three channels on 2x2 pixels, rows top first: a red-dominated pixel at the
// top left, the brightest at the bottom right, the rest dark.
camera::CameraImage TwoByTwo() {
  camera::CameraImage image;
  image.pixels = camera::ChannelPlanes{2, 3, std::vector<double>(12, 0.0)};
  image.pixels.values[0] = 0.2;      // red, top left
  image.pixels.values[4 + 0] = 0.1;  // green, top left
  for (int c = 0; c < 3; ++c) image.pixels.values[c * 4 + 3] = 1.0;
  return image;
}

TEST(CameraPicture, OneSrgbPixelPerSensorPixelWithSaturationFlagged) {
  camera::DisplaySettings display;
  display.stretch = camera::Stretch::kLinear;
  display.saturatedColour = {255, 0, 255};
  const QImage shown = CameraPictureImage(TwoByTwo(), 1.0, display);
  ASSERT_EQ(shown.size(), QSize(2, 2));
  EXPECT_EQ(shown.pixel(1, 1), qRgb(255, 0, 255)) << "the full well shows the flag";
  EXPECT_EQ(shown.pixel(1, 0), qRgb(0, 0, 0));
  const QRgb reddish = shown.pixel(0, 0);
  EXPECT_GT(qRed(reddish), qGreen(reddish));
  EXPECT_EQ(qBlue(reddish), 0);
  // Ten times the exposure fills the top left's red: a pixel with one
  // channel at full well is saturated as a whole.
  EXPECT_EQ(CameraPictureImage(TwoByTwo(), 10.0, display).pixel(0, 0), qRgb(255, 0, 255));
  EXPECT_TRUE(CameraPictureImage(camera::CameraImage{}, 1.0, display).isNull());
}

}  // namespace
}  // namespace voka::psfview
