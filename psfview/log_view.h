// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "limits/limits.h"

namespace voka::psf {

constexpr int kMinimumDecades = static_cast<int>(limits::Decades().minimum);
constexpr int kMaximumDecades = static_cast<int>(limits::Decades().maximum);
constexpr int kDefaultDecades = static_cast<int>(limits::Decades().defaultValue);

using Rgb = std::array<std::uint8_t, 3>;

// A perceptually uniform colour map (dark blue to yellow); position in [0, 1],
// clamped.
Rgb ColourMapAt(double position);

// The image in log scale: each value relative to `peak`, 10^-decades..1
// mapped to the colour map's ends (below: its dark end). `values` is
// row-major, width * height; the result holds 3 bytes per pixel, same order.
std::vector<std::uint8_t> LogScaleRgb(const std::vector<double>& values, int width, int height,
                                      double peak, int decades);

}  // namespace voka::psf
