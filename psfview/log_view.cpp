// SPDX-License-Identifier: GPL-3.0-or-later
#include "psfview/log_view.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace voka::psf {

namespace {

// Ten evenly spaced samples of the viridis map; linear between them stays
// within a few levels of the full table.
constexpr Rgb kStops[] = {{68, 1, 84},    {72, 40, 120},  {62, 74, 137},  {49, 104, 142},
                          {38, 130, 142}, {31, 158, 137}, {53, 183, 121}, {109, 205, 89},
                          {180, 222, 44}, {253, 231, 37}};
constexpr int kStopCount = static_cast<int>(std::size(kStops));

}  // namespace

Rgb ColourMapAt(double position) {
  const double t = std::isfinite(position) ? std::clamp(position, 0.0, 1.0) : 0.0;
  const double scaled = t * (kStopCount - 1);
  const int below = std::min(static_cast<int>(scaled), kStopCount - 2);
  const double fraction = scaled - below;
  Rgb colour{};
  for (int channel = 0; channel < 3; ++channel) {
    const double value =
        kStops[below][channel] + fraction * (kStops[below + 1][channel] - kStops[below][channel]);
    colour[channel] = static_cast<std::uint8_t>(std::lround(value));
  }
  return colour;
}

std::vector<std::uint8_t> LogScaleRgb(const std::vector<double>& values, int width, int height,
                                      double peak, int decades) {
  const int clampedDecades = std::clamp(decades, kMinimumDecades, kMaximumDecades);
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::vector<std::uint8_t> rgb(count * 3);
  for (std::size_t i = 0; i < count && i < values.size(); ++i) {
    // Zero and negative values (none in an image, but possible after
    // rounding in a difference) take the dark end.
    const double relative = peak > 0.0 ? values[i] / peak : 0.0;
    const double position = relative > 0.0 ? 1.0 + std::log10(relative) / clampedDecades : 0.0;
    const Rgb colour = ColourMapAt(position);
    std::copy(colour.begin(), colour.end(), rgb.begin() + static_cast<std::ptrdiff_t>(i * 3));
  }
  return rgb;
}

}  // namespace voka::psf
