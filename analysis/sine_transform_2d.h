#pragma once

#include <cstdint>

#include "analysis/double_grid.h"
#include "analysis/feedback.h"

namespace voka {

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

}  // namespace voka
