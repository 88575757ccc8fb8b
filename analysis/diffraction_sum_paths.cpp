#include "analysis/diffraction_sum_paths.h"

#include <algorithm>
#include <cstddef>

namespace voka {
namespace {

SumPath UsablePath(SumPath path) {
  return SumPathAvailable(path) ? path : SumPath::kScalar;
}

detail::SinCosSpanFn SinCosSpanOn(SumPath path) {
#if VOKA_X86_VECTOR_PATHS
  if (path == SumPath::kAvx2) {
    return detail::SinCosSpanAvx2;
  }
  if (path == SumPath::kSse2) {
    return detail::SinCosSpanSse2;
  }
#else
  (void)path;
#endif
  return detail::SinCosSpanScalar;
}

int LaneWidth(SumPath path) {
  switch (path) {
    case SumPath::kAvx2:
      return 4;
    case SumPath::kSse2:
      return 2;
    case SumPath::kScalar:
      break;
  }
  return 1;
}

}  // namespace

bool SumPathAvailable(SumPath path) {
  switch (path) {
    case SumPath::kScalar:
      return true;
    case SumPath::kSse2:
      return VOKA_X86_VECTOR_PATHS != 0;
    case SumPath::kAvx2:
#if VOKA_X86_VECTOR_PATHS
      // Also false where the operating system does not save the wide registers.
      return __builtin_cpu_supports("avx2") != 0;
#else
      return false;
#endif
  }
  return false;
}

SumPath FastestSumPath() {
  for (const SumPath path : {SumPath::kAvx2, SumPath::kSse2}) {
    if (SumPathAvailable(path)) {
      return path;
    }
  }
  return SumPath::kScalar;
}

void SinCosOn(SumPath path, std::span<const double> angles, std::span<double> sines,
              std::span<double> cosines) {
  const SumPath usable = UsablePath(path);
  const detail::SinCosSpanFn sinCosSpan = SinCosSpanOn(usable);
  const std::size_t width = static_cast<std::size_t>(LaneWidth(usable));
  const std::size_t count = std::min({angles.size(), sines.size(), cosines.size()});
  const std::size_t whole = count - count % width;
  constexpr std::size_t kChunk = 1 << 16;
  for (std::size_t start = 0; start < whole; start += kChunk) {
    const int length = static_cast<int>(std::min(kChunk, whole - start));
    sinCosSpan(angles.data() + start, sines.data() + start, cosines.data() + start, length);
  }
  // The last few angles go through a full-width buffer padded with zeros.
  constexpr std::size_t kWidest = 4;
  double angle[kWidest] = {};
  double sine[kWidest];
  double cosine[kWidest];
  const std::size_t rest = count - whole;
  std::copy_n(angles.data() + whole, rest, angle);
  sinCosSpan(angle, sine, cosine, static_cast<int>(width));
  std::copy_n(sine, rest, sines.data() + whole);
  std::copy_n(cosine, rest, cosines.data() + whole);
}

namespace detail {

AddPupilColumnFn AddPupilColumnOn(SumPath path) {
#if VOKA_X86_VECTOR_PATHS
  switch (UsablePath(path)) {
    case SumPath::kAvx2:
      return AddPupilColumnAvx2;
    case SumPath::kSse2:
      return AddPupilColumnSse2;
    case SumPath::kScalar:
      break;
  }
#else
  (void)path;
#endif
  return AddPupilColumnScalar;
}

}  // namespace detail
}  // namespace voka
