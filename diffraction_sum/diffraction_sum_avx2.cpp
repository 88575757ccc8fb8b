// SPDX-License-Identifier: GPL-3.0-or-later
// One image column with a pupil column added, four neighbouring image rows at
// a time in AVX2 registers; the sum calls it only where the processor has AVX2.
#include "simd/instruction_set.h"

#if VOKA_HAVE_AVX2_VARIANT

#include <immintrin.h>

#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <type_traits>

#include "diffraction_sum/diffraction_sum.h"

VOKA_BEGIN_AVX2
#include "diffraction_sum/diffraction_sum_kernel.h"
#include "simd/avx2_lanes.h"
#include "simd/lane_group.h"

namespace voka::detail {

void AddPupilColumnAvx2(const PupilAmplitudes& pupil, int k, int i, ImageField& field) {
  AddPupilColumnLanes<simd::GroupedLanes<simd::Avx2Lanes, kLaneGroupSize>>(pupil, k, i, field);
}

}  // namespace voka::detail

VOKA_END_AVX2

#endif
