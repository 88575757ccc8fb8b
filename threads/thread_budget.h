// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace voka::threads {

// The most threads a budget may name. Each worker of the transforms keeps a
// few MiB of scratch, so a budget far beyond any machine's cores would spend
// memory for nothing.
constexpr int kMaximumThreadBudget = 256;

// How many threads one computation may keep busy at once, its caller's thread
// among them: at least 1. Every engine that divides its work (the FFTW plans,
// the BLAS, the padded transform, the pupil renderer, the ray trace) reads it
// when a computation starts, so that a machine of any size is used whole and
// a benchmark can pin the count. Until SetThreadBudget is called it is the
// environment's VOKA_THREADS when that holds a count of 1 to
// kMaximumThreadBudget, and otherwise the machine's cores.
int ThreadBudget();

// For start-up, benchmarks and tests: computations that start afterwards use
// `threads`, brought into 1 .. kMaximumThreadBudget.
void SetThreadBudget(int threads);

// For a computation that runs beside others of its kind (a step of a
// sweep): while the object lives, ThreadBudget() answers `threads` on the
// thread that made it, and only there, so that computations started side by
// side divide the budget instead of each taking it whole.
class ThreadShare {
 public:
  explicit ThreadShare(int threads);
  ~ThreadShare();
  ThreadShare(const ThreadShare&) = delete;
  ThreadShare& operator=(const ThreadShare&) = delete;

 private:
  int previous_;
};

// std::thread::hardware_concurrency(), or 1 where the machine does not say.
int MachineThreads();

// A budget written as text (VOKA_THREADS, a command-line flag): decimal
// digits only, 1 .. kMaximumThreadBudget. Nothing for anything else.
std::optional<int> ParseThreadBudget(std::string_view text);

}  // namespace voka::threads
