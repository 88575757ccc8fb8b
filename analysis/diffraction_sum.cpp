#include "analysis/diffraction_sum.h"

#include <algorithm>
#include <iterator>
#include <thread>

#include "analysis/diffraction_sum_paths.h"
#include "analysis/diffraction_sum_relay.h"

namespace voka {
namespace {

// Progress shown while pupil column k is added: k / 127 of the way, in whole
// percent, truncated, so the first two columns show 0 and the last 100.
int ProgressPosition(int k) {
  const double percent = k / static_cast<double>(kPupilSamples - 1) * 100.0;
  // k runs from 0 to 127, so percent lies in [0, 100] and converts safely.
  return std::min(static_cast<int>(percent), 100);
}

// One worker per processor; on a single processor the calling thread works
// alone rather than wait on a worker.
int WorkerCount() {
  const unsigned processors = std::thread::hardware_concurrency();
  return processors > 1
             ? static_cast<int>(std::min(processors, static_cast<unsigned>(kImagePoints)))
             : 0;
}

void ClearField(ImageField& field) {
  for (int i = 0; i < kImagePoints; ++i) {
    std::fill(std::begin(field.real[i]), std::end(field.real[i]), 0.0);
    std::fill(std::begin(field.imag[i]), std::end(field.imag[i]), 0.0);
  }
}

}  // namespace

void DiffractionSumOn(SumPath path, const PupilAmplitudes& pupil, ImageField& field,
                      const ProgressFn& progress) {
  const detail::AddPupilColumnFn addPupilColumn = detail::AddPupilColumnOn(path);
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
  DiffractionSumOn(FastestSumPath(), pupil, field, progress);
}

}  // namespace voka
