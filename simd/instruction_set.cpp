// SPDX-License-Identifier: GPL-3.0-or-later
#include "simd/instruction_set.h"

#include <initializer_list>

#include "simd/vector2_lanes.h"

namespace voka::simd {
namespace {

bool ProcessorHasAvx2() {
#if VOKA_HAVE_AVX2_VARIANT
  // Also false where the operating system does not save the wide registers.
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return has;
#else
  return false;
#endif
}

}  // namespace

bool Supports(InstructionSet set) {
  switch (set) {
    case InstructionSet::kScalar:
      return true;
    case InstructionSet::kVector2:
#ifdef VOKA_HAVE_VECTOR2_LANES
      return true;
#else
      return false;
#endif
    case InstructionSet::kAvx2:
      return ProcessorHasAvx2();
  }
  return false;
}

InstructionSet Widest() {
  static const InstructionSet widest = [] {
    for (const InstructionSet set : {InstructionSet::kAvx2, InstructionSet::kVector2}) {
      if (Supports(set)) return set;
    }
    return InstructionSet::kScalar;
  }();
  return widest;
}

}  // namespace voka::simd
