// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/camera_fits.h"

#include <fitsio.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace voka::camera {
namespace {

TEST(CameraFits, CubeHoldsPlanesBottomRowFirstAndTheCameraInItsHeader) {
  CameraImage image;
  image.channels.channelCount = 3;
  image.channels.channelNames = "R,G,B";
  image.channels.wavelengthsNm = {450.0, 550.0, 650.0};
  image.pixels = ChannelPlanes{4, 3, std::vector<double>(48, 0.0)};
  image.pixels.values[16 + 0] = 0.25;  // green, top left
  CameraSettings settings;
  settings.offsetXPixels = 0.5;
  std::string error;
  std::string bytes = CameraFitsBytes(image, settings, 1000.0, error);
  ASSERT_FALSE(bytes.empty()) << error;

  void* buffer = bytes.data();
  std::size_t size = bytes.size();
  fitsfile* file = nullptr;
  int status = 0;
  fits_open_memfile(&file, "cube", READONLY, &buffer, &size, 0, nullptr, &status);
  ASSERT_EQ(status, 0);
  long axes[3] = {};
  int dimensions = 0;
  fits_get_img_dim(file, &dimensions, &status);
  fits_get_img_size(file, 3, axes, &status);
  EXPECT_EQ(dimensions, 3);
  EXPECT_EQ(axes[2], 3);
  double value = 0.0;
  long first[3] = {1, 4, 2};  // x = 1, y = top row, plane 2 (green)
  fits_read_pix(file, TDOUBLE, first, 1, nullptr, &value, nullptr, &status);
  EXPECT_EQ(value, 0.25);
  double number = 0.0;
  char text[FLEN_VALUE] = {};
  fits_read_key(file, TDOUBLE, "PIXSIZE", &number, nullptr, &status);
  EXPECT_DOUBLE_EQ(number, 3.76e-6);
  fits_read_key(file, TDOUBLE, "CRPIX1", &number, nullptr, &status);
  EXPECT_DOUBLE_EQ(number, 3.5);  // pixel 2 from 0, plus half a pixel
  fits_read_key(file, TDOUBLE, "TEMP", &number, nullptr, &status);
  EXPECT_DOUBLE_EQ(number, 5800.0);
  fits_read_key(file, TDOUBLE, "WAVEMAX", &number, nullptr, &status);
  EXPECT_DOUBLE_EQ(number, 700e-9);
  fits_read_key(file, TSTRING, "CHANNELS", text, nullptr, &status);
  EXPECT_STREQ(text, "R,G,B");
  EXPECT_EQ(status, 0);
  fits_close_file(file, &status);
}

}  // namespace
}  // namespace voka::camera
