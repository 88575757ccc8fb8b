// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "studies/sweep_run.h"

namespace voka::studies {

// The numbers a sweep plots and writes, by their --psf --json names.
inline constexpr std::string_view kSweepColumns[] = {
    "peak_ratio", "ee_1_22", "ee_2_23", "ee_5", "spike_fraction", "strehl", "wavefront_rms_nm"};

// A step's number under `key`. A pupil without a phase has a perfect
// wavefront: its Strehl ratio is 1 and its wavefront RMS 0, which its record
// does not state.
double SweepNumber(const SweepStep& step, std::string_view key);

// One header row, the path as written naming the first column (the
// parameter's value), then kSweepColumns; one row per step, each number as
// the shortest text that reads back to the same double.
std::string SweepCsv(std::string_view path, const std::vector<SweepStep>& steps);

}  // namespace voka::studies
