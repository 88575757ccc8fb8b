// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "psf/result_record.h"

namespace voka::studies {

// The change from star image A to star image B, number by number: b − a for
// every quantity both records hold, in A's order, with A's key, label, unit
// and group. A record against itself gives zeros; swapping A and B negates
// every value.
std::vector<psf::Quantity> RecordDelta(const std::vector<psf::Quantity>& a,
                                       const std::vector<psf::Quantity>& b);

}  // namespace voka::studies
