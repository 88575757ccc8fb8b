// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An analysis run with what it reported on the way: every progress position
// and every message for the user, in order.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/feedback.h"
#include "canvas/canvas.h"
#include "dib/dib_handle.h"

namespace voka::test {

template <typename Result>
struct RecordedRun {
  Result result;
  std::vector<std::string> messages;
  std::vector<int> progress;
};

// Runs an analysis of the RunFftAnalysis / RunRayTrace shape and records it.
template <typename Analysis>
auto Record(Analysis analysis, Canvas& canvas, const DibHandle& pupil,
            const std::filesystem::path& table) {
  using Result = decltype(analysis(canvas, pupil, ProgressFn{}, TellUserFn{}, table));
  RecordedRun<Result> run;
  run.result = analysis(
      canvas, pupil, [&run](int position) { run.progress.push_back(position); },
      [&run](std::string_view message) { run.messages.emplace_back(message); }, table);
  return run;
}

}  // namespace voka::test
