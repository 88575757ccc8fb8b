#pragma once

namespace voka {

// The side of the sampled pupil and of its spectrum: one grid cell per canvas pixel.
inline constexpr int kGridSize = 512;

// A grid of doubles held as row pointers, each row its own block, indexed
// [x][y]: first index the canvas column, second the canvas row. It does not
// record its sizes; its users pass them. Allocated by AllocGrid.
using DoubleGrid = double**;

}  // namespace voka
