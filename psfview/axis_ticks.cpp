// SPDX-License-Identifier: GPL-3.0-or-later
#include "psfview/axis_ticks.h"

#include <cmath>

namespace voka::psfview {

namespace {

// The step of 1, 2 or 5 times a power of ten nearest above the rough step.
double RoundStep(double roughStep) {
  const double power = std::pow(10.0, std::floor(std::log10(roughStep)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= roughStep) return factor * power;
  }
  return 10.0 * power;
}

// Guards against a range so wide that the ticks would not fit in memory.
constexpr int kMaxTicks = 1000;

}  // namespace

std::vector<double> RoundTicks(double low, double high, int wantedIntervals) {
  if (!std::isfinite(low) || !std::isfinite(high) || !(high > low) || wantedIntervals < 1)
    return {};
  const double step = RoundStep((high - low) / wantedIntervals);
  if (!(step > 0.0) || !std::isfinite(step)) return {};
  std::vector<double> ticks;
  // Counting in whole steps keeps 0 exactly 0 and the labels free of drift.
  const double first = std::ceil(low / step - 1e-9);
  for (double k = first; k * step <= high + step * 1e-9; ++k) {
    ticks.push_back(k * step);
    if (static_cast<int>(ticks.size()) >= kMaxTicks) break;
  }
  return ticks;
}

}  // namespace voka::psfview
