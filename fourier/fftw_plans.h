// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fftw3.h>

#include <cstddef>
#include <memory>

namespace voka::fourier {

// FFTW's planner keeps global state and is not thread-safe; every plan is
// made and destroyed through these, under one lock. Execution needs no lock.
// Plans are made with FFTW_ESTIMATE. Measuring the 4096-point column plan
// takes about half a second and saves under 10 ms a run; a whole 4096²
// transform took twenty seconds to measure.
struct PlanDeleter {
  void operator()(fftw_plan plan) const;
};
using PlanHandle = std::unique_ptr<std::remove_pointer_t<fftw_plan>, PlanDeleter>;

// A two-dimensional complex-to-real transform, on the thread budget's
// threads, in place:
// side x (side/2 + 1) complex values in, side x side real values out, each
// row of the output 2 (side/2 + 1) doubles apart. The input is lost.
PlanHandle PlanComplexToRealInPlace(int side, fftw_complex* data);
// Its forward counterpart, on two threads, in place: side x side real values
// in, each row 2 (side/2 + 1) doubles apart; side x (side/2 + 1) complex
// values out.
PlanHandle PlanRealToComplexInPlace(int side, double* data);

// One-dimensional transforms for a caller that runs its own threads: each
// plan runs on the calling thread only, and may be executed on other arrays
// of the same alignment with fftw_execute_dft_r2c / fftw_execute_dft.
// A real-to-complex transform of one row of `side` values into side/2 + 1
// complex values.
PlanHandle PlanSingleRow(int side, double* input, fftw_complex* output);
// A forward complex transform of one row of `side` values, the input kept.
PlanHandle PlanComplexSingleRow(int side, fftw_complex* input, fftw_complex* output);
// Forward complex transforms, in place, of `count` columns of `side` values
// each, the columns `stride` complex values apart.
PlanHandle PlanColumnBlock(int side, int count, int stride, fftw_complex* data);

struct FftwDeleter {
  void operator()(void* block) const { fftw_free(block); }
};
template <typename Value>
using FftwArray = std::unique_ptr<Value[], FftwDeleter>;

// Aligned as FFTW's plans want, and not initialised. Nothing if the memory is
// not there.
template <typename Value>
FftwArray<Value> AllocateFftw(std::size_t count) {
  return FftwArray<Value>(static_cast<Value*>(fftw_malloc(count * sizeof(Value))));
}

}  // namespace voka::fourier
