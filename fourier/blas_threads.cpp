// SPDX-License-Identifier: GPL-3.0-or-later
#include "fourier/blas_threads.h"

#include <cblas.h>

#include <mutex>

#include "threads/thread_budget.h"

namespace voka::fourier {

void UseThreadBudgetForBlas() {
  static std::mutex mutex;
  static int threadsGiven = 0;
  const int budget = threads::ThreadBudget();
  const std::lock_guard lock(mutex);
  if (budget == threadsGiven) return;
  openblas_set_num_threads(budget);
  threadsGiven = budget;
}

}  // namespace voka::fourier
