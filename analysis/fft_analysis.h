#pragma once

#include <filesystem>

#include "analysis/feedback.h"
#include "analysis/fft_presentation.h"
#include "canvas/canvas.h"
#include "dib/dib_handle.h"

namespace voka {

// How an FFT analysis ended.
enum class FftOutcome {
  kDone,        // drawn and the table written
  kNoPupil,     // no image open: nothing changed
  kNoMemory,    // a grid could not be allocated: stopped, everything released
  kTableFailed  // drawn, but the table could not be written; the old one stands
};

struct FftAnalysisResult {
  FftOutcome outcome = FftOutcome::kNoPupil;
  // The summed brightness of the sampled pupil; meaningful once sampled.
  double pupilSum = 0.0;
  SpectrumReport report;
};

// The whole FFT analysis of the pupil: samples it on 512x512 through the
// canvas, transforms the grid with the two-dimensional sine transform
// (progress 0 to 99), mirrors the low-order quarter into a spectrum centred
// at [256][256], presents it on the canvas and writes the table to
// tablePath. The user is told through `tell` when no image is open, when
// memory runs out, when the pupil lets no light through and when the table
// cannot be written. Leaves nothing allocated.
FftAnalysisResult RunFftAnalysis(Canvas& canvas, const DibHandle& pupil, const ProgressFn& progress,
                                 const TellUserFn& tell, const std::filesystem::path& tablePath);

}  // namespace voka
