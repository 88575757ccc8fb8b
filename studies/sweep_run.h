// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "psf/result_record.h"
#include "studies/sweep_request.h"

namespace voka::studies {

struct SweepStep {
  double value = 0.0;  // of the parameter
  std::vector<psf::Quantity> record;
};

enum class SweepEnd {
  kDone,
  kCancelled,
  kNoImage,  // a step's pupil let no light through (at failedValue)
};

struct SweepResult {
  SweepEnd end = SweepEnd::kDone;
  std::vector<SweepStep> steps;  // every step in range order when done; else empty
  double failedValue = 0.0;
};

// Every step of a checked request (CheckSweep), computed side by side
// within the thread budget: as many steps at once as the budget has threads
// (at most one per step), each step on its share of the budget. Steps
// computed one thread each scale almost perfectly, where one image's
// transform on many threads waits on memory and on its slowest block.
// `progress.progress` gets 0..100 over the whole sweep, one call at a time
// but from any of the workers; `progress.cancelled` is polled by every
// worker. std::system_error is passed on when no thread can be started.
SweepResult RunSweep(const SweepRequest& request, const psf::PsfProgress& progress = {});

}  // namespace voka::studies
