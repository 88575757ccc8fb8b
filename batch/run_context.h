// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <ostream>

namespace voka {

// Exit statuses of the headless program.
inline constexpr int kBatchSuccess = 0;
inline constexpr int kBatchFailure =
    1;  // an input refused, an output or standard output not written
inline constexpr int kBatchUsageError = 2;  // also: an output refused before any work

// Where a command writes: numbers and captions on `out`, messages on `err`,
// progress on `err` when showProgress, and VOKA.TXT at tablePath.
struct RunContext {
  std::ostream& out;
  std::ostream& err;
  bool showProgress = false;
  std::filesystem::path tablePath;
};

}  // namespace voka
