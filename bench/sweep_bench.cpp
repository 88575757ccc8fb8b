// SPDX-License-Identifier: GPL-3.0-or-later
// A 21-step sweep at N = 512, Q = 4 against the same 21 star images computed
// one after another: on one thread each (the work the sweep divides, so the
// ratio is its parallel efficiency times the threads), and on the whole
// budget each (how the star-image window computes one image).

#include <benchmark/benchmark.h>

#include <cstdio>

#include "median_reporter.h"
#include "studies/sweep_run.h"
#include "thread_budget_flag.h"
#include "threads/thread_budget.h"

namespace voka {
namespace {

constexpr int kRepetitions = 3;
constexpr const char* kSweepName = "BM_Sweep";
constexpr const char* kSinglesOneThreadName = "BM_SinglesOnOneThread";
constexpr const char* kSinglesWholeBudgetName = "BM_SinglesOnTheWholeBudget";

studies::SweepRequest Request() {
  studies::SweepRequest request;
  request.design.apertureDiameterMm = 200.0;
  request.design.obstruction = pupils::Obstruction{60.0, 0.0, 0.0};
  for (const double angle : {0.0, 90.0, 180.0, 270.0}) {
    pupils::Vane vane;
    vane.angleDeg = angle;
    vane.widthMm = 2.0;
    request.design.vanes.push_back(vane);
  }
  request.range = *pupils::ParseSweepRange("vanes[0].angle_deg=-2:2:21").sweep;
  request.pupilSide = 512;
  request.settings.padFactor = 4;
  return request;
}

void BM_Sweep(benchmark::State& state) {
  const studies::SweepRequest request = Request();
  for (auto _ : state) {
    const studies::SweepResult result = studies::RunSweep(request);
    benchmark::DoNotOptimize(result.steps.back().record.back().value);
  }
}
BENCHMARK(BM_Sweep)->Unit(benchmark::kMillisecond)->UseRealTime();

void Singles(benchmark::State& state, int threads) {
  const studies::SweepRequest request = Request();
  const threads::ThreadShare share(threads);
  for (auto _ : state) {
    for (const double value : pupils::SweepValues(request.range)) {
      const std::optional<psf::PsfAnalysis> analysis = studies::AnalyseSweepStep(request, value);
      benchmark::DoNotOptimize(analysis->numbers.spikeFraction);
    }
  }
}

void BM_SinglesOnOneThread(benchmark::State& state) {
  Singles(state, 1);
}
BENCHMARK(BM_SinglesOnOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SinglesOnTheWholeBudget(benchmark::State& state) {
  Singles(state, threads::ThreadBudget());
}
BENCHMARK(BM_SinglesOnTheWholeBudget)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace voka

int main(int argc, char** argv) {
  if (!voka::bench::TakeThreadBudgetFlag(argc, argv)) return 2;
  if (!voka::bench::InitializeWithRepetitions(argc, argv, voka::kRepetitions)) return 1;
  voka::bench::MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const double sweep = reporter.Median(std::string(voka::kSweepName));
  const double oneThread = reporter.Median(std::string(voka::kSinglesOneThreadName));
  const double wholeBudget = reporter.Median(std::string(voka::kSinglesWholeBudgetName));
  std::printf("thread budget: %d\n", voka::threads::ThreadBudget());
  std::printf("median 21-step sweep (N=512, Q=4): %.0f ms\n", sweep);
  std::printf("21 single runs on one thread: %.0f ms, speed-up of the sweep: %.2f (goal >= 1.7)\n",
              oneThread, oneThread / sweep);
  std::printf("21 single runs on the whole budget: %.0f ms, ratio to the sweep: %.2f\n",
              wholeBudget, wholeBudget / sweep);
  return 0;
}
