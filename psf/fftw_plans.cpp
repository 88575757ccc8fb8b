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

// Called with the planner locked.
void UseTransformThreads() {
  static const bool threadsReady = fftw_init_threads() != 0;
  if (threadsReady) fftw_plan_with_nthreads(kTransformThreads);
}

}  // namespace

void PlanDeleter::operator()(fftw_plan plan) const {
  const std::lock_guard lock(PlannerMutex());
  fftw_destroy_plan(plan);
}

PlanHandle PlanRealToComplex(int side, double* input, fftw_complex* output) {
  const std::lock_guard lock(PlannerMutex());
  UseTransformThreads();
  return PlanHandle(fftw_plan_dft_r2c_2d(side, side, input, output, FFTW_ESTIMATE));
}

PlanHandle PlanRowPass(int side, int rows, double* input, fftw_complex* output) {
  const std::lock_guard lock(PlannerMutex());
  UseTransformThreads();
  const int halfWidth = side / 2 + 1;
  return PlanHandle(fftw_plan_many_dft_r2c(1, &side, rows, input, nullptr, 1, side, output, nullptr,
                                           1, halfWidth, FFTW_ESTIMATE));
}

PlanHandle PlanContiguousPass(int side, int count, fftw_complex* data) {
  const std::lock_guard lock(PlannerMutex());
  UseTransformThreads();
  return PlanHandle(fftw_plan_many_dft(1, &side, count, data, nullptr, 1, side, data, nullptr, 1,
                                       side, FFTW_FORWARD, FFTW_ESTIMATE));
}

ComplexBuffer AllocateComplex(std::size_t count) {
  return ComplexBuffer(fftw_alloc_complex(count));
}

}  // namespace voka::psf
