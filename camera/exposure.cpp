// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/exposure.h"

#include <algorithm>
#include <cmath>

#include "camera/colour_matching.h"

namespace voka::camera {

namespace {

double StretchedValue(double fraction, const DisplaySettings& settings) {
  switch (settings.stretch) {
    case Stretch::kLinear:
      return fraction;
    case Stretch::kLog: {
      const double floor = std::pow(10.0, -settings.logDecades);
      return (std::log10(std::max(fraction, floor)) + settings.logDecades) / settings.logDecades;
    }
    case Stretch::kAsinh:
      return std::asinh(settings.asinhSoftening * fraction) / std::asinh(settings.asinhSoftening);
  }
  return fraction;
}

std::uint8_t Encoded(double linear) {
  return static_cast<std::uint8_t>(std::lround(255.0 * SrgbEncoded(linear)));
}

}  // namespace

double FullWell(const ChannelPlanes& light, double exposure) {
  if (light.values.empty() || !(exposure >= kMinimumExposure && exposure <= kMaximumExposure))
    return 0.0;
  return *std::max_element(light.values.begin(), light.values.end()) / exposure;
}

Exposed ExposeToFullWell(const ChannelPlanes& light, double fullWell) {
  Exposed exposed{light, 0.0};
  if (!(fullWell > 0.0) || !std::isfinite(fullWell)) return exposed;
  exposed.fullWell = fullWell;
  for (double& value : exposed.planes.values) value = std::clamp(value, 0.0, exposed.fullWell);
  return exposed;
}

Exposed Expose(const ChannelPlanes& light, double exposure) {
  return ExposeToFullWell(light, FullWell(light, exposure));
}

bool Saturated(const Exposed& exposed, std::size_t pixel) {
  if (!(exposed.fullWell > 0.0)) return false;
  for (int c = 0; c < exposed.planes.channelCount; ++c) {
    if (exposed.planes.At(c, pixel) >= exposed.fullWell) return true;
  }
  return false;
}

std::array<double, 3> StretchedPixel(const Exposed& exposed, std::size_t pixel,
                                     const DisplaySettings& settings) {
  const int channels = exposed.planes.channelCount;
  std::array<double, 3> value{};
  for (int c = 0; c < 3; ++c) {
    value[c] = exposed.fullWell > 0.0
                   ? exposed.planes.At(std::min(c, channels - 1), pixel) / exposed.fullWell
                   : 0.0;
  }
  if (settings.stretch != Stretch::kAsinh) {
    for (double& v : value) v = StretchedValue(v, settings);
    return value;
  }
  const double mean = (value[0] + value[1] + value[2]) / 3.0;
  if (!(mean > 0.0)) return {0.0, 0.0, 0.0};
  const double factor = StretchedValue(mean, settings) / mean;
  for (double& v : value) v *= factor;
  // Lupton's clipping: scale the pixel down as a whole rather than clip one
  // channel, which would change its colour.
  const double largest = std::max({value[0], value[1], value[2]});
  if (largest > 1.0) {
    for (double& v : value) v /= largest;
  }
  return value;
}

std::vector<std::uint8_t> DisplayRgb8(const Exposed& exposed, const DisplaySettings& settings) {
  const std::size_t pixels =
      static_cast<std::size_t>(exposed.planes.side) * static_cast<std::size_t>(exposed.planes.side);
  std::vector<std::uint8_t> rgb;
  rgb.reserve(pixels * 3);
  for (std::size_t pixel = 0; pixel < pixels; ++pixel) {
    if (Saturated(exposed, pixel)) {
      rgb.insert(rgb.end(), settings.saturatedColour.begin(), settings.saturatedColour.end());
      continue;
    }
    for (const double v : StretchedPixel(exposed, pixel, settings)) rgb.push_back(Encoded(v));
  }
  return rgb;
}

}  // namespace voka::camera
