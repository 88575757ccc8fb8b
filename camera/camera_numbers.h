// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "camera/camera_image.h"
#include "psf/pupil_amplitude.h"

namespace voka::camera {

// Below this the core falls in one pixel: Q = λF/(pD) < 2 is under-sampled.
inline constexpr double kNyquistSamplingQ = 2.0;
// The wavelength at which the sampling is stated.
inline constexpr double kSamplingWavelengthNm = 550.0;

// The numbers by which a camera's image of a star is judged.
struct CameraNumbers {
  // Per channel, the brightest pixel's share of that channel's light.
  std::vector<double> brightestPixelFraction;
  // The share of the light (channels averaged) within circles of 1, 2 and
  // 3 pixels' radius about the star, each pixel counted by the part of its
  // area inside.
  double encircledEnergy1Pixel = 0.0;
  double encircledEnergy2Pixels = 0.0;
  double encircledEnergy3Pixels = 0.0;
  // The share of the light the pupil sends out of round (psf/psf_numbers.h),
  // at kSamplingWavelengthNm when the pupil has a phase.
  double spikeFraction = 0.0;
  double samplingQ = 0.0;  // λF/(pD) at kSamplingWavelengthNm
  int subsamples = 0;

  bool UnderSampled() const { return samplingQ < kNyquistSamplingQ; }
};

// `pupil` is the one the image was made of.
CameraNumbers ComputeCameraNumbers(const CameraImage& image, const CameraSettings& settings,
                                   const psf::PupilField& pupil);

// The numbers as an indented JSON object with the keys peak_fraction (a list,
// one per channel), ee_1px, ee_2px, ee_3px, spike_fraction, sampling_q and
// subsampling; numbers written so that they read back exactly.
std::string CameraNumbersJson(const CameraNumbers& numbers);

// The sampling Q = λF/(pD) of a camera at a wavelength.
double SamplingQ(const CameraSettings& settings, double wavelengthNm);

}  // namespace voka::camera
