// Two sequences at a time in the compiler's portable 16-byte vectors of two
// doubles: SSE2, which every x86-64 processor has, or NEON on 64-bit ARM.
#include <cstring>

#include "analysis/sine_transform_2d_lanes.h"

// Only where such vectors are native registers; elsewhere the compiler would
// emulate them, and the one-at-a-time driver is the better choice.
#if defined(__GNUC__) && (defined(__SSE2__) || defined(__aarch64__))

#include "analysis/sine_transform_blocks.h"

namespace voka {
namespace {

typedef double Double2 __attribute__((vector_size(16)));

struct TwoLanes {
  using V = Double2;
  static constexpr int kWidth = 2;
  static V Splat(double value) { return V{value, value}; }
  static V Load(const double* p) {
    V v;
    std::memcpy(&v, p, sizeof v);
    return v;
  }
  static void Store(double* p, V v) { std::memcpy(p, &v, sizeof v); }
  static void TransposeIn(double* const* rows, int k, V* out) {
    out[0] = V{rows[0][k], rows[1][k]};
    out[1] = V{rows[0][k + 1], rows[1][k + 1]};
  }
  static void TransposeOut(const V* in, double* const* rows, int k) {
    rows[0][k] = in[0][0];
    rows[1][k] = in[0][1];
    rows[0][k + 1] = in[1][0];
    rows[1][k + 1] = in[1][1];
  }
};

constexpr BlockTransformPath kTwoLanePath{"two lanes", TwoLanes::kWidth, lanes::kMaxBlockLength,
                                          lanes::TransformRowBlock<TwoLanes>,
                                          lanes::TransformColumnBlock<TwoLanes>};

}  // namespace

const BlockTransformPath* TwoLaneBlockPath() {
  return &kTwoLanePath;
}

}  // namespace voka

#else

namespace voka {
const BlockTransformPath* TwoLaneBlockPath() {
  return nullptr;
}
}  // namespace voka

#endif
