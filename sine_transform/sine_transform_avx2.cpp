// SPDX-License-Identifier: GPL-3.0-or-later
// The block transforms with four sequences at a time in AVX2 registers; the
// driver calls them only where the processor has AVX2.
#include "simd/instruction_set.h"

#if VOKA_HAVE_AVX2_VARIANT

#include <immintrin.h>

#include <cstdint>

#include "simd/scalar_lanes.h"
#include "sine_transform/transform_work.h"
#include "sine_transform/work_areas.h"

VOKA_BEGIN_AVX2
#include "simd/avx2_lanes.h"
#include "sine_transform/sine_transform_kernel.h"

namespace voka::lanes {

void TransformRowBlockAvx2(int ncol, int sign, double* const* rows, std::int32_t* index,
                           double* table) {
  TransformRowBlock<simd::Avx2Lanes>(ncol, sign, rows, index, table);
}

void TransformColumnBlockAvx2(int nrow, int sign, double* const* grid, int first,
                              std::int32_t* index, double* table) {
  TransformColumnBlock<simd::Avx2Lanes>(nrow, sign, grid, first, index, table);
}

}  // namespace voka::lanes

VOKA_END_AVX2

#endif
