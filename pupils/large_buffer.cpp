// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/large_buffer.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace voka::pupils {

namespace {

void PreferHugePages([[maybe_unused]] const double* begin, [[maybe_unused]] const double* end) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  const long pageBytes = sysconf(_SC_PAGESIZE);
  if (pageBytes <= 0) return;
  const auto page = static_cast<std::uintptr_t>(pageBytes);
  // Only whole pages inside the buffer: its first and last may be shared.
  const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) / page * page;
  const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) / page * page;
  // A hint only: where huge pages are off, the pages are simply small.
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

}  // namespace

std::vector<double> ZeroedLargeVector(std::size_t n) {
  std::vector<double> buffer;
  buffer.reserve(n);
  PreferHugePages(buffer.data(), buffer.data() + n);
  buffer.resize(n);
  return buffer;
}

}  // namespace voka::pupils
