// SPDX-License-Identifier: GPL-3.0-or-later
#include "sine_transform/sine_transform_2d.h"

#include <algorithm>
#include <cassert>

#include "simd/scalar_lanes.h"
#include "simd/vector2_lanes.h"
#include "sine_transform/sine_transform.h"
#include "sine_transform/sine_transform_kernel.h"

namespace voka {

namespace {

constexpr int kMaxPosition = 100;
constexpr double kPhaseSpan = 50;  // each phase covers half of the bar

// The quotient and product are taken in floating point and truncated toward
// zero; for 0 <= done < total the result lies in [offset, offset + 50).
int PhasePosition(int done, int total, int offset) {
  const int position = static_cast<int>(static_cast<double>(done) / total * kPhaseSpan) + offset;
  return std::min(position, kMaxPosition);
}

void Report(const ProgressFn& progress, int position) {
  if (progress) progress(position);
}

// Several rows or columns at once, one per lane of an instruction set.
struct BlockTransforms {
  int width = 1;  // 1: one at a time, through the scalar transform
  void (*rows)(int ncol, int sign, double* const* rows, std::int32_t* index,
               double* table) = nullptr;
  void (*columns)(int nrow, int sign, double* const* grid, int first, std::int32_t* index,
                  double* table) = nullptr;
};

BlockTransforms BlocksOn(simd::InstructionSet set) {
  if (!simd::Supports(set)) return {};
  switch (set) {
    case simd::InstructionSet::kAvx2:
#if VOKA_HAVE_AVX2_VARIANT
      return {4, lanes::TransformRowBlockAvx2, lanes::TransformColumnBlockAvx2};
#else
      break;
#endif
    case simd::InstructionSet::kVector2:
#ifdef VOKA_HAVE_VECTOR2_LANES
      return {simd::Vector2Lanes::kWidth, lanes::TransformRowBlock<simd::Vector2Lanes>,
              lanes::TransformColumnBlock<simd::Vector2Lanes>};
#else
      break;
#endif
    case simd::InstructionSet::kScalar:
      break;
  }
  return {};
}

// How many rows (or columns) of `length` go at once; 1 when the blocks cannot
// take this shape.
int BlockWidth(const BlockTransforms& blocks, int count, int length) {
  const bool fits =
      count % blocks.width == 0 && length >= blocks.width && length <= lanes::kMaxBlockLength;
  return fits ? blocks.width : 1;
}

void TransformRows(const BlockTransforms& blocks, int nrow, int ncol, int sign, DoubleGrid grid,
                   std::int32_t* index, double* table, const ProgressFn& progress) {
  const int width = BlockWidth(blocks, nrow, ncol);
  for (int i = 0; i < nrow; i += width) {
    if (width == 1) {
      SineTransform(ncol, sign, grid[i], index, table);
    } else {
      blocks.rows(ncol, sign, grid + i, index, table);
    }
    for (int row = i; row < i + width; ++row) Report(progress, PhasePosition(row, nrow, 0));
  }
}

// One column at a time: gathered into the contiguous buffer, transformed
// there and scattered back, so the transform always sees a contiguous array.
void TransformColumnThroughBuffer(int nrow, int sign, DoubleGrid grid, int j, double* buffer,
                                  std::int32_t* index, double* table) {
  for (int i = 0; i < nrow; ++i) buffer[i] = grid[i][j];
  SineTransform(nrow, sign, buffer, index, table);
  for (int i = 0; i < nrow; ++i) grid[i][j] = buffer[i];
}

void TransformColumns(const BlockTransforms& blocks, int nrow, int ncol, int sign, DoubleGrid grid,
                      double* buffer, std::int32_t* index, double* table,
                      const ProgressFn& progress) {
  const int width = BlockWidth(blocks, ncol, nrow);
  for (int j = 0; j < ncol; j += width) {
    for (int column = j; column < j + width; ++column) {
      Report(progress, PhasePosition(column, ncol, static_cast<int>(kPhaseSpan)));
    }
    if (width == 1) {
      TransformColumnThroughBuffer(nrow, sign, grid, j, buffer, index, table);
    } else {
      blocks.columns(nrow, sign, grid, j, index, table);
    }
  }
}

}  // namespace

void SineTransform2DOn(simd::InstructionSet set, int nrow, int ncol, int sign, DoubleGrid grid,
                       double* buffer, std::int32_t* index, double* table,
                       const ProgressFn& progress) {
  assert(IsTransformLength(nrow) && IsTransformLength(ncol) &&
         "the grid's sides must be powers of two of at least 2");
  assert(grid != nullptr && buffer != nullptr && index != nullptr && table != nullptr);
  const BlockTransforms blocks = BlocksOn(set);
  // Built once for the larger side, the tables serve every row and column.
  EnsureTables(std::max(nrow, ncol), index, table);
  TransformRows(blocks, nrow, ncol, sign, grid, index, table, progress);
  TransformColumns(blocks, nrow, ncol, sign, grid, buffer, index, table, progress);
}

void SineTransform2D(int nrow, int ncol, int sign, DoubleGrid grid, double* buffer,
                     std::int32_t* index, double* table, const ProgressFn& progress) {
  SineTransform2DOn(simd::Widest(), nrow, ncol, sign, grid, buffer, index, table, progress);
}

}  // namespace voka
