// SPDX-License-Identifier: GPL-3.0-or-later
#include "sine_transform/work_areas.h"

#include <cassert>
#include <cstdlib>
#include <iostream>

namespace voka {

namespace {

AllocatorHook g_allocator = nullptr;

void* Allocate(std::size_t bytes) {
  // malloc(0) may legally answer null; a block of one byte keeps that from
  // reading as a failure.
  const std::size_t size = bytes == 0 ? 1 : bytes;
  return g_allocator != nullptr ? g_allocator(size) : std::malloc(size);
}

// Counts are never negative; a negative one is a programming error and is
// turned into a size no allocator grants, so it fails loudly in release.
std::size_t ByteCount(int count, std::size_t element_size) {
  assert(count >= 0 && "negative allocation count");
  if (count < 0) return SIZE_MAX;
  return static_cast<std::size_t>(count) * element_size;
}

void TellFailure(const TellUserFn& tell) {
  if (tell) {
    tell(kAllocationFailureMessage);
  } else {
    std::cerr << kAllocationFailureMessage << '\n';
  }
}

void* AllocateOrTell(std::size_t bytes, const TellUserFn& tell) {
  void* block = Allocate(bytes);
  if (block == nullptr) TellFailure(tell);
  return block;
}

}  // namespace

AllocatorHook SetAllocatorHook(AllocatorHook hook) {
  const AllocatorHook previous = g_allocator;
  g_allocator = hook;
  return previous;
}

DoubleGrid AllocGrid(int rows, int length, const TellUserFn& tell) {
  assert(rows > 0 && length > 0);
  auto grid = static_cast<DoubleGrid>(Allocate(ByteCount(rows, sizeof(double*))));
  if (grid == nullptr) {
    TellFailure(tell);
    return nullptr;
  }
  const std::size_t row_bytes = ByteCount(length, sizeof(double));
  for (int i = 0; i < rows; ++i) {
    grid[i] = static_cast<double*>(Allocate(row_bytes));
    if (grid[i] == nullptr) {
      TellFailure(tell);
      FreeGrid(grid, i);
      return nullptr;
    }
  }
  return grid;
}

void FreeGrid(DoubleGrid grid, int rows) {
  if (grid == nullptr) return;
  for (int i = 0; i < rows; ++i) std::free(grid[i]);
  std::free(grid);
}

std::int32_t* AllocInts(int count, const TellUserFn& tell) {
  return static_cast<std::int32_t*>(AllocateOrTell(ByteCount(count, sizeof(std::int32_t)), tell));
}

void FreeInts(std::int32_t* array) {
  std::free(array);
}

double* AllocDoubles(int count, const TellUserFn& tell) {
  return static_cast<double*>(AllocateOrTell(ByteCount(count, sizeof(double)), tell));
}

void FreeDoubles(double* array) {
  std::free(array);
}

}  // namespace voka
