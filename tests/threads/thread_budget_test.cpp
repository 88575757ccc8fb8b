// SPDX-License-Identifier: GPL-3.0-or-later
#include "threads/thread_budget.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "threads/worker_team.h"

namespace voka::threads {
namespace {

TEST(ThreadBudget, TextIsACountOfOneToTheLimitAndNothingElse) {
  EXPECT_EQ(ParseThreadBudget("1"), 1);
  EXPECT_EQ(ParseThreadBudget("16"), 16);
  EXPECT_EQ(ParseThreadBudget("256"), kMaximumThreadBudget);
  for (const char* refused :
       {"", "0", "257", "-2", "+2", " 2", "2 ", "2x", "1e2", "0x10", "9999"}) {
    EXPECT_EQ(ParseThreadBudget(refused), std::nullopt) << "text='" << refused << "'";
  }
}

TEST(ThreadBudget, SetValuesAreKeptWithinOneToTheLimit) {
  const int before = ThreadBudget();
  EXPECT_GE(before, 1);
  SetThreadBudget(3);
  EXPECT_EQ(ThreadBudget(), 3);
  SetThreadBudget(0);
  EXPECT_EQ(ThreadBudget(), 1);
  SetThreadBudget(100000);
  EXPECT_EQ(ThreadBudget(), kMaximumThreadBudget);
  SetThreadBudget(before);
}

TEST(ThreadBudget, AShareHoldsOnItsOwnThreadOnlyAndEndsWithIt) {
  const int before = ThreadBudget();
  SetThreadBudget(4);
  {
    const ThreadShare outer(2);
    EXPECT_EQ(ThreadBudget(), 2);
    {
      const ThreadShare inner(1);
      EXPECT_EQ(ThreadBudget(), 1);
    }
    EXPECT_EQ(ThreadBudget(), 2);
    int elsewhere = 0;
    OnWorkers(2, [&elsewhere](int worker) {
      if (worker == 1) elsewhere = ThreadBudget();
    });
    EXPECT_EQ(elsewhere, 4) << "another thread keeps the whole budget";
  }
  EXPECT_EQ(ThreadBudget(), 4);
  SetThreadBudget(before);
}

TEST(WorkerTeam, EveryWorkerRunsOnceAndAllHaveEndedOnReturn) {
  for (const int workers : {1, 2, 5}) {
    std::vector<std::atomic<int>> runs(static_cast<std::size_t>(workers));
    OnWorkers(workers, [&runs](int worker) { ++runs[static_cast<std::size_t>(worker)]; });
    for (int worker = 0; worker < workers; ++worker) {
      EXPECT_EQ(runs[static_cast<std::size_t>(worker)], 1)
          << "workers=" << workers << " worker=" << worker;
    }
  }
}

}  // namespace
}  // namespace voka::threads
