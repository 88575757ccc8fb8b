#pragma once

// The kernels' small helpers (one butterfly, one swap) must melt into their
// loops; left as calls they pass whole vectors through memory.
#if defined(__GNUC__)
#define VOKA_LANE_INLINE [[gnu::always_inline]] inline
#else
#define VOKA_LANE_INLINE inline
#endif

namespace voka {

// The transform kernels are written once, as templates over a "lane": the
// type that holds one element of the sequence being transformed. A scalar
// lane is one double; a vector lane holds the same element of several
// independent sequences, one per SIMD lane. Every kernel does exactly the same
// operations, in the same order, on each lane, so a vector lane gives each
// sequence bit for bit the result the scalar lane gives it.
//
// A lane type provides
//   using V = ...;                 the element type (double or a vector of doubles)
//   static V Splat(double value);  the value in every lane
// Table values stay scalar doubles and are splatted where they meet data.
struct ScalarLane {
  using V = double;
  static double Splat(double value) { return value; }
};

}  // namespace voka
