// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "batch/batch_options.h"
#include "limits/limits.h"

namespace voka {

// The default pupil side for a design (a bitmap keeps its own size).
inline constexpr int kDefaultDesignSidePixels = static_cast<int>(limits::PupilSide().defaultValue);

// The headless star image: reads the pupil (a .bmp or a design), computes
// the image, its numbers and MTF, prints the numbers with units on `out`,
// and writes the FITS, CSV, JSON and PNG files asked for, each whole or not
// at all. Progress goes to `err` when showProgress. Returns the exit status:
// 0 done, 1 an input unreadable or an output not written, 2 bad arguments.
int RunPsf(const BatchOptions& options, std::ostream& out, std::ostream& err, bool showProgress);

}  // namespace voka
