// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "app/common/cancel_flag.h"

namespace voka {

// What the runners run, whatever their policy.
// Reports progress in percent (0..100) from the computing thread.
using ProgressSink = std::function<void(int percent)>;
// What a finished computation hands back, run on the thread that owns the
// runner.
using Delivery = std::function<void()>;
// The computation: polls the flag, reports progress, returns its delivery
// (empty when cancelled or when it has nothing to show).
using RunnerTask = std::function<Delivery(const CancelFlag& cancel, const ProgressSink& progress)>;

}  // namespace voka
