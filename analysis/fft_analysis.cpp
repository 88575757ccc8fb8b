#include "analysis/fft_analysis.h"

#include "analysis/analysis_end.h"
#include "analysis/analysis_messages.h"
#include "analysis/mirrored_transform.h"
#include "analysis/pupil_sampling.h"
#include "analysis/sine_transform_2d.h"
#include "analysis/transform_work.h"
#include "analysis/work_areas.h"

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
// it goes out of scope, whatever path the command takes.
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

}  // namespace

FftAnalysisResult RunFftAnalysis(Canvas& canvas, const DibHandle& pupil, const ProgressFn& progress,
                                 const TellUserFn& tell, const std::filesystem::path& tablePath) {
  FftAnalysisResult result;
  if (!pupil) {
    if (tell) tell(kNoPupilMessage);
    result.outcome = FftOutcome::kNoPupil;
    return result;
  }

  FftWorkAreas areas;
  areas.spectrum = AllocGrid(kGridSize, kGridSize, tell);
  if (areas.spectrum != nullptr) areas.pupil = AllocGrid(kGridSize, kGridSize, tell);
  if (areas.pupil == nullptr) {
    result.outcome = FftOutcome::kNoMemory;
    return result;
  }
  areas.columnBuffer = AllocDoubles(kColumnBufferCount, tell);
  areas.index = AllocInts(kIndexCount, tell);
  areas.table = AllocDoubles(kTableCount, tell);
  areas.index[kTwiddleSizeSlot] = 0;

  result.pupilSum = SamplePupil(canvas, pupil, kThumbnailSize, kThumbnailSize, areas.pupil);
  SineTransform2D(kGridSize, kGridSize, 1, areas.pupil, areas.columnBuffer, areas.index,
                  areas.table, progress);
  MirrorSpectrum(areas.pupil, areas.spectrum);
  result.report = ShowSpectrum(canvas, areas.spectrum, result.pupilSum, tablePath);

  const bool written = TellAnalysisEnd(tell, result.report.centreIsZero, result.report.table);
  result.outcome = written ? FftOutcome::kDone : FftOutcome::kTableFailed;
  return result;
}

}  // namespace voka
