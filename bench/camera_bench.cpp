// SPDX-License-Identifier: GPL-3.0-or-later
// The camera's white-light image against the padded FFT it replaces, in the
// same run: the live update (pupil 256, grid 256, 16 wavelengths) and the
// full render (pupil 512, grid 512, 32 wavelengths), each also with a
// defocus, whose complex pupil field makes the first product complex.

#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <complex>
#include <cstdio>
#include <string>
#include <vector>

#include "camera/camera_renderer.h"
#include "median_reporter.h"
#include "psf/pupil_amplitude.h"
#include "psf/star_test.h"
#include "pupils/design_presets.h"
#include "pupils/open_fraction_render.h"
#include "threads/thread_budget.h"

namespace voka {
namespace {

constexpr int kRepetitions = 5;
constexpr int kPadFactor = 4;
constexpr int kChannels = 3;
constexpr double kDefocusWaves = 2.0;  // peak to valley at 550 nm
// A complex pupil field may take at most this many times a real one's time.
constexpr double kPhaseTimeGoal = 1.6;

struct Case {
  const char* label;
  int pupilSide;
  int fieldPixels;  // sensor pixels; the grid is 4 sub-samples a pixel
  int wavelengths;
  double goalMs;
  double goalRatio;
};
// At 3.76 µm, 1000 mm and 200 mm over 400-700 nm a pixel takes 4 sub-samples.
constexpr Case kLive{"live update", 256, 64, 16, 20.0, 3.5};
constexpr Case kFull{"full render", 512, 128, 32, 250.0, 3.0};
constexpr int kSubsamples = 4;

psf::PupilField RenderPupil(int side) {
  const std::optional<pupils::PupilDesign> design = pupils::PresetDesign("4-vanes");
  return psf::PupilFromOpenFraction(pupils::RenderOpenFraction(*design, side), side,
                                    {0, 90, 180, 270});
}

camera::CameraSettings SettingsFor(const Case& c) {
  camera::CameraSettings settings;
  settings.wavelengthCount = c.wavelengths;
  settings.fieldPixels = c.fieldPixels;
  return settings;
}

// Per wavelength, FFTW's complex transform of the pupil padded 4 times,
// planned with FFTW_MEASURE outside the timing, cropped to the grid about
// the zero frequency, squared and weighted into three planes.
void Baseline(benchmark::State& state, const Case& c) {
  const int n = c.pupilSide;
  const int padded = n * kPadFactor;
  const int grid = c.fieldPixels * kSubsamples;
  const std::size_t count = static_cast<std::size_t>(padded) * padded;
  fftw_complex* input = fftw_alloc_complex(count);
  fftw_complex* output = fftw_alloc_complex(count);
  fftw_init_threads();
  fftw_plan_with_nthreads(threads::ThreadBudget());
  const fftw_plan plan =
      fftw_plan_dft_2d(padded, padded, input, output, FFTW_FORWARD, FFTW_MEASURE);
  std::fill_n(&input[0][0], 2 * count, 0.0);
  const psf::PupilField pupil = RenderPupil(n);
  for (int row = 0; row < n; ++row) {
    for (int column = 0; column < n; ++column) {
      input[static_cast<std::size_t>(row) * padded + column][0] =
          pupil.amplitude[static_cast<std::size_t>(row) * n + column];
    }
  }
  std::vector<double> planes(static_cast<std::size_t>(kChannels) * grid * grid);
  for (auto _ : state) {
    std::fill(planes.begin(), planes.end(), 0.0);
    for (int wavelength = 0; wavelength < c.wavelengths; ++wavelength) {
      fftw_execute(plan);
      const double weights[kChannels] = {1.0 + wavelength, 2.0, 3.0};
      for (int row = 0; row < grid; ++row) {
        const std::size_t from = static_cast<std::size_t>((row - grid / 2 + padded) % padded);
        for (int column = 0; column < grid; ++column) {
          const std::size_t at = from * padded + (column - grid / 2 + padded) % padded;
          const double intensity = output[at][0] * output[at][0] + output[at][1] * output[at][1];
          for (int channel = 0; channel < kChannels; ++channel) {
            planes[(static_cast<std::size_t>(channel) * grid + row) * grid + column] +=
                weights[channel] * intensity;
          }
        }
      }
    }
    benchmark::DoNotOptimize(planes.data());
  }
  fftw_destroy_plan(plan);
  fftw_free(output);
  fftw_free(input);
}

psf::PupilField BenchPupil(const Case& c, bool defocused) {
  const psf::PupilField pupil = RenderPupil(c.pupilSide);
  return defocused ? psf::WithDefocusWaves(pupil, kDefocusWaves, 550.0) : pupil;
}

bool Recorded(benchmark::State& state, const camera::CameraOutcome& outcome) {
  if (outcome.image && outcome.image->subsamples == kSubsamples) return true;
  state.SkipWithError("no image at 4 sub-samples a pixel");
  return false;
}

// What a view following the designer does: the renderer is kept, so each
// wavelength's kernel is made once and every render after that reuses it.
void Camera(benchmark::State& state, const Case& c, bool defocused) {
  const psf::PupilField pupil = BenchPupil(c, defocused);
  const camera::CameraSettings settings = SettingsFor(c);
  camera::CameraRenderer renderer;
  if (!Recorded(state, renderer.Render(pupil, settings))) return;
  for (auto _ : state) {
    const camera::CameraOutcome outcome = renderer.Render(pupil, settings);
    if (!Recorded(state, outcome)) break;
    benchmark::DoNotOptimize(outcome.image->pixels.values.data());
  }
}

// A single render from nothing, as the headless program makes it.
void CameraCold(benchmark::State& state, const Case& c) {
  const psf::PupilField pupil = BenchPupil(c, false);
  const camera::CameraSettings settings = SettingsFor(c);
  for (auto _ : state) {
    const camera::CameraOutcome outcome = camera::ComputeCameraImage(pupil, settings);
    if (!Recorded(state, outcome)) break;
    benchmark::DoNotOptimize(outcome.image->pixels.values.data());
  }
}

std::string Name(const char* what, const Case& c) {
  return std::string(what) + "/N" + std::to_string(c.pupilSide) + "_M" +
         std::to_string(c.fieldPixels * kSubsamples) + "_K" + std::to_string(c.wavelengths);
}

void Register(const Case& c) {
  benchmark::RegisterBenchmark(Name("BM_FftBaseline", c).c_str(), [c](benchmark::State& state) {
    Baseline(state, c);
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(Name("BM_Camera", c).c_str(), [c](benchmark::State& state) {
    Camera(state, c, false);
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(Name("BM_CameraCold", c).c_str(), [c](benchmark::State& state) {
    CameraCold(state, c);
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(Name("BM_CameraDefocused", c).c_str(), [c](benchmark::State& state) {
    Camera(state, c, true);
  })->Unit(benchmark::kMillisecond);
}

void PrintGoals(const bench::MedianReporter& reporter, const Case& c) {
  const double baseline = reporter.Median(Name("BM_FftBaseline", c));
  const double camera = reporter.Median(Name("BM_Camera", c));
  const double defocused = reporter.Median(Name("BM_CameraDefocused", c));
  const double cold = reporter.Median(Name("BM_CameraCold", c));
  std::printf(
      "%s (N=%d, M=%d, K=%d): baseline %.1f ms, camera (renderer kept) %.1f ms, ratio "
      "%.2fx\n",
      c.label, c.pupilSide, c.fieldPixels * kSubsamples, c.wavelengths, baseline, camera,
      baseline / camera);
  std::printf("  goal: <= %.0f ms and >= %.1fx the baseline: %s\n", c.goalMs, c.goalRatio,
              camera <= c.goalMs && baseline / camera >= c.goalRatio ? "met" : "NOT met");
  std::printf(
      "  with a defocus: %.1f ms, %.2fx the time without (goal <= %.2fx: %s), ratio %.2fx the"
      " baseline; both goals: %s\n",
      defocused, defocused / camera, kPhaseTimeGoal,
      defocused <= kPhaseTimeGoal * camera ? "met" : "NOT met", baseline / defocused,
      defocused <= c.goalMs && baseline / defocused >= c.goalRatio ? "met" : "NOT met");
  std::printf("  from nothing (kernels made in the run): %.1f ms, ratio %.2fx the baseline\n", cold,
              baseline / cold);
}

}  // namespace
}  // namespace voka

int main(int argc, char** argv) {
  if (!voka::bench::InitializeWithRepetitions(argc, argv, voka::kRepetitions)) return 1;
  voka::Register(voka::kLive);
  voka::Register(voka::kFull);
  voka::bench::MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::printf("threads: %d\n", voka::threads::ThreadBudget());
  voka::PrintGoals(reporter, voka::kLive);
  voka::PrintGoals(reporter, voka::kFull);
  return 0;
}
