// SPDX-License-Identifier: GPL-3.0-or-later
// The 512 by 512 sine transform of the FFT command against FFTW's
// two-dimensional RODFT01 of the same size, on the same data in the same run.
// Prints the ratio of the two medians (ours / FFTW); 1.0 or less means the
// engine is at least as fast as FFTW on this job.
//
// Both sides prepare outside the timed loop: FFTW its FFTW_MEASURE plan, the
// engine its tables (built on the first transform and reused, as a plan is).

#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "median_reporter.h"
#include "simd/instruction_set.h"
#include "sine_transform/sine_transform_2d.h"
#include "sine_transform/transform_work.h"
#include "sine_transform/work_areas.h"
#include "thread_budget_flag.h"

namespace {

constexpr int kSide = voka::kGridSize;
// The FFT command's sizes: more than the transform needs for 512.
constexpr int kColumnBufferLength = 2 * kSide;
constexpr int kIndexCount = 24;
constexpr int kTableCount = 768;
static_assert(kIndexCount >= voka::TransformIndexCount(kSide));
static_assert(kTableCount >= voka::TransformTableCount(kSide));
constexpr int kDefaultRepetitions = 10;
constexpr const char* kEngineName = "BM_SineTransform2D";
constexpr const char* kFftwName = "BM_FftwRodft01";

void TellStderr(std::string_view message) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
}

// A sampled pupil is brightness in [0, 1]; random values of that range keep
// both sides away from special cases.
const std::vector<double>& Input() {
  static const std::vector<double> input = [] {
    std::mt19937_64 generator(512);
    std::uniform_real_distribution<double> value(0.0, 1.0);
    std::vector<double> values(static_cast<std::size_t>(kSide) * kSide);
    for (double& v : values) v = value(generator);
    return values;
  }();
  return input;
}

// The engine's work areas, as the FFT command allocates them.
struct EngineWork {
  voka::DoubleGrid grid = voka::AllocGrid(kSide, kSide, TellStderr);
  double* buffer = voka::AllocDoubles(kColumnBufferLength, TellStderr);
  std::int32_t* index = voka::AllocInts(kIndexCount, TellStderr);
  double* table = voka::AllocDoubles(kTableCount, TellStderr);

  EngineWork() { index[voka::kTwiddleSizeSlot] = 0; }
  ~EngineWork() {
    voka::FreeDoubles(table);
    voka::FreeInts(index);
    voka::FreeDoubles(buffer);
    voka::FreeGrid(grid, kSide);
  }
  EngineWork(const EngineWork&) = delete;
  EngineWork& operator=(const EngineWork&) = delete;

  void Load(const std::vector<double>& values) {
    for (int i = 0; i < kSide; ++i) {
      std::memcpy(grid[i], values.data() + static_cast<std::size_t>(i) * kSide,
                  kSide * sizeof(double));
    }
  }
  void Transform() { voka::SineTransform2D(kSide, kSide, 1, grid, buffer, index, table, {}); }
  void TransformOn(voka::simd::InstructionSet set) {
    voka::SineTransform2DOn(set, kSide, kSide, 1, grid, buffer, index, table, {});
  }
};

struct FftwWork {
  double* data = fftw_alloc_real(static_cast<std::size_t>(kSide) * kSide);
  // Planning with FFTW_MEASURE overwrites the array, so it comes before any data.
  fftw_plan plan =
      fftw_plan_r2r_2d(kSide, kSide, data, data, FFTW_RODFT01, FFTW_RODFT01, FFTW_MEASURE);
  ~FftwWork() {
    fftw_destroy_plan(plan);
    fftw_free(data);
  }
  FftwWork() = default;
  FftwWork(const FftwWork&) = delete;
  FftwWork& operator=(const FftwWork&) = delete;

  void Load(const std::vector<double>& values) {
    std::memcpy(data, values.data(), values.size() * sizeof(double));
  }
  void Transform() { fftw_execute(plan); }
};

void BM_SineTransform2D(benchmark::State& state) {
  EngineWork work;
  for (auto _ : state) {
    state.PauseTiming();
    work.Load(Input());
    state.ResumeTiming();
    work.Transform();
    benchmark::DoNotOptimize(work.grid[kSide - 1][kSide - 1]);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SineTransform2D)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_FftwRodft01(benchmark::State& state) {
  FftwWork work;
  for (auto _ : state) {
    state.PauseTiming();
    work.Load(Input());
    state.ResumeTiming();
    work.Transform();
    benchmark::DoNotOptimize(work.data[0]);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FftwRodft01)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Each instruction set the driver can walk the grid with, for comparison:
// argument 0 transforms one row or column at a time, 1 two and 2 four.
void BM_BlockPath(benchmark::State& state) {
  const auto set = static_cast<voka::simd::InstructionSet>(state.range(0));
  if (!voka::simd::Supports(set)) {
    state.SkipWithError("not available on this machine");
    return;
  }
  EngineWork work;
  for (auto _ : state) {
    state.PauseTiming();
    work.Load(Input());
    state.ResumeTiming();
    work.TransformOn(set);
    benchmark::DoNotOptimize(work.grid[kSide - 1][kSide - 1]);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BlockPath)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Shows that both sides do the same job. FFTW's RODFT01 along one index is
// Y[k] = (-1)^k X[n-1] + 2 sum over j < n-1 of X[j] sin(pi (j+1)(k+1/2)/n);
// the engine's sign +1 transform takes element j >= 1 for X[j-1] with weight
// 1 and element 0 for X[n-1]. So the engine, given X[i-1][j-1] times 2 per
// index that is not 0, must give FFTW's result.
double SameJobDifference() {
  FftwWork fftw;
  fftw.Load(Input());
  fftw.Transform();
  EngineWork engine;
  const auto source = [](int i) { return (i + kSide - 1) % kSide; };
  for (int i = 0; i < kSide; ++i) {
    for (int j = 0; j < kSide; ++j) {
      const double weight = (i == 0 ? 1.0 : 2.0) * (j == 0 ? 1.0 : 2.0);
      engine.grid[i][j] = weight * Input()[static_cast<std::size_t>(source(i)) * kSide + source(j)];
    }
  }
  engine.Transform();
  double largest = 0;
  double difference = 0;
  for (int i = 0; i < kSide; ++i) {
    for (int j = 0; j < kSide; ++j) {
      const double theirs = fftw.data[static_cast<std::size_t>(i) * kSide + j];
      largest = std::max(largest, std::fabs(theirs));
      difference = std::max(difference, std::fabs(engine.grid[i][j] - theirs));
    }
  }
  return difference / largest;
}

using voka::bench::MedianReporter;

}  // namespace

int main(int argc, char** argv) {
  // The sine transform runs on the calling thread whatever the budget; the
  // flag is taken so that one command line serves every benchmark.
  if (!voka::bench::TakeThreadBudgetFlag(argc, argv)) return 2;
  if (!voka::bench::InitializeWithRepetitions(argc, argv, kDefaultRepetitions)) return 1;

  std::printf("same job: largest difference from FFTW, relative to its largest value: %.3g\n",
              SameJobDifference());
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const double engine = reporter.Median(kEngineName);
  const double fftw = reporter.Median(kFftwName);
  std::printf("median %s: %.1f us, median %s: %.1f us\n", kEngineName, engine, kFftwName, fftw);
  std::printf("ratio of medians (engine / FFTW): %.3f\n", engine / fftw);
  return 0;
}
