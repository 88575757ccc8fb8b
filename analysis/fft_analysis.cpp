// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/fft_analysis.h"

#include "analysis/fft_presentation.h"
#include "analysis/mirrored_transform.h"
#include "analysis/pupil_sampling.h"
#include "sine_transform/sine_transform_2d.h"
#include "sine_transform/transform_work.h"
#include "sine_transform/work_areas.h"

namespace voka {

namespace {

// The transform's work areas for 512 by 512, sized as the engine needs them
// for the larger dimension, with room to spare: the column buffer takes two
// columns, the index array 24 integers, the table 768 doubles.
constexpr int kColumnBufferCount = 2 * kGridSize;
constexpr int kIndexCount = 24;
constexpr int kTableCount = kGridSize * 5 / 4 + kGridSize / 4;
static_assert(kIndexCount >= TransformIndexCount(kGridSize));
static_assert(kTableCount >= TransformTableCount(kGridSize));

// Everything the command allocates, released in reverse order of need when
// it goes out of scope, whatever path the command takes. All of it is taken
// before anything is drawn, so that a failure changes nothing.
struct FftWorkAreas {
  DoubleGrid spectrum = nullptr;
  DoubleGrid pupil = nullptr;
  double* columnBuffer = nullptr;
  std::int32_t* index = nullptr;
  double* table = nullptr;

  ~FftWorkAreas() {
    FreeDoubles(table);
    FreeInts(index);
    FreeDoubles(columnBuffer);
    FreeGrid(pupil, kGridSize);
    FreeGrid(spectrum, kGridSize);
  }
};

// Takes every work area; false (the user told, the areas taken so far left
// for the destructor) at the first that fails.
bool Allocate(FftWorkAreas& areas, const TellUserFn& tell) {
  areas.spectrum = AllocGrid(kGridSize, kGridSize, tell);
  if (areas.spectrum == nullptr) return false;
  areas.pupil = AllocGrid(kGridSize, kGridSize, tell);
  if (areas.pupil == nullptr) return false;
  areas.columnBuffer = AllocDoubles(kColumnBufferCount, tell);
  if (areas.columnBuffer == nullptr) return false;
  areas.index = AllocInts(kIndexCount, tell);
  if (areas.index == nullptr) return false;
  areas.table = AllocDoubles(kTableCount, tell);
  if (areas.table == nullptr) return false;
  areas.index[kTwiddleSizeSlot] = 0;
  return true;
}

}  // namespace

AnalysisResult RunFftAnalysis(Canvas& canvas, const DibHandle& pupil, const ProgressFn& progress,
                              const TellUserFn& tell, const std::filesystem::path& tablePath) {
  return RunFftAnalysisCaptioned(canvas, pupil, progress, tell, tablePath, SpectrumCaptions{});
}

AnalysisResult RunFftAnalysisCaptioned(Canvas& canvas, const DibHandle& pupil,
                                       const ProgressFn& progress, const TellUserFn& tell,
                                       const std::filesystem::path& tablePath,
                                       const SpectrumCaptions& captions) {
  AnalysisResult result;
  if (!HasPupil(pupil, tell)) return result;
  FftWorkAreas areas;
  if (!Allocate(areas, tell)) {
    result.outcome = AnalysisOutcome::kNoMemory;
    return result;
  }

  result.pupilSum = SamplePupil(canvas, pupil, kThumbnailSize, kThumbnailSize, areas.pupil);
  SineTransform2D(kGridSize, kGridSize, 1, areas.pupil, areas.columnBuffer, areas.index,
                  areas.table, progress);
  MirrorSpectrum(areas.pupil, areas.spectrum);
  const SpectrumReport report =
      ShowSpectrum(canvas, areas.spectrum, result.pupilSum, tablePath, captions);
  result.captions = {report.apertureCaption, report.titleCaption, report.intensityCaption};
  result.noLight = report.centreIsZero;
  result.table = report.table;
  result.outcome = TellAnalysisEnd(tell, result.noLight, result.table);
  return result;
}

}  // namespace voka
