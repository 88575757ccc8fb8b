// SPDX-License-Identifier: GPL-3.0-or-later
#include "studies/record_delta.h"

#include <algorithm>

namespace voka::studies {

std::vector<psf::Quantity> RecordDelta(const std::vector<psf::Quantity>& a,
                                       const std::vector<psf::Quantity>& b) {
  std::vector<psf::Quantity> delta;
  for (const psf::Quantity& quantity : a) {
    // Strehl and the wavefront RMS are only in a record of a pupil with a
    // phase: a change is stated only where both have the number.
    const auto other = std::find_if(
        b.begin(), b.end(), [&quantity](const psf::Quantity& q) { return q.key == quantity.key; });
    if (other == b.end()) continue;
    psf::Quantity change = quantity;
    change.value = other->value - quantity.value;
    delta.push_back(change);
  }
  return delta;
}

}  // namespace voka::studies
