// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace voka::pupils {

// A zeroed vector of n doubles. A large image's fractions fill thousands of
// fresh memory pages, and on virtual machines each first touch of a page is
// slow; where the system offers it, the buffer asks for huge pages first, so
// that a 2048x2048 image faults in a few dozen times instead of 8192.
std::vector<double> ZeroedLargeVector(std::size_t n);

}  // namespace voka::pupils
