// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/camera_change.h"

#include <algorithm>
#include <cassert>

namespace voka::camera {

std::optional<ChannelPlanes> CameraImageChange(const CameraImage& a, const CameraImage& b) {
  if (a.pixels.side != b.pixels.side || a.pixels.channelCount != b.pixels.channelCount ||
      a.pixels.values.size() != b.pixels.values.size())
    return std::nullopt;
  ChannelPlanes change = a.pixels;
  for (std::size_t i = 0; i < change.values.size(); ++i)
    change.values[i] = b.pixels.values[i] - a.pixels.values[i];
  return change;
}

CameraNumbers CameraNumbersChange(const CameraNumbers& a, const CameraNumbers& b) {
  assert(a.brightestPixelFraction.size() == b.brightestPixelFraction.size());
  CameraNumbers change;
  const std::size_t channels =
      std::min(a.brightestPixelFraction.size(), b.brightestPixelFraction.size());
  for (std::size_t c = 0; c < channels; ++c)
    change.brightestPixelFraction.push_back(b.brightestPixelFraction[c] -
                                            a.brightestPixelFraction[c]);
  change.encircledEnergy1Pixel = b.encircledEnergy1Pixel - a.encircledEnergy1Pixel;
  change.encircledEnergy2Pixels = b.encircledEnergy2Pixels - a.encircledEnergy2Pixels;
  change.encircledEnergy3Pixels = b.encircledEnergy3Pixels - a.encircledEnergy3Pixels;
  change.spikeFraction = b.spikeFraction - a.spikeFraction;
  change.samplingQ = b.samplingQ - a.samplingQ;
  change.subsamples = b.subsamples - a.subsamples;
  return change;
}

std::vector<NamedCameraNumber> NamedCameraNumbers(const CameraNumbers& numbers) {
  std::vector<NamedCameraNumber> named;
  for (std::size_t c = 0; c < numbers.brightestPixelFraction.size(); ++c)
    named.push_back({"peak_fraction[" + std::to_string(c) + "]", numbers.brightestPixelFraction[c],
                     false, static_cast<int>(c)});
  named.push_back({"ee_1px", numbers.encircledEnergy1Pixel});
  named.push_back({"ee_2px", numbers.encircledEnergy2Pixels});
  named.push_back({"ee_3px", numbers.encircledEnergy3Pixels});
  named.push_back({"spike_fraction", numbers.spikeFraction});
  named.push_back({"sampling_q", numbers.samplingQ});
  named.push_back({"subsampling", static_cast<double>(numbers.subsamples), true});
  return named;
}

}  // namespace voka::camera
