// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/camera_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "psf/psf_numbers.h"

namespace voka::camera {

namespace {

// Points per pixel side for the part of a pixel inside a circle: the share of
// a pixel the rim cuts is within about 2e-3 of its exact area.
constexpr int kAreaSamples = 64;

double ChannelLight(const SpectralChannels& channels, int channel) {
  double total = 0.0;
  for (std::size_t i = 0; i < channels.wavelengthsNm.size(); ++i)
    total += channels.Weight(i, channel);
  return total;
}

// The part of pixel (row, column), a unit square, inside the circle.
double AreaInside(int row, int column, double centreRow, double centreColumn, double radius) {
  const double nearRow = std::clamp(centreRow, double(row), row + 1.0) - centreRow;
  const double nearColumn = std::clamp(centreColumn, double(column), column + 1.0) - centreColumn;
  if (std::hypot(nearRow, nearColumn) >= radius) return 0.0;
  const double farRow = std::max(std::abs(row - centreRow), std::abs(row + 1 - centreRow));
  const double farColumn =
      std::max(std::abs(column - centreColumn), std::abs(column + 1 - centreColumn));
  if (std::hypot(farRow, farColumn) <= radius) return 1.0;
  int inside = 0;
  for (int a = 0; a < kAreaSamples; ++a) {
    for (int b = 0; b < kAreaSamples; ++b) {
      const double y = row + (a + 0.5) / kAreaSamples - centreRow;
      const double x = column + (b + 0.5) / kAreaSamples - centreColumn;
      if (x * x + y * y <= radius * radius) ++inside;
    }
  }
  return double(inside) / (kAreaSamples * kAreaSamples);
}

double EncircledShare(const CameraImage& image, const CameraSettings& settings, double radius) {
  const int side = image.pixels.side;
  // The star's position in pixel coordinates from the top left corner.
  const double centreColumn = side / 2 + 0.5 + settings.offsetXPixels;
  const double centreRow = (side - 1 - side / 2) + 0.5 - settings.offsetYPixels;
  double share = 0.0;
  for (int c = 0; c < image.channels.channelCount; ++c) {
    const double light = ChannelLight(image.channels, c);
    if (light == 0.0) continue;
    double inside = 0.0;
    for (int row = 0; row < side; ++row) {
      for (int column = 0; column < side; ++column) {
        const double area = AreaInside(row, column, centreRow, centreColumn, radius);
        if (area > 0.0)
          inside += area * image.pixels.At(c, static_cast<std::size_t>(row) * side + column);
      }
    }
    share += inside / light;
  }
  return share / image.channels.channelCount;
}

}  // namespace

double SamplingQ(const CameraSettings& settings, double wavelengthNm) {
  // λ in nm and F, D in mm; p in µm: λF/(pD) = (λ·1e-3 µm)·F/(p·D).
  return wavelengthNm * 1e-3 * settings.focalLengthMm /
         (settings.pixelPitchUm * settings.apertureDiameterMm);
}

CameraNumbers ComputeCameraNumbers(const CameraImage& image, const CameraSettings& settings,
                                   const psf::PupilField& pupil) {
  CameraNumbers numbers;
  const std::size_t pixels = static_cast<std::size_t>(image.pixels.side) * image.pixels.side;
  for (int c = 0; c < image.channels.channelCount; ++c) {
    double brightest = 0.0;
    for (std::size_t p = 0; p < pixels; ++p) brightest = std::max(brightest, image.pixels.At(c, p));
    const double light = ChannelLight(image.channels, c);
    numbers.brightestPixelFraction.push_back(light != 0.0 ? brightest / light : 0.0);
  }
  numbers.encircledEnergy1Pixel = EncircledShare(image, settings, 1.0);
  numbers.encircledEnergy2Pixels = EncircledShare(image, settings, 2.0);
  numbers.encircledEnergy3Pixels = EncircledShare(image, settings, 3.0);
  numbers.spikeFraction = psf::ComputeSpikeFraction(pupil, kSamplingWavelengthNm);
  numbers.samplingQ = SamplingQ(settings, kSamplingWavelengthNm);
  numbers.subsamples = image.subsamples;
  return numbers;
}

namespace {

// The shortest text that reads back as the same double; JSON has no NaN or
// infinity, so those become null.
std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

}  // namespace

std::string CameraNumbersJson(const CameraNumbers& numbers) {
  std::string json = "{\n  \"peak_fraction\": [";
  for (std::size_t c = 0; c < numbers.brightestPixelFraction.size(); ++c)
    json += (c == 0 ? "" : ", ") + JsonNumber(numbers.brightestPixelFraction[c]);
  json += "],\n";
  const std::pair<const char*, double> values[] = {
      {"ee_1px", numbers.encircledEnergy1Pixel},  {"ee_2px", numbers.encircledEnergy2Pixels},
      {"ee_3px", numbers.encircledEnergy3Pixels}, {"spike_fraction", numbers.spikeFraction},
      {"sampling_q", numbers.samplingQ},
  };
  for (const auto& [key, value] : values)
    json += std::string("  \"") + key + "\": " + JsonNumber(value) + ",\n";
  json += "  \"subsampling\": " + std::to_string(numbers.subsamples) + "\n}\n";
  return json;
}

}  // namespace voka::camera
