// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "camera/camera_image.h"
#include "camera/camera_numbers.h"

namespace voka::camera {

// The change from camera image A to camera image B, both made with the same
// settings: B − A per channel and pixel, rows top first as the images are.
// Nothing when the two are not on one sensor grid (a different field or a
// different number of channels).
std::optional<ChannelPlanes> CameraImageChange(const CameraImage& a, const CameraImage& b);

// The change of every number from A to B: b − a, the brightest-pixel fraction
// channel by channel. A against itself gives zeros; swapping A and B negates
// every value. The channel lists must be of one length (one colour mode).
CameraNumbers CameraNumbersChange(const CameraNumbers& a, const CameraNumbers& b);

// One number of a camera image under the key its JSON gives it, the
// brightest-pixel fraction of channel c as "peak_fraction[c]".
struct NamedCameraNumber {
  std::string key;
  double value = 0.0;
  bool count = false;  // a whole number (the sub-sampling)
  int channel = -1;    // the channel of a brightest-pixel fraction
};

// The numbers one by one, in the order CameraNumbersJson writes them.
std::vector<NamedCameraNumber> NamedCameraNumbers(const CameraNumbers& numbers);

}  // namespace voka::camera
