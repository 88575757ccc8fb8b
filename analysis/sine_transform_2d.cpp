#include "analysis/sine_transform_2d.h"

#include <algorithm>
#include <cassert>

#include "analysis/sine_transform.h"
#include "analysis/sine_transform_2d_lanes.h"

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

// How many rows (or columns) of `length` the path takes at once; 1 when it
// cannot take this shape and the driver goes one at a time.
int BlockWidth(const BlockTransformPath* path, int count, int length) {
  if (path == nullptr) return 1;
  const bool fits = count % path->width == 0 && length >= path->width && length <= path->max_length;
  return fits ? path->width : 1;
}

void TransformRows(const BlockTransformPath* path, int nrow, int ncol, int sign, DoubleGrid grid,
                   std::int32_t* index, double* table, const ProgressFn& progress) {
  const int width = BlockWidth(path, nrow, ncol);
  for (int i = 0; i < nrow; i += width) {
    if (width == 1) {
      SineTransform(ncol, sign, grid[i], index, table);
    } else {
      path->transform_rows(ncol, sign, grid + i, index, table);
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

void TransformColumns(const BlockTransformPath* path, int nrow, int ncol, int sign, DoubleGrid grid,
                      double* buffer, std::int32_t* index, double* table,
                      const ProgressFn& progress) {
  const int width = BlockWidth(path, ncol, nrow);
  for (int j = 0; j < ncol; j += width) {
    for (int column = j; column < j + width; ++column) {
      Report(progress, PhasePosition(column, ncol, static_cast<int>(kPhaseSpan)));
    }
    if (width == 1) {
      TransformColumnThroughBuffer(nrow, sign, grid, j, buffer, index, table);
    } else {
      path->transform_columns(nrow, sign, grid, j, index, table);
    }
  }
}

const BlockTransformPath* FastestBlockPath() {
  static const BlockTransformPath* const fastest = [] {
    const std::vector<const BlockTransformPath*> paths = AvailableBlockPaths();
    return paths.empty() ? nullptr : paths.front();
  }();
  return fastest;
}

}  // namespace

std::vector<const BlockTransformPath*> AvailableBlockPaths() {
  std::vector<const BlockTransformPath*> paths;
  for (const BlockTransformPath* path : {Avx2BlockPath(), TwoLaneBlockPath()}) {
    if (path != nullptr) paths.push_back(path);
  }
  return paths;
}

void SineTransform2DWith(const BlockTransformPath* path, int nrow, int ncol, int sign,
                         DoubleGrid grid, double* buffer, std::int32_t* index, double* table,
                         const ProgressFn& progress) {
  assert(IsTransformLength(nrow) && IsTransformLength(ncol) &&
         "the grid's sides must be powers of two of at least 2");
  assert(grid != nullptr && buffer != nullptr && index != nullptr && table != nullptr);
  // Built once for the larger side, the tables serve every row and column.
  EnsureTables(std::max(nrow, ncol), index, table);
  TransformRows(path, nrow, ncol, sign, grid, index, table, progress);
  TransformColumns(path, nrow, ncol, sign, grid, buffer, index, table, progress);
}

void SineTransform2D(int nrow, int ncol, int sign, DoubleGrid grid, double* buffer,
                     std::int32_t* index, double* table, const ProgressFn& progress) {
  SineTransform2DWith(FastestBlockPath(), nrow, ncol, sign, grid, buffer, index, table, progress);
}

}  // namespace voka
