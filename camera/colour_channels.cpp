// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/colour_channels.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>

#include "camera/colour_matching.h"
#include "camera/planck.h"

namespace voka::camera {

namespace {

std::vector<double> BinCentres(double fromNm, double toNm, int count) {
  std::vector<double> centres(static_cast<std::size_t>(count));
  const double width = (toNm - fromNm) / count;
  for (int i = 0; i < count; ++i) centres[static_cast<std::size_t>(i)] = fromNm + (i + 0.5) * width;
  return centres;
}

std::vector<double> SampledWeights(const Spectrum& spectrum,
                                   const std::vector<double>& wavelengthsNm, bool photons,
                                   double powerScale) {
  std::vector<double> weights;
  for (const double wavelength : wavelengthsNm) {
    const double power = SpectralPower(spectrum, wavelength) * powerScale;
    weights.push_back(photons ? power * PhotonsPerJoule(wavelength) : power);
  }
  return weights;
}

// Weights summing to 1, or nothing when the samples hold no light. A table's
// weights are relative and may be written as large as a double holds; their
// photon counts then overflow, so they are first brought down by the largest.
std::optional<std::vector<double>> NormalisedWeights(const Spectrum& spectrum,
                                                     const std::vector<double>& wavelengthsNm,
                                                     bool photons) {
  std::vector<double> weights = SampledWeights(spectrum, wavelengthsNm, photons, 1.0);
  double sum = std::accumulate(weights.begin(), weights.end(), 0.0);
  if (!std::isfinite(sum)) {
    double largestPower = 0.0;
    for (const double wavelength : wavelengthsNm)
      largestPower = std::max(largestPower, SpectralPower(spectrum, wavelength));
    weights = SampledWeights(spectrum, wavelengthsNm, photons, 1.0 / largestPower);
    sum = std::accumulate(weights.begin(), weights.end(), 0.0);
  }
  if (!(sum > 0.0) || !std::isfinite(sum)) return std::nullopt;
  for (double& weight : weights) weight /= sum;
  return weights;
}

// XYZ of power weights, scaled so that Y is 1.
std::array<double, 3> UnitLuminanceXyz(const std::vector<double>& wavelengthsNm,
                                       const std::vector<double>& weights) {
  std::array<double, 3> xyz{};
  for (std::size_t i = 0; i < wavelengthsNm.size(); ++i) {
    const std::array<double, 3> matching = CieXyzMatching(wavelengthsNm[i]);
    for (int c = 0; c < 3; ++c) xyz[c] += weights[i] * matching[c];
  }
  const double luminance = xyz[1];
  for (double& value : xyz) value /= luminance;
  return xyz;
}

// False when the eye sees none of the star's light (all of it lies far
// outside the matching functions' range, or between the samples), or so
// little that dividing by it would overflow.
bool FillVisual(SpectralChannels& channels, const std::vector<double>& powerWeights) {
  const std::vector<double>& wavelengths = channels.wavelengthsNm;
  const std::vector<double> equalEnergy(wavelengths.size(), 1.0 / wavelengths.size());
  const std::array<double, 3> whiteRgb =
      LinearSrgbFromXyz(UnitLuminanceXyz(wavelengths, equalEnergy));
  double starY = 0.0;
  for (std::size_t i = 0; i < wavelengths.size(); ++i)
    starY += powerWeights[i] * CieXyzMatching(wavelengths[i])[1];
  if (!(starY >= std::numeric_limits<double>::min())) return false;
  for (std::size_t i = 0; i < wavelengths.size(); ++i) {
    std::array<double, 3> xyz = CieXyzMatching(wavelengths[i]);
    for (double& value : xyz) value *= powerWeights[i] / starY;
    const std::array<double, 3> rgb = LinearSrgbFromXyz(xyz);
    for (int c = 0; c < 3; ++c) channels.weights.push_back(rgb[c] / whiteRgb[c]);
  }
  return true;
}

}  // namespace

ChannelResponse FlatBandResponse() {
  // Steps at 500 and 600 nm, written as pairs of points a hair apart so that
  // linear interpolation keeps them sharp.
  constexpr double kEdge = 1e-9;
  return ChannelResponse{{400.0, 500.0 - kEdge, 500.0, 600.0 - kEdge, 600.0, 700.0},
                         {{0, 0, 1}, {0, 0, 1}, {0, 1, 0}, {0, 1, 0}, {1, 0, 0}, {1, 0, 0}}};
}

SpectralChannels PlanSpectralChannels(const Spectrum& spectrum, int wavelengthCount,
                                      ColourMode mode, const ChannelResponse& response) {
  SpectralChannels channels;
  if (wavelengthCount < 1 || !(spectrum.toNm > spectrum.fromNm)) return channels;
  const std::vector<double> centres = BinCentres(spectrum.fromNm, spectrum.toNm, wavelengthCount);
  const std::optional<std::vector<double>> normalised =
      NormalisedWeights(spectrum, centres, mode != ColourMode::kVisual);
  if (!normalised) return channels;
  const std::vector<double>& weights = *normalised;
  channels.wavelengthsNm = centres;
  if (mode == ColourMode::kMono) {
    channels.channelCount = 1;
    channels.channelNames = "L";
    channels.weights = weights;
    return channels;
  }
  channels.channelCount = 3;
  channels.channelNames = "R,G,B";
  if (mode == ColourMode::kVisual) {
    if (!FillVisual(channels, weights)) return SpectralChannels{};
    return channels;
  }
  std::array<std::vector<double>, 3> responseOfChannel;
  for (const std::array<double, 3>& rgb : response.rgb) {
    for (int c = 0; c < 3; ++c) responseOfChannel[c].push_back(rgb[c]);
  }
  for (std::size_t i = 0; i < channels.wavelengthsNm.size(); ++i) {
    for (int c = 0; c < 3; ++c) {
      channels.weights.push_back(weights[i] * InterpolatedAt(response.wavelengthsNm,
                                                             responseOfChannel[c],
                                                             channels.wavelengthsNm[i]));
    }
  }
  return channels;
}

}  // namespace voka::camera
