// SPDX-License-Identifier: GPL-3.0-or-later
// The star image of a design-sized pupil (1024 pixels, padded 4 times to a
// 4096² transform) against FFTW's own transform of the same size, in the same
// run; the same run with a phase on the pupil (the complex transform); and
// the live update of a small pupil, without and with a phase; the star test's
// three planes against one run with a phase at the same size. --threads=N (or VOKA_THREADS) pins
// the thread budget that all share.

#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "median_reporter.h"
#include "output/file_replace.h"
#include "psf/fits_export.h"
#include "psf/psf_analysis.h"
#include "psf/star_test.h"
#include "pupils/design_presets.h"
#include "pupils/open_fraction_render.h"
#include "thread_budget_flag.h"
#include "threads/thread_budget.h"

namespace voka {
namespace {

constexpr const char* kRunName = "BM_StarImageRun";
constexpr const char* kPhaseRunName = "BM_StarImageRunWithPhase";
constexpr const char* kTransformName = "BM_FftwTransformAlone";
constexpr const char* kLiveName = "BM_LiveUpdate";
constexpr const char* kLivePhaseName = "BM_LiveUpdateWithPhase";
constexpr const char* kStarTestName = "BM_StarTestRun";
constexpr const char* kStarTestBaseName = "BM_StarImageRunWithPhase512";
constexpr int kStarTestSide = 512;
constexpr int kDesignSide = 1024;
constexpr int kLiveSide = 256;
constexpr int kPadFactor = 4;
constexpr int kRepetitions = 5;

// The rendering step: the four-vane design's exact open fractions.
psf::PupilAmplitude RenderPupil(int side) {
  const std::optional<pupils::PupilDesign> design = pupils::PresetDesign("4-vanes");
  return psf::PupilFromOpenFraction(pupils::RenderOpenFraction(*design, side), side,
                                    {0, 90, 180, 270});
}

// Rendering, the image, its numbers and MTF, and the cropped FITS on disk.
void BM_StarImageRun(benchmark::State& state) {
  const auto fits = std::filesystem::temp_directory_path() / "voka-bench-star.fits";
  psf::PsfSettings settings;
  settings.padFactor = kPadFactor;
  for (auto _ : state) {
    const psf::PupilAmplitude pupil = RenderPupil(kDesignSide);
    const std::optional<psf::PsfAnalysis> analysis = psf::AnalysePupil(pupil, settings);
    std::string error;
    const std::string bytes =
        psf::StarImageFitsBytes(analysis->image, psf::kDefaultFieldOfViewLambdaOverD, error);
    if (ReplaceFileContents(fits, bytes)) state.SkipWithError("FITS not written");
  }
  std::filesystem::remove(fits);
}
BENCHMARK(BM_StarImageRun)->Unit(benchmark::kMillisecond);

// A wavefront error to carry: a quarter wave of defocus and of astigmatism
// at the default wavelength, in nanometres on the pupil's grid.
std::vector<double> DefocusAndAstigmatismNm(int side) {
  std::vector<double> opdNm;
  opdNm.reserve(static_cast<std::size_t>(side) * side);
  const double quarterWaveNm = psf::kDefaultWavelengthNm / 4;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      const double x = (column + 0.5) * 2 / side - 1, y = 1 - (row + 0.5) * 2 / side;
      opdNm.push_back(quarterWaveNm * (2 * (x * x + y * y) - 1 + (x * x - y * y)));
    }
  }
  return opdNm;
}

// The same run for a pupil with a phase: the whole complex transform.
void PhaseRun(benchmark::State& state, int side) {
  const auto fits = std::filesystem::temp_directory_path() / "voka-bench-star-phase.fits";
  psf::PsfSettings settings;
  settings.padFactor = kPadFactor;
  const std::vector<double> opdNm = DefocusAndAstigmatismNm(side);
  for (auto _ : state) {
    psf::PupilField pupil = RenderPupil(side);
    pupil.opdNm = opdNm;
    const std::optional<psf::PsfAnalysis> analysis = psf::AnalysePupil(pupil, settings);
    std::string error;
    const std::string bytes =
        psf::StarImageFitsBytes(analysis->image, psf::kDefaultFieldOfViewLambdaOverD, error);
    if (ReplaceFileContents(fits, bytes)) state.SkipWithError("FITS not written");
  }
  std::filesystem::remove(fits);
}
void BM_StarImageRunWithPhase(benchmark::State& state) {
  PhaseRun(state, kDesignSide);
}
BENCHMARK(BM_StarImageRunWithPhase)->Unit(benchmark::kMillisecond);

// One run with a phase at the star test's size: its yardstick.
void BM_StarImageRunWithPhase512(benchmark::State& state) {
  PhaseRun(state, kStarTestSide);
}
BENCHMARK(BM_StarImageRunWithPhase512)->Unit(benchmark::kMillisecond);

// The star test of the same pupil: rendering and its three planes.
void BM_StarTestRun(benchmark::State& state) {
  psf::PsfSettings settings;
  settings.padFactor = kPadFactor;
  const std::vector<double> opdNm = DefocusAndAstigmatismNm(kStarTestSide);
  for (auto _ : state) {
    psf::PupilField pupil = RenderPupil(kStarTestSide);
    pupil.opdNm = opdNm;
    const std::optional<psf::StarTestImages> test =
        psf::ComputeStarTest(pupil, settings, psf::kDefaultStarTestWaves);
    benchmark::DoNotOptimize(test->images[0].peakIntensity);
  }
}
BENCHMARK(BM_StarTestRun)->Unit(benchmark::kMillisecond);

// FFTW's real-to-complex transform of the padded grid, on the budget's threads,
// the plan made once outside the timing.
void BM_FftwTransformAlone(benchmark::State& state) {
  const int side = kDesignSide * kPadFactor;
  double* input = fftw_alloc_real(static_cast<std::size_t>(side) * side);
  fftw_complex* output = fftw_alloc_complex(static_cast<std::size_t>(side) * (side / 2 + 1));
  fftw_init_threads();
  fftw_plan_with_nthreads(threads::ThreadBudget());
  const fftw_plan plan = fftw_plan_dft_r2c_2d(side, side, input, output, FFTW_ESTIMATE);
  std::fill_n(input, static_cast<std::size_t>(side) * side, 0.0);
  const psf::PupilAmplitude pupil = RenderPupil(kDesignSide);
  for (int row = 0; row < kDesignSide; ++row) {
    std::copy_n(pupil.amplitude.data() + static_cast<std::size_t>(row) * kDesignSide, kDesignSide,
                input + static_cast<std::size_t>(row) * side);
  }
  for (auto _ : state) {
    fftw_execute(plan);
    benchmark::DoNotOptimize(output[1][0]);
  }
  fftw_destroy_plan(plan);
  fftw_free(output);
  fftw_free(input);
}
BENCHMARK(BM_FftwTransformAlone)->Unit(benchmark::kMillisecond);

// What the window does when a slider moves: render, image, numbers, MTF.
void BM_LiveUpdate(benchmark::State& state) {
  psf::PsfSettings settings;
  settings.padFactor = kPadFactor;
  for (auto _ : state) {
    const psf::PupilAmplitude pupil = RenderPupil(kLiveSide);
    const std::optional<psf::PsfAnalysis> analysis = psf::AnalysePupil(pupil, settings);
    benchmark::DoNotOptimize(analysis->numbers.peakRatio);
  }
}
BENCHMARK(BM_LiveUpdate)->Unit(benchmark::kMillisecond);

// The same when a designer's slider moves a wavefront term.
void BM_LiveUpdateWithPhase(benchmark::State& state) {
  psf::PsfSettings settings;
  settings.padFactor = kPadFactor;
  const std::vector<double> opdNm = DefocusAndAstigmatismNm(kLiveSide);
  for (auto _ : state) {
    psf::PupilField pupil = RenderPupil(kLiveSide);
    pupil.opdNm = opdNm;
    const std::optional<psf::PsfAnalysis> analysis = psf::AnalysePupil(pupil, settings);
    benchmark::DoNotOptimize(analysis->numbers.peakRatio);
  }
}
BENCHMARK(BM_LiveUpdateWithPhase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voka

int main(int argc, char** argv) {
  if (!voka::bench::TakeThreadBudgetFlag(argc, argv)) return 2;
  if (!voka::bench::InitializeWithRepetitions(argc, argv, voka::kRepetitions)) return 1;
  voka::bench::MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const double run = reporter.Median(voka::kRunName);
  const double transform = reporter.Median(voka::kTransformName);
  const double live = reporter.Median(voka::kLiveName);
  const double phase = reporter.Median(voka::kPhaseRunName);
  std::printf("median star-image run (N=1024, Q=4): %.1f ms, FFTW transform alone: %.1f ms\n", run,
              transform);
  std::printf("ratio of medians (run / transform): %.2f\n", run / transform);
  std::printf("median live update (N=256, Q=4): %.1f ms\n", live);
  std::printf("thread budget: %d\n", voka::threads::ThreadBudget());
  std::printf("median star-image run with a phase (N=1024, Q=4): %.1f ms, ratio to without: %.2f\n",
              phase, phase / run);
  std::printf("median live update with a phase (N=256, Q=4): %.1f ms\n",
              reporter.Median(voka::kLivePhaseName));
  const double starTest = reporter.Median(voka::kStarTestName);
  const double starTestBase = reporter.Median(voka::kStarTestBaseName);
  std::printf(
      "median star test, three planes (N=512, Q=4): %.1f ms, one run with a phase: %.1f ms, "
      "ratio: %.2f\n",
      starTest, starTestBase, starTest / starTestBase);
  return 0;
}
