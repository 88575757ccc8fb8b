// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "psf/image_scale.h"
#include "psf/psf_progress.h"
#include "psf/psf_settings.h"
#include "psf/pupil_amplitude.h"

namespace voka::psf {

// The point-spread function on the whole padded grid.
//
// At(row, column) reads the grid: top row first (rows run toward -y, columns
// toward +x), paddedSide² values, with the zero frequency at (row, column) =
// (centreIndex, centreIndex). One pixel is 1/padFactor λ/D. The unit is the
// peak of a clear, unobstructed aperture of the same diameter on the same
// grid, so the value at the centre is the peak ratio.
//
// The image of a real pupil (one without phase) is symmetric through its
// centre, so only the columns from the centre rightward are stored,
// halfWidth = paddedSide/2 + 1 of them, each whole and top row first:
// `intensity` holds column centreIndex + j at [j * paddedSide,
// (j + 1) * paddedSide). On an even grid the last stored column stands for
// column 0, the frequency -paddedSide/2. Half the memory of the whole grid,
// and the transform fills it in long runs.
//
// The image of a pupil with a phase has no such symmetry, and is stored
// whole (wholeGrid): column c, top row first, at [c * paddedSide,
// (c + 1) * paddedSide).
struct StarImage {
  int pupilSide = 0;
  int padFactor = 0;
  int paddedSide = 0;   // pupilSide * padFactor
  int centreIndex = 0;  // paddedSide / 2
  int halfWidth = 0;    // paddedSide / 2 + 1
  bool wholeGrid = false;
  std::vector<double> intensity;
  double totalIntensity = 0.0;  // sum over the whole padded grid
  double peakIntensity = 0.0;   // largest value
  ImageScale scale;
  PsfSettings settings;

  double At(int row, int column) const {
    if (wholeGrid) return intensity[static_cast<std::size_t>(column) * paddedSide + row];
    int frequencyX = column - centreIndex;
    if (frequencyX < 0) {
      frequencyX = -frequencyX;
      row = 2 * centreIndex - row;
      if (row >= paddedSide) row -= paddedSide;
    }
    return intensity[static_cast<std::size_t>(frequencyX) * paddedSide + row];
  }
};

// Pads the pupil to padFactor times its side, transforms it once and keeps
// |field|², zero frequency at the centre. A pupil with a phase is the complex
// field at settings.wavelengthNm, and its image is stored whole. Nothing
// when cancelled, and nothing for a pupil that lets no light through,
// settings that CheckPsfSettings refuses or a padded side over
// kMaximumPaddedSide.
std::optional<StarImage> ComputeStarImage(const PupilAmplitude& pupil, const PsfSettings& settings,
                                          const PsfProgress& progress = {});

// The peak of a clear aperture whose diameter is the pupil grid's side, in
// the transform's own units: (sum of its amplitudes)², which for an exactly
// sampled disc is its area in pixels, squared.
double ClearAperturePeak(int pupilSide);

}  // namespace voka::psf
