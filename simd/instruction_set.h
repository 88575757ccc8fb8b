// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The processor is asked once, here, which instruction sets it runs; both
// engines choose their lane type from the answer.

// x86-64 builds carry an AVX2 variant of each kernel besides the baseline one
// and choose between them at run time, so the program still runs on any
// x86-64 processor.
#if defined(__x86_64__) && defined(__GNUC__)
#define VOKA_HAVE_AVX2_VARIANT 1
#else
#define VOKA_HAVE_AVX2_VARIANT 0
#endif

// Everything between these two is compiled for AVX2. A file that uses them
// includes every other header first, so that no shared inline function is
// compiled for AVX2 there and then picked by the linker for a processor
// without it; only simd/avx2_lanes.h and kernel templates come in between.
#if VOKA_HAVE_AVX2_VARIANT && defined(__clang__)
#define VOKA_BEGIN_AVX2 \
  _Pragma("clang attribute push(__attribute__((target(\"avx2\"))), apply_to = function)")
#define VOKA_END_AVX2 _Pragma("clang attribute pop")
#elif VOKA_HAVE_AVX2_VARIANT
#define VOKA_BEGIN_AVX2 _Pragma("GCC push_options") _Pragma("GCC target(\"avx2\")")
#define VOKA_END_AVX2 _Pragma("GCC pop_options")
#endif

namespace voka::simd {

enum class InstructionSet {
  kScalar,   // one double at a time, any processor
  kVector2,  // two lanes: SSE2 on x86-64, NEON on 64-bit ARM
  kAvx2,     // four lanes, where the processor (and the system) has AVX2
};

// Whether this build carries the set and this processor runs it.
bool Supports(InstructionSet set);

// The widest set Supports, or kScalar.
InstructionSet Widest();

}  // namespace voka::simd
