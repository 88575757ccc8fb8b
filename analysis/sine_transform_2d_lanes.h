#pragma once

#include <cstdint>
#include <vector>

#include "analysis/double_grid.h"
#include "analysis/feedback.h"

namespace voka {

// A way for the two-dimensional driver to transform several rows or several
// columns at once, one sequence per SIMD lane. Each lane goes through exactly
// the operations of SineTransform in the same order, so every element comes
// out bit for bit as the one-at-a-time driver leaves it.
struct BlockTransformPath {
  const char* name;
  int width;       // rows or columns per block
  int max_length;  // longest transform it takes (its lane buffer lives on the stack)
  // Transforms rows[0] .. rows[width-1], each of length ncol >= width.
  void (*transform_rows)(int ncol, int sign, double* const* rows, std::int32_t* index,
                         double* table);
  // Transforms columns first .. first+width-1 of the nrow rows of grid.
  void (*transform_columns)(int nrow, int sign, double* const* grid, int first, std::int32_t* index,
                            double* table);
};

// Two lanes through the compiler's portable vector extensions (SSE2 on x86-64,
// NEON on 64-bit ARM); null where the compiler has none.
const BlockTransformPath* TwoLaneBlockPath();

// Four lanes in AVX2 registers; null unless built for x86-64 and the
// processor has AVX2.
const BlockTransformPath* Avx2BlockPath();

// The block paths this build and processor can run, widest first.
std::vector<const BlockTransformPath*> AvailableBlockPaths();

// SineTransform2D through the given path; null transforms one row or column
// at a time through the column buffer.
void SineTransform2DWith(const BlockTransformPath* path, int nrow, int ncol, int sign,
                         DoubleGrid grid, double* buffer, std::int32_t* index, double* table,
                         const ProgressFn& progress);

}  // namespace voka
