// SPDX-License-Identifier: GPL-3.0-or-later
#include "threads/thread_budget.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>

namespace voka::threads {

namespace {

// 0 until the budget is first read or set.
std::atomic<int> budget{0};

// 0 unless a ThreadShare lives on this thread.
thread_local int share = 0;

int InitialBudget() {
  const char* text = std::getenv("VOKA_THREADS");
  if (text != nullptr) {
    if (const std::optional<int> threads = ParseThreadBudget(text)) return *threads;
  }
  return std::min(MachineThreads(), kMaximumThreadBudget);
}

}  // namespace

int ThreadBudget() {
  if (share > 0) return share;
  const int current = budget.load(std::memory_order_relaxed);
  if (current > 0) return current;
  int expected = 0;
  const int initial = InitialBudget();
  // A budget set meanwhile wins over the default.
  return budget.compare_exchange_strong(expected, initial, std::memory_order_relaxed) ? initial
                                                                                      : expected;
}

void SetThreadBudget(int threads) {
  budget.store(std::clamp(threads, 1, kMaximumThreadBudget), std::memory_order_relaxed);
}

ThreadShare::ThreadShare(int threads) : previous_(share) {
  share = std::clamp(threads, 1, kMaximumThreadBudget);
}

ThreadShare::~ThreadShare() {
  share = previous_;
}

int MachineThreads() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(std::min(cores, 1u << 20));
}

std::optional<int> ParseThreadBudget(std::string_view text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int threads = 0;
  for (const char digit : text) {
    if (digit < '0' || digit > '9') return std::nullopt;
    threads = threads * 10 + (digit - '0');
  }
  if (threads < 1 || threads > kMaximumThreadBudget) return std::nullopt;
  return threads;
}

}  // namespace voka::threads
