// SPDX-License-Identifier: GPL-3.0-or-later
// The phase of every pupil sample at every image point, as the sum computes
// it, against the plain formula with the library's sqrt and division: bit for
// bit, over the whole geometry. The sum takes the square root from a series
// and the whole number of waves from a multiplication wherever that is
// provably exact; this checks the proof on every case that can occur.

#include <gtest/gtest.h>

#include <cstring>

#include "diffraction_sum/diffraction_sum_kernel.h"
#include "reference/plain_diffraction_sum.h"
#include "simd/scalar_lanes.h"

namespace voka {
namespace {

TEST(DiffractionPhase, EqualsThePlainFormulaBitForBitEverywhere) {
  long long mismatches = 0;
  long long checked = 0;
  for (int k = 0; k < 128; ++k) {
    const double x = (k - 64) * 1.0;
    for (int i = 0; i < 64; ++i) {
      const double u = (i - 32) * 0.0005;
      for (int l = 0; l < 128; ++l) {
        const double y = (l - 64) * 1.0;
        for (int j = 0; j < 64; ++j) {
          const double v = (j - 32) * 0.0005;
          const double phase =
              detail::PhaseAt<simd::ScalarLanes>((x * u) * 2.0, u * u, y * 2.0, v, v * v);
          const double plain = reference::PlainPhase(x, y, u, v);
          ++checked;
          if (std::memcmp(&phase, &plain, sizeof phase) != 0) {
            if (++mismatches <= 5) {
              ADD_FAILURE() << "k=" << k << " l=" << l << " i=" << i << " j=" << j
                            << " phase=" << phase << " plain=" << plain;
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0) << "of " << checked;
}

}  // namespace
}  // namespace voka
