// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The benchmarks' --threads=N: pins the thread budget for the run (as the
// environment's VOKA_THREADS does), so that runs at different budgets can be
// compared on one machine.

#include <cstdio>
#include <optional>
#include <string_view>

#include "threads/thread_budget.h"

namespace voka::bench {

// Takes --threads=N out of the arguments and sets the budget. False, with a
// message, when N is not a budget.
inline bool TakeThreadBudgetFlag(int& argc, char** argv) {
  constexpr std::string_view kFlag = "--threads=";
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!arg.starts_with(kFlag)) {
      argv[kept++] = argv[i];
      continue;
    }
    const std::optional<int> budget = threads::ParseThreadBudget(arg.substr(kFlag.size()));
    if (!budget) {
      std::fprintf(stderr, "--threads takes a count from 1 to %d\n", threads::kMaximumThreadBudget);
      return false;
    }
    threads::SetThreadBudget(*budget);
  }
  argc = kept;
  return true;
}

}  // namespace voka::bench
