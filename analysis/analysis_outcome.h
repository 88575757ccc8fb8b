// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "analysis/feedback.h"
#include "dib/dib_handle.h"
#include "output/result_table.h"

namespace voka {

// How an analysis command ended.
enum class AnalysisOutcome {
  kDone,        // drawn and the table written
  kNoPupil,     // no image open: nothing changed
  kNoMemory,    // its work areas could not be allocated: nothing changed
  kTableFailed  // drawn, but the table could not be written; the old one stands
};

// What an analysis command did, for the caller to show or report.
struct AnalysisResult {
  AnalysisOutcome outcome = AnalysisOutcome::kNoPupil;
  // The captions drawn beside the picture, top to bottom: the FFT's aperture
  // ratio, title and central intensity (UTF-8); none for the ray trace.
  std::vector<std::string> captions;
  // FFT: the summed brightness of the sampled pupil.
  double pupilSum = 0.0;
  // Ray trace: the largest modulus of the star image, the reference of the
  // picture and the table.
  double maximum = 0.0;
  // The pupil as sampled lets no light through, so the table holds nan.
  bool noLight = false;
  TableWriteResult table;

  // Whether the command drew its picture (and the values above mean something).
  bool Drew() const {
    return outcome == AnalysisOutcome::kDone || outcome == AnalysisOutcome::kTableFailed;
  }
};

// Whether an image is open; if not, tells the user to open one first.
bool HasPupil(const DibHandle& pupil, const TellUserFn& tell);

// Tells the user what the end of an analysis needs telling: a pupil that lets
// no light through (and that its table holds nan, if it was written), and a
// table that could not be written. Returns kDone or kTableFailed.
AnalysisOutcome TellAnalysisEnd(const TellUserFn& tell, bool noLight,
                                const TableWriteResult& table);

}  // namespace voka
