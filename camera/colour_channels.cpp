// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/colour_channels.h"

#include <numeric>

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

std::vector<double> NormalisedWeights(const Spectrum& spectrum,
                                      const std::vector<double>& wavelengthsNm, bool photons) {
  std::vector<double> weights;
  for (const double wavelength : wavelengthsNm) {
    const double power = SpectralPower(spectrum, wavelength);
    weights.push_back(photons ? power * PhotonsPerJoule(wavelength) : power);
  }
  const double sum = std::accumulate(weights.begin(), weights.end(), 0.0);
  if (sum > 0.0) {
    for (double& weight : weights) weight /= sum;
  }
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

void FillVisual(SpectralChannels& channels, const std::vector<double>& powerWeights) {
  const std::vector<double>& wavelengths = channels.wavelengthsNm;
  const std::vector<double> equalEnergy(wavelengths.size(), 1.0 / wavelengths.size());
  const std::array<double, 3> whiteRgb =
      LinearSrgbFromXyz(UnitLuminanceXyz(wavelengths, equalEnergy));
  double starY = 0.0;
  for (std::size_t i = 0; i < wavelengths.size(); ++i)
    starY += powerWeights[i] * CieXyzMatching(wavelengths[i])[1];
  for (std::size_t i = 0; i < wavelengths.size(); ++i) {
    std::array<double, 3> xyz = CieXyzMatching(wavelengths[i]);
    for (double& value : xyz) value *= powerWeights[i] / starY;
    const std::array<double, 3> rgb = LinearSrgbFromXyz(xyz);
    for (int c = 0; c < 3; ++c) channels.weights.push_back(rgb[c] / whiteRgb[c]);
  }
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
  channels.wavelengthsNm = BinCentres(spectrum.fromNm, spectrum.toNm, wavelengthCount);
  const std::vector<double> weights =
      NormalisedWeights(spectrum, channels.wavelengthsNm, mode != ColourMode::kVisual);
  if (mode == ColourMode::kMono) {
    channels.channelCount = 1;
    channels.channelNames = "L";
    channels.weights = weights;
    return channels;
  }
  channels.channelCount = 3;
  channels.channelNames = "R,G,B";
  if (mode == ColourMode::kVisual) {
    FillVisual(channels, weights);
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
