// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>
#include <vector>

namespace voka::threads {

// Runs work(worker) for every worker from 0 to workers - 1 at once, worker 0
// on the calling thread and the others on threads of their own, and returns
// when all have ended. Where the system refuses a thread, the threads already
// running are joined and std::system_error is passed on before any work
// starts on the calling thread.
template <typename Work>
void OnWorkers(int workers, const Work& work) {
  std::vector<std::jthread> helpers;
  helpers.reserve(workers > 1 ? workers - 1 : 0);
  for (int worker = 1; worker < workers; ++worker) {
    helpers.emplace_back([&work, worker] { work(worker); });
  }
  work(0);
}

}  // namespace voka::threads
