#pragma once

#include <fftw3.h>

#include <memory>

namespace voka::psf {

// FFTW's planner keeps global state and is not thread-safe; every plan is
// made and destroyed through these, under one lock. Execution needs no lock.
// Plans are made with FFTW_ESTIMATE: measured planning of a 4096² transform
// costs seconds on first use, far more than it saves on one run.
struct PlanDeleter {
  void operator()(fftw_plan plan) const;
};
using PlanHandle = std::unique_ptr<std::remove_pointer_t<fftw_plan>, PlanDeleter>;

// A two-dimensional real-to-complex transform of a side x side real array
// into side x (side/2 + 1) complex values, on two threads.
PlanHandle PlanRealToComplex(int side, double* input, fftw_complex* output);

// The two passes of a padded grid's transform, planned apart so that the
// rows that are all padding are never transformed: real-to-complex along the
// first `rows` rows (each `side` long, stored `side` apart) into rows of
// side/2 + 1 complex values, then complex along every column, in place.
PlanHandle PlanRowPass(int side, int rows, double* input, fftw_complex* output);
PlanHandle PlanColumnPass(int side, fftw_complex* data);

struct FftwDeleter {
  void operator()(void* block) const { fftw_free(block); }
};
using ComplexBuffer = std::unique_ptr<fftw_complex[], FftwDeleter>;

// Nothing if the memory is not there.
ComplexBuffer AllocateComplex(std::size_t count);

}  // namespace voka::psf
