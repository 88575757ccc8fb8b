// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "limits/limits.h"

namespace voka::camera {

// How many times the brightest pixel exceeds full well: 1 just fills it.
inline constexpr double kMinimumExposure = limits::Exposure().minimum;
inline constexpr double kMaximumExposure = limits::Exposure().maximum;

enum class Stretch { kLinear, kLog, kAsinh };

// A camera image: channelCount planes of side² pixels, plane-major.
struct ChannelPlanes {
  int side = 0;
  int channelCount = 0;
  std::vector<double> values;

  double At(int channel, std::size_t pixel) const {
    return values[static_cast<std::size_t>(channel) * static_cast<std::size_t>(side) * side +
                  pixel];
  }
};

// What the sensor holds after an exposure: each value clipped at full well,
// which is the brightest value of any channel divided by the exposure.
struct Exposed {
  ChannelPlanes planes;
  double fullWell = 0.0;
};

Exposed Expose(const ChannelPlanes& light, double exposure);

// The full well at which `light` is exposed by `exposure`; 0 for no light or
// an exposure out of range.
double FullWell(const ChannelPlanes& light, double exposure);

// `light` clipped at a full well given, so that two images exposed at one
// full well are shown on one stretch. Nothing is clipped, and the image
// stays dark, for a full well that is not positive.
Exposed ExposeToFullWell(const ChannelPlanes& light, double fullWell);

// Whether any channel of the pixel reached full well.
bool Saturated(const Exposed& exposed, std::size_t pixel);

struct DisplaySettings {
  Stretch stretch = Stretch::kAsinh;
  // asinh softening β: the stretch is linear below about 1/β of full well.
  double asinhSoftening = 100.0;
  // Decades shown by the log stretch.
  double logDecades = 4.0;
  // Saturated pixels are drawn in this colour (white unless flagged).
  std::array<std::uint8_t, 3> saturatedColour{255, 255, 255};
};

// 8-bit sRGB, three bytes a pixel, rows top first as the planes are. One
// channel is drawn grey. The asinh stretch scales all channels of a pixel
// by one factor of their mean, so that a star keeps its colour (R. Lupton
// et al., "Preparing Red-Green-Blue Images from CCD Data", PASP 116, 133
// (2004)); the stretched linear values are then sRGB-encoded.
std::vector<std::uint8_t> DisplayRgb8(const Exposed& exposed, const DisplaySettings& settings);

// The stretched linear values of one pixel, before encoding and before the
// saturated colour (for tests and for readers of the picture).
std::array<double, 3> StretchedPixel(const Exposed& exposed, std::size_t pixel,
                                     const DisplaySettings& settings);

}  // namespace voka::camera
