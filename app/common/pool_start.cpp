// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common/pool_start.h"

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace voka {

namespace {

#if defined(__SANITIZE_THREAD__)
char handOver;
void Released() {
  __tsan_release(&handOver);
}
void Acquired() {
  __tsan_acquire(&handOver);
}
#else
void Released() {}
void Acquired() {}
#endif

}  // namespace

void StartOnPool(QThreadPool& pool, std::function<void()> job) {
  // Made whole before the release: the worker reads nothing written after it.
  std::function<void()> declared = [job = std::move(job)] {
    Acquired();
    job();
  };
  Released();
  pool.start(std::move(declared));
}

}  // namespace voka
