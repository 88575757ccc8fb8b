// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Draws a design as the open fraction of every pixel, exactly up to the last
// bits of the arithmetic except where several edges meet inside one pixel.

#include <vector>

#include "limits/limits.h"
#include "pupils/pupil_design.h"

namespace voka::pupils {

// The largest side accepted is the largest pupil the star image takes, so
// that every design the engine can compute can be drawn (512 MiB of fractions).
inline constexpr int kMaxRenderSidePixels = static_cast<int>(limits::PupilSide().maximum);

// Each pixel's open fraction in [0, 1], row-major, top row first. The
// aperture's diameter spans the image: pixel (i, j), column i from the left
// and row j from the top, covers x from -D/2 + i*D/N to -D/2 + (i+1)*D/N and
// y from D/2 - (j+1)*D/N to D/2 - j*D/N (millimetres, y up). Empty when the
// design is invalid or the side is not in 1..kMaxRenderSidePixels.
std::vector<double> RenderOpenFraction(const PupilDesign& design, int sidePixels);

// The same into `fractions`, reusing its storage: a preview that renders one
// size again and again touches no new memory. False, and `fractions` empty,
// when RenderOpenFraction would return nothing.
bool RenderOpenFractionInto(const PupilDesign& design, int sidePixels,
                            std::vector<double>& fractions);

}  // namespace voka::pupils
