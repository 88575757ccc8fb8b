#pragma once

#include <filesystem>

#include "analysis/feedback.h"
#include "canvas/canvas.h"
#include "dib/dib_handle.h"
#include "output/result_table.h"

namespace voka {

// How a ray trace ended.
enum class RayTraceOutcome {
  kDone,        // drawn and the table written
  kNoPupil,     // no image open: nothing changed
  kNoMemory,    // no memory for the sum: nothing changed
  kTableFailed  // drawn, but the table could not be written; the old one stands
};

struct RayTraceResult {
  RayTraceOutcome outcome = RayTraceOutcome::kNoPupil;
  // The largest modulus of the star image, the reference of the picture and
  // the table; 0 when the pupil lets no light through.
  double maximum = 0.0;
  TableWriteResult table;
};

// The ray trace of the pupil: paints it as the 128x128 thumbnail at (2, 2),
// takes the red byte of each thumbnail pixel / 255 as the amplitude of a
// pupil sample, sums the waves at 64x64 image points around the focus
// (progress 0 to 100, once per pupil column), draws the modulus normalised to
// its maximum as 2x2 grey cells at (130, 2) and writes it to tablePath. The
// user is told through `tell` when no image is open, when the pupil lets no
// light through, when memory runs out and when the table cannot be written.
RayTraceResult RunRayTrace(Canvas& canvas, const DibHandle& pupil, const ProgressFn& progress,
                           const TellUserFn& tell, const std::filesystem::path& tablePath);

}  // namespace voka
