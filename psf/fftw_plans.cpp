#include "psf/fftw_plans.h"

#include <mutex>

namespace voka::psf {

namespace {

// Two cores is what the machines this runs on have; more threads than cores
// only adds synchronisation.
constexpr int kTransformThreads = 2;

std::mutex& PlannerMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

void PlanDeleter::operator()(fftw_plan plan) const {
  const std::lock_guard lock(PlannerMutex());
  fftw_destroy_plan(plan);
}

PlanHandle PlanRealToComplex(int side, double* input, fftw_complex* output) {
  const std::lock_guard lock(PlannerMutex());
  static const bool threadsReady = fftw_init_threads() != 0;
  if (threadsReady) fftw_plan_with_nthreads(kTransformThreads);
  return PlanHandle(fftw_plan_dft_r2c_2d(side, side, input, output, FFTW_ESTIMATE));
}

ComplexBuffer AllocateComplex(std::size_t count) {
  return ComplexBuffer(fftw_alloc_complex(count));
}

}  // namespace voka::psf
