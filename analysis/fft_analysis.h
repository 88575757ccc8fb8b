// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "analysis/analysis_outcome.h"
#include "analysis/feedback.h"
#include "analysis/fft_captions.h"
#include "canvas/canvas.h"
#include "dib/dib_handle.h"

namespace voka {

// The whole FFT analysis of the pupil: samples it on 512x512 through the
// canvas, transforms the grid with the two-dimensional sine transform
// (progress 0 to 99), mirrors the low-order quarter into a spectrum centred
// at [256][256], presents it on the canvas and writes the table to
// tablePath. The user is told through `tell` when no image is open, when
// memory runs out, when the pupil lets no light through and when the table
// cannot be written. Leaves nothing allocated, and when memory runs out
// leaves the canvas and the table as they were.
AnalysisResult RunFftAnalysis(Canvas& canvas, const DibHandle& pupil, const ProgressFn& progress,
                              const TellUserFn& tell, const std::filesystem::path& tablePath);

// The same, its captions worded by `captions` (a window in another language).
AnalysisResult RunFftAnalysisCaptioned(Canvas& canvas, const DibHandle& pupil,
                                       const ProgressFn& progress, const TellUserFn& tell,
                                       const std::filesystem::path& tablePath,
                                       const SpectrumCaptions& captions);

}  // namespace voka
