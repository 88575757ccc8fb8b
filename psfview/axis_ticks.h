// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace voka::psfview {

// Round tick values (1, 2 or 5 times a power of ten apart) covering
// [low, high] with about the wanted number of intervals; empty for an empty,
// reversed or non-finite range.
std::vector<double> RoundTicks(double low, double high, int wantedIntervals);

}  // namespace voka::psfview
