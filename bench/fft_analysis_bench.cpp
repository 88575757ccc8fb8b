// SPDX-License-Identifier: GPL-3.0-or-later
// The whole FFT analysis (sampling through the canvas, the two-dimensional
// transform, mirroring, presentation and the table file) beside the
// transform alone, in one run: prints both medians and their ratio, the
// share of the command that is not the transform.

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "analysis/fft_analysis.h"
#include "analysis/pupil_sampling.h"
#include "median_reporter.h"
#include "reference/pupil_images.h"
#include "sine_transform/sine_transform_2d.h"
#include "sine_transform/transform_work.h"
#include "sine_transform/work_areas.h"

namespace voka {
namespace {

constexpr const char* kAnalysisName = "BM_WholeFftAnalysis";
constexpr const char* kTransformName = "BM_TransformAlone";
constexpr int kRepetitions = 10;

DibHandle BenchPupil() {
  return test::ShapePupil(pupil_shapes::PupilShape::kFourVanes, 512);
}

void BM_WholeFftAnalysis(benchmark::State& state) {
  const DibHandle pupil = BenchPupil();
  const auto table = std::filesystem::temp_directory_path() / "voka-bench-VOKA.TXT";
  Canvas canvas;
  for (auto _ : state) {
    const AnalysisResult result = RunFftAnalysis(canvas, pupil, {}, {}, table);
    benchmark::DoNotOptimize(result.pupilSum);
  }
  std::filesystem::remove(table);
}
BENCHMARK(BM_WholeFftAnalysis)->Unit(benchmark::kMillisecond);

// The same transform on the same sampled grid; each pass starts from a fresh
// copy of it, as the command's does.
void BM_TransformAlone(benchmark::State& state) {
  DoubleGrid sampled = AllocGrid(kGridSize, kGridSize, {});
  DoubleGrid grid = AllocGrid(kGridSize, kGridSize, {});
  Canvas canvas;
  SamplePupil(canvas, BenchPupil(), kThumbnailSize, kThumbnailSize, sampled);
  auto buffer = std::make_unique<double[]>(2 * kGridSize);
  auto index = std::make_unique<std::int32_t[]>(TransformIndexCount(kGridSize));
  auto tables = std::make_unique<double[]>(TransformTableCount(kGridSize));
  for (auto _ : state) {
    for (int x = 0; x < kGridSize; ++x) std::copy(sampled[x], sampled[x] + kGridSize, grid[x]);
    index[kTwiddleSizeSlot] = 0;
    SineTransform2D(kGridSize, kGridSize, 1, grid, buffer.get(), index.get(), tables.get(), {});
    benchmark::DoNotOptimize(grid[0][0]);
  }
  FreeGrid(grid, kGridSize);
  FreeGrid(sampled, kGridSize);
}
BENCHMARK(BM_TransformAlone)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voka

int main(int argc, char** argv) {
  // The presentation draws captions, which need a GUI application's fonts.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (!voka::bench::InitializeWithRepetitions(argc, argv, voka::kRepetitions)) return 1;
  voka::bench::MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const double analysis = reporter.Median(voka::kAnalysisName);
  const double transform = reporter.Median(voka::kTransformName);
  std::printf("median whole analysis: %.3f ms, median transform alone: %.3f ms\n", analysis,
              transform);
  std::printf("ratio of medians (whole analysis / transform): %.2f\n", analysis / transform);
  return 0;
}
