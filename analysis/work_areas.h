#pragma once

#include <cstddef>
#include <cstdint>

#include "analysis/double_grid.h"
#include "analysis/feedback.h"

namespace voka {

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

// An uninitialised array of `count` integers or doubles. These never return
// null: on failure the user is told and the process ends with exit status 1,
// since the transform cannot run without its work areas.
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
