// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/pupil_amplitude.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace voka::psf {

namespace {

constexpr double kFullRed = 255.0;

}  // namespace

PupilAmplitude PupilFromRedChannel(const std::vector<std::uint8_t>& red, int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaximumPupilSide || height > kMaximumPupilSide ||
      red.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return {};
  }
  PupilAmplitude pupil;
  pupil.side = std::max(width, height);
  const std::size_t side = static_cast<std::size_t>(pupil.side);
  pupil.amplitude.assign(side * side, 0.0);
  // Centred, so that the aperture's middle stays the square's middle.
  const std::size_t left = (side - static_cast<std::size_t>(width)) / 2;
  const std::size_t top = (side - static_cast<std::size_t>(height)) / 2;
  for (std::size_t row = 0; row < static_cast<std::size_t>(height); ++row) {
    for (std::size_t column = 0; column < static_cast<std::size_t>(width); ++column) {
      pupil.amplitude[(top + row) * side + left + column] =
          red[row * static_cast<std::size_t>(width) + column] / kFullRed;
    }
  }
  return pupil;
}

PupilAmplitude PupilFromOpenFraction(std::vector<double> openFraction, int side,
                                     std::vector<double> vaneAnglesDeg) {
  if (side <= 0 || side > kMaximumPupilSide ||
      openFraction.size() != static_cast<std::size_t>(side) * static_cast<std::size_t>(side)) {
    return {};
  }
  const bool valid = std::all_of(openFraction.begin(), openFraction.end(), [](double value) {
    return std::isfinite(value) && value >= 0.0 && value <= 1.0;
  });
  if (!valid) return {};
  PupilAmplitude pupil;
  pupil.side = side;
  pupil.amplitude = std::move(openFraction);
  pupil.vaneAnglesDeg = std::move(vaneAnglesDeg);
  return pupil;
}

bool PupilLetsLightThrough(const PupilAmplitude& pupil) {
  if (pupil.side <= 0 || pupil.side > kMaximumPupilSide ||
      pupil.amplitude.size() !=
          static_cast<std::size_t>(pupil.side) * static_cast<std::size_t>(pupil.side)) {
    return false;
  }
  if (pupil.HasPhase() && (pupil.opdNm.size() != pupil.amplitude.size() ||
                           !std::all_of(pupil.opdNm.begin(), pupil.opdNm.end(),
                                        [](double value) { return std::isfinite(value); }))) {
    return false;
  }
  return std::any_of(pupil.amplitude.begin(), pupil.amplitude.end(),
                     [](double value) { return value > 0.0; });
}

}  // namespace voka::psf
