// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "camera/star_light.h"

namespace voka::camera {

enum class ColourMode {
  kVisual,  // what the eye sees: CIE 1931 XYZ, then sRGB
  kCamera,  // three channels of given responses, counting photons
  kMono,    // one channel, counting photons
};

// A camera's red, green and blue responses at ascending wavelengths.
struct ChannelResponse {
  std::vector<double> wavelengthsNm;
  std::vector<std::array<double, 3>> rgb;
};

// Three flat bands: blue 400-500, green 500-600, red 600-700 nm.
ChannelResponse FlatBandResponse();

// The wavelengths at which the star image is computed and how much of each
// goes into each channel. channel c of the camera image is
// Σᵢ weight(i, c) · PSFᵢ, each PSFᵢ normalised to the light through the
// pupil.
struct SpectralChannels {
  std::vector<double> wavelengthsNm;  // the centres of K equal bins of the band
  int channelCount = 0;               // 3 (R, G, B) or 1
  std::vector<double> weights;        // K x channelCount, wavelength-major
  std::string channelNames;           // "R,G,B" or "L"

  double Weight(std::size_t wavelength, int channel) const {
    return weights[wavelength * static_cast<std::size_t>(channelCount) +
                   static_cast<std::size_t>(channel)];
  }
};

// mono and camera: photon weights (power × λ/hc) summing to 1, times the
// channel's response at each wavelength (interpolated, not renormalised).
// visual: power weights summing to 1, through x̄ȳz̄ to XYZ scaled so that the
// star's Y is 1, then to linear sRGB, each channel divided by that of an
// equal-energy spectrum on the same samples, so that equal-energy white is
// neutral. Empty (no wavelengths) when the count is below 1, the band is
// empty, or the samples hold no light (in visual mode: none the eye sees).
SpectralChannels PlanSpectralChannels(const Spectrum& spectrum, int wavelengthCount,
                                      ColourMode mode,
                                      const ChannelResponse& response = FlatBandResponse());

}  // namespace voka::camera
