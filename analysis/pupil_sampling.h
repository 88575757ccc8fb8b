// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/canvas.h"
#include "dib/dib_handle.h"
#include "sine_transform/work_areas.h"

namespace voka {

// The side of the pupil thumbnail drawn beside the results.
inline constexpr int kThumbnailSize = 128;

// Where the FFT's result band puts the thumbnail: left of the enlargement.
inline constexpr int kBandThumbnailLeft = 2;
inline constexpr int kBandThumbnailTop = 25;

// The divisor of a pixel's whole colour value in the pupil sum: a white pixel
// adds 0xFFFFFF / 255 = 65793.
inline constexpr double kPupilSumDivisor = 255.0;

// Samples the pupil on the 512x512 grid, using the canvas as the resampler:
// paints the image over the whole, cleared canvas (stretched unless 512x512),
// reads every pixel back, grid[x][y] := its red byte, and returns the sum of
// every pixel's whole colour value / 255 in scan order (rows top to bottom).
// Then clears the canvas to the dark blue result band (0, 0)-(399, 154) on
// black with the thumbnail of thumbWidth x thumbHeight at (2, 25).
// The pupil must hold an image.
double SamplePupil(Canvas& canvas, const DibHandle& pupil, int thumbWidth, int thumbHeight,
                   DoubleGrid grid);

}  // namespace voka
