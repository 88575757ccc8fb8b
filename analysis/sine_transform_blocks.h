#pragma once

// Block transforms over a lane type that also provides
//   static constexpr int kWidth;
//   static V Load(const double* p);            p[0..kWidth-1] into the lanes
//   static void Store(double* p, V v);
//   static void TransposeIn(double* const* rows, int k, V* out);
//       out[t] gets rows[0..kWidth-1][k+t] for t < kWidth
//   static void TransposeOut(const V* in, double* const* rows, int k);
// A lane-specific file includes this under its own instruction set.

#include "analysis/double_grid.h"
#include "analysis/sine_transform.h"

namespace voka::lanes {

// The lane buffers live on the stack, so the driver needs no memory of its own.
inline constexpr int kMaxBlockLength = kGridSize;

template <class Lane>
void TransformRowBlock(int ncol, int sign, double* const* rows, std::int32_t* index,
                       double* table) {
  alignas(64) typename Lane::V buffer[kMaxBlockLength];
  for (int k = 0; k < ncol; k += Lane::kWidth) Lane::TransposeIn(rows, k, buffer + k);
  SineTransform<Lane>(ncol, sign, buffer, index, table);
  for (int k = 0; k < ncol; k += Lane::kWidth) Lane::TransposeOut(buffer + k, rows, k);
}

template <class Lane>
void TransformColumnBlock(int nrow, int sign, double* const* grid, int first, std::int32_t* index,
                          double* table) {
  alignas(64) typename Lane::V buffer[kMaxBlockLength];
  for (int i = 0; i < nrow; ++i) buffer[i] = Lane::Load(grid[i] + first);
  SineTransform<Lane>(nrow, sign, buffer, index, table);
  for (int i = 0; i < nrow; ++i) Lane::Store(grid[i] + first, buffer[i]);
}

}  // namespace voka::lanes
