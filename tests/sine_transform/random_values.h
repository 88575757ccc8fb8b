// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>
#include <vector>

namespace voka::test {

// n values uniform in [-1, 1), the same for the same seed.
inline std::vector<double> RandomValues(int n, unsigned seed) {
  std::mt19937_64 generator(seed);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::vector<double> values(n);
  for (double& v : values) v = value(generator);
  return values;
}

}  // namespace voka::test
