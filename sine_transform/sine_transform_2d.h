// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "simd/instruction_set.h"
#include "sine_transform/work_areas.h"

namespace voka {

// How a long computation shows how far it has come: a position from 0 to 100.
using ProgressFn = std::function<void(int position)>;

// The two-dimensional sine transform of `grid` (nrow rows of ncol doubles,
// element [i][j] position j of row i), in place and without a scale factor:
// SineTransform with `sign` along every row, then along every column. For
// sign >= 0, with an index equal to nrow or ncol standing for index 0,
//   G[k][l] = sum over i = 1..nrow, j = 1..ncol of
//             A[i][j] * sin(pi*i*(k + 1/2)/nrow) * sin(pi*j*(l + 1/2)/ncol).
// nrow and ncol are powers of two of at least 2. `buffer` holds at least nrow
// doubles; `index` and `table` are a TransformWork area (transform_work.h)
// sized for the larger of nrow and ncol, whose tables are built once, for the
// larger dimension, before any row or column.
//
// `progress` (if set) receives nrow + ncol positions: after row i,
// trunc(i / nrow * 50); before column j, trunc(j / ncol * 50) + 50; never more
// than 100. A 512 by 512 grid ends at 99.
void SineTransform2D(int nrow, int ncol, int sign, DoubleGrid grid, double* buffer,
                     std::int32_t* index, double* table, const ProgressFn& progress);

// SineTransform2D with the lanes of the given instruction set, several rows
// or columns at once where the shape allows; every set gives the same bits.
// A set the processor lacks goes one row or column at a time.
void SineTransform2DOn(simd::InstructionSet set, int nrow, int ncol, int sign, DoubleGrid grid,
                       double* buffer, std::int32_t* index, double* table,
                       const ProgressFn& progress);

}  // namespace voka
