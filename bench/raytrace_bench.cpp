// SPDX-License-Identifier: GPL-3.0-or-later
// The product's direct diffraction sum against the plain loop, on the same
// four-vane obstructed pupil in one run: prints both medians and their ratio.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "diffraction_sum/diffraction_sum.h"
#include "diffraction_sum/field_modulus.h"
#include "median_reporter.h"
#include "reference/plain_diffraction_sum.h"
#include "simd/instruction_set.h"
#include "thread_budget_flag.h"
#include "threads/thread_budget.h"

namespace {

constexpr int kPlainRepetitions = 5;
constexpr int kProductRepetitions = 15;
constexpr int kPathRepetitions = 5;

// Open inside radius 64 samples, blocked inside the central obstruction of
// radius 20 and along four vanes 2 samples wide on the axes.
std::unique_ptr<voka::PupilAmplitudes> ObstructedPupil() {
  auto pupil = std::make_unique<voka::PupilAmplitudes>();
  for (int k = 0; k < voka::kPupilSamples; ++k) {
    for (int l = 0; l < voka::kPupilSamples; ++l) {
      const double x = k - 63.5;
      const double y = l - 63.5;
      const double radius = std::sqrt(x * x + y * y);
      const bool vane = std::abs(x) < 1.0 || std::abs(y) < 1.0;
      pupil->a[k][l] = (radius <= 64.0 && radius >= 20.0 && !vane) ? 1.0 : 0.0;
    }
  }
  return pupil;
}

const voka::PupilAmplitudes& BenchPupil() {
  static const std::unique_ptr<voka::PupilAmplitudes> pupil = ObstructedPupil();
  return *pupil;
}

voka::ImageField& ProductField() {
  static const auto field = std::make_unique<voka::ImageField>();
  return *field;
}

voka::ImageField& PlainField() {
  static const auto field = std::make_unique<voka::ImageField>();
  return *field;
}

void BM_PlainLoop(benchmark::State& state) {
  for (auto _ : state) {
    voka::reference::PlainDiffractionSum(BenchPupil(), PlainField());
    benchmark::DoNotOptimize(PlainField().real[32][32]);
  }
}

void BM_DiffractionSum(benchmark::State& state) {
  for (auto _ : state) {
    voka::DiffractionSum(BenchPupil(), ProductField(), {});
    benchmark::DoNotOptimize(ProductField().real[32][32]);
  }
}

using voka::simd::InstructionSet;

// The narrower instruction sets, for comparison; the product takes the widest.
void BM_DiffractionSumOnPath(benchmark::State& state) {
  const auto path = static_cast<InstructionSet>(state.range(0));
  auto field = std::make_unique<voka::ImageField>();
  for (auto _ : state) {
    voka::DiffractionSumOn(path, BenchPupil(), *field, {});
    benchmark::DoNotOptimize(field->real[32][32]);
  }
}

BENCHMARK(BM_PlainLoop)
    ->Iterations(1)
    ->Repetitions(kPlainRepetitions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_DiffractionSum)
    ->Iterations(1)
    ->Repetitions(kProductRepetitions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_DiffractionSumOnPath)
    ->Arg(static_cast<int>(InstructionSet::kScalar))
    ->Arg(static_cast<int>(InstructionSet::kVector2))
    ->Iterations(1)
    ->Repetitions(kPathRepetitions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

using voka::bench::MedianReporter;

// Largest difference between the two fields, relative to the largest modulus.
double RelativeDeviation() {
  double modulus[voka::kImagePoints][voka::kImagePoints];
  const double maximum = voka::ModulusAndMaximum(PlainField(), modulus);
  double deviation = 0.0;
  for (int i = 0; i < voka::kImagePoints; ++i) {
    for (int j = 0; j < voka::kImagePoints; ++j) {
      deviation =
          std::max({deviation, std::abs(ProductField().real[i][j] - PlainField().real[i][j]),
                    std::abs(ProductField().imag[i][j] - PlainField().imag[i][j])});
    }
  }
  return maximum > 0.0 ? deviation / maximum : deviation;
}

const char* PathName(InstructionSet path) {
  switch (path) {
    case InstructionSet::kAvx2:
      return "AVX2";
    case InstructionSet::kVector2:
      return "SSE2";
    case InstructionSet::kScalar:
      break;
  }
  return "scalar";
}

}  // namespace

int main(int argc, char** argv) {
  if (!voka::bench::TakeThreadBudgetFlag(argc, argv)) {
    return 2;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const double plain = reporter.Median("BM_PlainLoop");
  const double product = reporter.Median("BM_DiffractionSum");
  std::printf("\npath %s, %u processors, thread budget %d\n", PathName(voka::simd::Widest()),
              std::thread::hardware_concurrency(), voka::threads::ThreadBudget());
  std::printf("median plain loop:      %10.2f ms\n", plain);
  std::printf("median DiffractionSum:  %10.2f ms\n", product);
  if (plain > 0.0 && product > 0.0) {
    std::printf("ratio plain / product:  %10.1f\n", plain / product);
    std::printf("largest difference / maximum modulus: %.3g\n", RelativeDeviation());
  }
  for (const InstructionSet path : {InstructionSet::kScalar, InstructionSet::kVector2}) {
    const double median =
        reporter.Median("BM_DiffractionSumOnPath/" + std::to_string(static_cast<int>(path)));
    if (plain > 0.0 && median > 0.0) {
      std::printf("%-6s path: %10.2f ms, ratio %.1f\n", PathName(path), median, plain / median);
    }
  }
  return 0;
}
