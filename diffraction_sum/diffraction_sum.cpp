// SPDX-License-Identifier: GPL-3.0-or-later
#include "diffraction_sum/diffraction_sum.h"

#include <algorithm>
#include <iterator>

#include "diffraction_sum/column_relay.h"
#include "diffraction_sum/diffraction_sum_kernel.h"
#include "simd/lane_group.h"
#include "simd/scalar_lanes.h"
#include "simd/vector2_lanes.h"
#include "threads/thread_budget.h"

namespace voka {
namespace {

// Progress shown while pupil column k is added: k / 127 of the way, in whole
// percent, truncated, so the first two columns show 0 and the last 100.
int ProgressPosition(int k) {
  const double percent = k / static_cast<double>(kPupilSamples - 1) * 100.0;
  // k runs from 0 to 127, so percent lies in [0, 100] and converts safely.
  return std::min(static_cast<int>(percent), 100);
}

// One worker per thread of the budget; on a budget of one the calling thread
// works alone rather than wait on a worker. Each image point is summed in the
// same order whoever sums it, so the field does not depend on the count.
int WorkerCount() {
  const int budget = threads::ThreadBudget();
  return budget > 1 ? std::min(budget, kImagePoints) : 0;
}

// Adds the waves of pupil column k to image column i.
using AddPupilColumnFn = void (*)(const PupilAmplitudes& pupil, int k, int i, ImageField& field);

// The vector lanes' rounding and conversion operations the sum needs exist
// on x86 only; elsewhere the two-lane set falls back to the scalar lanes.
AddPupilColumnFn AddPupilColumnOn(simd::InstructionSet set) {
  if (!simd::Supports(set)) set = simd::InstructionSet::kScalar;
  switch (set) {
    case simd::InstructionSet::kAvx2:
#if VOKA_HAVE_AVX2_VARIANT
      return detail::AddPupilColumnAvx2;
#else
      break;
#endif
    case simd::InstructionSet::kVector2:
#if defined(VOKA_HAVE_VECTOR2_LANES) && defined(__SSE2__)
      return detail::AddPupilColumnLanes<
          simd::GroupedLanes<simd::Vector2Lanes, detail::kLaneGroupSize>>;
#else
      break;
#endif
    case simd::InstructionSet::kScalar:
      break;
  }
  return detail::AddPupilColumnLanes<simd::GroupedLanes<simd::ScalarLanes, detail::kLaneGroupSize>>;
}

void ClearField(ImageField& field) {
  for (int i = 0; i < kImagePoints; ++i) {
    std::fill(std::begin(field.real[i]), std::end(field.real[i]), 0.0);
    std::fill(std::begin(field.imag[i]), std::end(field.imag[i]), 0.0);
  }
}

}  // namespace

void DiffractionSumOn(simd::InstructionSet set, const PupilAmplitudes& pupil, ImageField& field,
                      const ProgressFn& progress) {
  const AddPupilColumnFn addPupilColumn = AddPupilColumnOn(set);
  ClearField(field);
  // Each block is one image column; a pupil column is added to all of them
  // before the next pupil column starts, keeping every point's order of sums.
  detail::RelayColumns(
      kPupilSamples, kImagePoints, WorkerCount(),
      [&](int k, int i) { addPupilColumn(pupil, k, i, field); },
      [&](int k) {
        if (progress) {
          progress(ProgressPosition(k));
        }
      });
}

void DiffractionSum(const PupilAmplitudes& pupil, ImageField& field, const ProgressFn& progress) {
  DiffractionSumOn(simd::Widest(), pupil, field, progress);
}

}  // namespace voka
