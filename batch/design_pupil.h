// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "dib/dib_handle.h"
#include "limits/limits.h"
#include "pupils/pupil_design.h"

namespace voka {

// The side at which a design is analysed: the FFT samples 512x512, and the
// ray trace takes its 128x128 from the same image as from any file.
inline constexpr int kDesignAnalysisSidePixels =
    static_cast<int>(limits::AnalysedPupilSide().defaultValue);

// The design of --design FILE.json or preset:NAME, or the built-in one when
// none is named; nothing after telling on `err` why it was refused.
std::optional<pupils::PupilDesign> LoadBatchDesign(const std::string& designPath,
                                                   std::ostream& err);

// The design rendered as a 24-bit grey bitmap of this side and read back
// through the bitmap reader, so that every analysis takes it exactly as it
// would take the same file. Null if the design or side cannot be rendered.
DibHandle DesignPupil(const pupils::PupilDesign& design,
                      int sidePixels = kDesignAnalysisSidePixels);

// The pupil of --design FILE.json or --design preset:NAME; null after
// telling on `err` why the design was refused (file and field named).
DibHandle LoadDesignPupil(const std::string& designPath, std::ostream& err);

}  // namespace voka
