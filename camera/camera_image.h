// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "camera/colour_channels.h"
#include "camera/exposure.h"
#include "limits/limits.h"
#include "psf/psf_progress.h"
#include "psf/pupil_amplitude.h"

namespace voka::camera {

// The largest field and the largest sub-sampled grid: the grid's planes and
// each wavelength's kernels grow with its side.
inline constexpr int kMaximumFieldPixels = static_cast<int>(limits::CameraFieldPixels().maximum);
inline constexpr int kMaximumFineSide = static_cast<int>(limits::SubsampledSide().maximum);

// A telescope, a camera and a star.
struct CameraSettings {
  double pixelPitchUm = limits::PixelPitchUm().defaultValue;
  double focalLengthMm = 1000.0;
  double apertureDiameterMm = 200.0;
  Spectrum spectrum;  // a 5800 K blackbody over 400-700 nm
  int wavelengthCount = static_cast<int>(limits::WavelengthCount().defaultValue);
  ColourMode colour = ColourMode::kVisual;
  ChannelResponse response = FlatBandResponse();
  int fieldPixels = static_cast<int>(limits::CameraFieldPixels().defaultValue);  // across the field
  // Where the star sits, in pixels from the centre of pixel
  // (fieldPixels/2, fieldPixels/2) counted from the bottom left: right, up.
  double offsetXPixels = 0.0;
  double offsetYPixels = 0.0;
};

// What the sensor collects: each channel's light per pixel, rows top first,
// as the fraction of the light through the pupil (in the mode's units) that
// falls there. The planes sum to slightly less than 1: some light falls
// outside the field.
struct CameraImage {
  SpectralChannels channels;
  int subsamples = 0;  // per pixel side
  ChannelPlanes pixels;
  // The same before the pixels' box: (fieldPixels · subsamples)² values a
  // channel, each a sub-sample's share.
  ChannelPlanes subsampled;
};

enum class CameraRefusal {
  kNone,
  kNoLight,      // the pupil lets no light through
  kSettings,     // a value that is not positive and finite, or a field out of range
  kSpectrum,     // no wavelengths, or no light in the band
  kSubsampling,  // the pixels are too coarse for the shortest wavelength
  kFineGridTooLarge,
};

struct CameraOutcome {
  std::optional<CameraImage> image;  // empty when cancelled or refused
  CameraRefusal refusal = CameraRefusal::kNone;
};

// Each wavelength's field by a matrix Fourier transform straight onto the
// sensor's sub-sample grid (fixed in angle: a sub-sample is p/(F·s)
// radians whatever the wavelength), its intensity weighted into the
// channels, then each pixel's sub-samples summed. The pupil's phase is an
// optical path, so each wavelength gets its own field 2π·W/λ: no image is
// made by scaling another. A caller that renders again and again keeps a
// CameraRenderer (camera/camera_renderer.h) instead, which keeps the kernels.
CameraOutcome ComputeCameraImage(const psf::PupilField& pupil, const CameraSettings& settings,
                                 const psf::PsfProgress& progress = {});

}  // namespace voka::camera
