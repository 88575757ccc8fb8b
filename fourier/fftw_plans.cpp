// SPDX-License-Identifier: GPL-3.0-or-later
#include "fourier/fftw_plans.h"

#include <mutex>

#include "threads/thread_budget.h"

namespace voka::fourier {

namespace {

std::mutex& PlannerMutex() {
  static std::mutex mutex;
  return mutex;
}

// Called with the planner locked: the thread count is the planner's state.
void PlanOnThreads(int threads) {
  static const bool threadsReady = fftw_init_threads() != 0;
  if (threadsReady) fftw_plan_with_nthreads(threads);
}

}  // namespace

void PlanDeleter::operator()(fftw_plan plan) const {
  const std::lock_guard lock(PlannerMutex());
  fftw_destroy_plan(plan);
}

PlanHandle PlanComplexToRealInPlace(int side, fftw_complex* data) {
  const std::lock_guard lock(PlannerMutex());
  PlanOnThreads(threads::ThreadBudget());
  return PlanHandle(
      fftw_plan_dft_c2r_2d(side, side, data, reinterpret_cast<double*>(data), FFTW_ESTIMATE));
}

PlanHandle PlanRealToComplexInPlace(int side, double* data) {
  const std::lock_guard lock(PlannerMutex());
  PlanOnThreads(threads::ThreadBudget());
  return PlanHandle(
      fftw_plan_dft_r2c_2d(side, side, data, reinterpret_cast<fftw_complex*>(data), FFTW_ESTIMATE));
}

PlanHandle PlanSingleRow(int side, double* input, fftw_complex* output) {
  const std::lock_guard lock(PlannerMutex());
  PlanOnThreads(1);
  return PlanHandle(fftw_plan_dft_r2c_1d(side, input, output, FFTW_ESTIMATE | FFTW_PRESERVE_INPUT));
}

PlanHandle PlanComplexSingleRow(int side, fftw_complex* input, fftw_complex* output) {
  const std::lock_guard lock(PlannerMutex());
  PlanOnThreads(1);
  return PlanHandle(
      fftw_plan_dft_1d(side, input, output, FFTW_FORWARD, FFTW_ESTIMATE | FFTW_PRESERVE_INPUT));
}

PlanHandle PlanColumnBlock(int side, int count, int stride, fftw_complex* data) {
  const std::lock_guard lock(PlannerMutex());
  PlanOnThreads(1);
  return PlanHandle(fftw_plan_many_dft(1, &side, count, data, nullptr, 1, stride, data, nullptr, 1,
                                       stride, FFTW_FORWARD, FFTW_ESTIMATE));
}

}  // namespace voka::fourier
