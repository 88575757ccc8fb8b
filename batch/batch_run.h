// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <ostream>

#include "batch/batch_options.h"

namespace voka {

// Exit statuses of the headless program.
inline constexpr int kBatchSuccess = 0;
inline constexpr int kBatchFailure = 1;  // pupil refused, an output or standard output not written
inline constexpr int kBatchUsageError = 2;  // also: an output refused before any work

// Runs one analysis on a canvas of its own: reads the pupil (or takes the
// built-in one), analyses it, writes the table to tablePath, prints the FFT's
// captions or the ray trace's maximum on `out`, messages on `err`, progress on
// `err` when showProgress, and saves the view as a PNG when asked.
// Returns the exit status. Needs a Qt GUI application for the captions' font.
int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err, bool showProgress,
             const std::filesystem::path& tablePath);

}  // namespace voka
