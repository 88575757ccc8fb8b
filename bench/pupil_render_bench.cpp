// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil renderer against the plain 16x16 sampling of every pixel, on a
// 2048x2048 pupil with tangent vanes and a curved vane. Prints the ratio of
// the medians.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <thread>

#include "median_reporter.h"
#include "pupils/design_presets.h"
#include "pupils/open_fraction_render.h"
#include "reference/brute_force_pupil.h"
#include "thread_budget_flag.h"
#include "threads/thread_budget.h"

namespace {

using namespace voka::pupils;

constexpr int kSidePixels = 2048;

PupilDesign TangentAndCurved() {
  PupilDesign design = *PresetDesign("4-vanes-tangent");
  design.vanes.push_back(Vane{VaneShape::kCurved, 45, 3, 0, -70});
  return design;
}

void BM_BruteForce(benchmark::State& state) {
  const PupilDesign design = TangentAndCurved();
  for (auto _ : state)
    benchmark::DoNotOptimize(voka::test::BruteForceOpenFraction(design, kSidePixels));
}

void BM_Render(benchmark::State& state) {
  const PupilDesign design = TangentAndCurved();
  for (auto _ : state) benchmark::DoNotOptimize(RenderOpenFraction(design, kSidePixels));
}

// The designer's preview renders into the same storage again and again.
void BM_RenderReused(benchmark::State& state) {
  const PupilDesign design = TangentAndCurved();
  std::vector<double> fractions;
  RenderOpenFractionInto(design, kSidePixels, fractions);
  for (auto _ : state) {
    RenderOpenFractionInto(design, kSidePixels, fractions);
    benchmark::DoNotOptimize(fractions.data());
  }
}

// One pass of the sampler takes about a minute; its time hardly varies.
BENCHMARK(BM_BruteForce)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1);
BENCHMARK(BM_Render)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(BM_RenderReused)->Unit(benchmark::kMillisecond)->Repetitions(9);

}  // namespace

int main(int argc, char** argv) {
  if (!voka::bench::TakeThreadBudgetFlag(argc, argv)) return 2;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  voka::bench::MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const double plain = reporter.Median("BM_BruteForce");
  const double product = reporter.Median("BM_Render");
  std::printf("\n%d x %d pixels, %u processors, thread budget %d\n", kSidePixels, kSidePixels,
              std::thread::hardware_concurrency(), voka::threads::ThreadBudget());
  std::printf("median 16x16 sampling:  %10.2f ms\n", plain);
  std::printf("median RenderOpenFraction: %7.2f ms\n", product);
  const double reused = reporter.Median("BM_RenderReused");
  std::printf("median into reused storage: %6.2f ms\n", reused);
  if (plain > 0.0 && product > 0.0)
    std::printf("ratio sampling / renderer: %6.1f\n", plain / product);
  if (plain > 0.0 && reused > 0.0)
    std::printf("ratio sampling / reused:   %6.1f\n", plain / reused);
  return 0;
}
