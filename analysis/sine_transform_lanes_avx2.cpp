// Four sequences at a time in AVX2 registers, chosen at run time so that the
// program still runs on any x86-64 processor.
#include "analysis/sine_transform_2d_lanes.h"

#if defined(__x86_64__) && defined(__GNUC__)
#define VOKA_HAVE_AVX2_LANES 1
#endif

#ifdef VOKA_HAVE_AVX2_LANES

// Everything outside this file's own lane type comes in before the
// instruction set is widened, so no shared inline function is ever compiled
// with AVX2 here and then picked by the linker for a processor without it.
#include <immintrin.h>

#include <cstdint>

#include "analysis/double_grid.h"
#include "analysis/sine_transform_lane.h"
#include "analysis/transform_work.h"

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif

#include "analysis/sine_transform_blocks.h"

namespace voka {
namespace {

struct Avx2Lanes {
  using V = __m256d;
  static constexpr int kWidth = 4;
  static V Splat(double value) { return _mm256_set1_pd(value); }
  static V Load(const double* p) { return _mm256_loadu_pd(p); }
  static void Store(double* p, V v) { _mm256_storeu_pd(p, v); }
  // A 4x4 transpose: out[t] lane c = rows[c][k+t]. It is its own inverse.
  static void Transpose(V r0, V r1, V r2, V r3, V* out) {
    const V t0 = _mm256_unpacklo_pd(r0, r1);
    const V t1 = _mm256_unpackhi_pd(r0, r1);
    const V t2 = _mm256_unpacklo_pd(r2, r3);
    const V t3 = _mm256_unpackhi_pd(r2, r3);
    out[0] = _mm256_permute2f128_pd(t0, t2, 0x20);
    out[1] = _mm256_permute2f128_pd(t1, t3, 0x20);
    out[2] = _mm256_permute2f128_pd(t0, t2, 0x31);
    out[3] = _mm256_permute2f128_pd(t1, t3, 0x31);
  }
  static void TransposeIn(double* const* rows, int k, V* out) {
    Transpose(Load(rows[0] + k), Load(rows[1] + k), Load(rows[2] + k), Load(rows[3] + k), out);
  }
  static void TransposeOut(const V* in, double* const* rows, int k) {
    V t[4];
    Transpose(in[0], in[1], in[2], in[3], t);
    for (int c = 0; c < kWidth; ++c) Store(rows[c] + k, t[c]);
  }
};

void TransformRows(int ncol, int sign, double* const* rows, std::int32_t* index, double* table) {
  lanes::TransformRowBlock<Avx2Lanes>(ncol, sign, rows, index, table);
}

void TransformColumns(int nrow, int sign, double* const* grid, int first, std::int32_t* index,
                      double* table) {
  lanes::TransformColumnBlock<Avx2Lanes>(nrow, sign, grid, first, index, table);
}

}  // namespace
}  // namespace voka

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

namespace voka {

const BlockTransformPath* Avx2BlockPath() {
  static const BlockTransformPath path{"avx2", 4, lanes::kMaxBlockLength, TransformRows,
                                       TransformColumns};
  static const bool supported = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return supported ? &path : nullptr;
}

}  // namespace voka

#else

namespace voka {
const BlockTransformPath* Avx2BlockPath() {
  return nullptr;
}
}  // namespace voka

#endif
