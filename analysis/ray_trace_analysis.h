// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "analysis/analysis_outcome.h"
#include "analysis/feedback.h"
#include "canvas/canvas.h"
#include "dib/dib_handle.h"

namespace voka {

// The ray trace of the pupil: paints it as the 128x128 thumbnail at (2, 2),
// takes the red byte of each thumbnail pixel / 255 as the amplitude of a
// pupil sample, sums the waves at 64x64 image points around the focus
// (progress 0 to 100, once per pupil column), draws the modulus normalised to
// its maximum as 2x2 grey cells at (130, 2) and writes it to tablePath. The
// user is told through `tell` when no image is open, when the pupil lets no
// light through, when memory runs out and when the table cannot be written.
AnalysisResult RunRayTrace(Canvas& canvas, const DibHandle& pupil, const ProgressFn& progress,
                           const TellUserFn& tell, const std::filesystem::path& tablePath);

}  // namespace voka
