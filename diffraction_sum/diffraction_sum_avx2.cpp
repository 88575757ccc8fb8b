#include "simd/instruction_set.h"

#if VOKA_HAVE_AVX2_VARIANT

// Everything this file needs from the standard library and the project's plain
// headers is included before the instruction set is widened, so that their
// inline functions stay baseline code; only the AVX2 lanes and the kernel
// templates instantiated with them are compiled for AVX2.
#include <immintrin.h>

#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <type_traits>

#include "diffraction_sum/diffraction_sum.h"

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif

#include "diffraction_sum/diffraction_sum_kernel.h"
#include "simd/avx2_lanes.h"
#include "simd/lane_group.h"

namespace voka::detail {

void AddPupilColumnAvx2(const PupilAmplitudes& pupil, int k, int i, ImageField& field) {
  AddPupilColumnLanes<simd::GroupedLanes<simd::Avx2Lanes, kLaneGroupSize>>(pupil, k, i, field);
}

}  // namespace voka::detail

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#endif
