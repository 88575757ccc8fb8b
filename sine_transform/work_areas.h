// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace voka {

// The side of the sampled pupil and of its spectrum: one grid cell per canvas pixel.
inline constexpr int kGridSize = 512;

// A grid of doubles held as row pointers, each row its own block, indexed
// [x][y]: first index the canvas column, second the canvas row. It does not
// record its sizes; its users pass them. Allocated by AllocGrid.
using DoubleGrid = double**;

// How a failed allocation is told to the user (UTF-8 text); the commands pass
// their message box or standard error.
using TellUserFn = std::function<void(std::string_view message)>;

// What every failed allocation tells the user.
inline constexpr const char* kAllocationFailureMessage = "Allocation Failure!";

// A grid of `rows` rows of `length` doubles, each row its own block, so no
// block is larger than one row. The values are not initialised. When any
// allocation fails, tells the user, releases what it already took and returns
// null; the caller goes on without the grid.
DoubleGrid AllocGrid(int rows, int length, const TellUserFn& tell);

// Releases the rows 0..rows-1 of a grid from AllocGrid, then its row pointers.
// `rows` is the count given to AllocGrid. A null grid is ignored.
void FreeGrid(DoubleGrid grid, int rows);

// An uninitialised array of `count` integers or doubles. On failure the user
// is told and the result is null; the caller releases what it took before and
// stops, since the transform cannot run without its work areas. The Free
// functions ignore null.
std::int32_t* AllocInts(int count, const TellUserFn& tell);
void FreeInts(std::int32_t* array);
double* AllocDoubles(int count, const TellUserFn& tell);
void FreeDoubles(double* array);

// The allocator behind the helpers; std::malloc unless replaced. A hook must
// return memory std::free can release, or null to fail. Tests use it to make
// an allocation fail; the product never sets it.
using AllocatorHook = void* (*)(std::size_t bytes);

// Installs `hook` (null restores std::malloc) and returns the previous one.
AllocatorHook SetAllocatorHook(AllocatorHook hook);

}  // namespace voka
