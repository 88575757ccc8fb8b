// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ray_trace_analysis.h"

#include <cmath>
#include <limits>
#include <memory>
#include <new>

#include "analysis/pupil_sampling.h"
#include "dib/dib_draw.h"
#include "diffraction_sum/diffraction_sum.h"
#include "diffraction_sum/field_modulus.h"
#include "output/result_table.h"
#include "sine_transform/work_areas.h"

namespace voka {

namespace {

// The cleared area: thumbnail and picture with a margin.
constexpr int kClearWidth = 400;
constexpr int kClearHeight = 156;
// The thumbnail's top-left corner; the picture stands right of it.
constexpr int kThumbnailLeft = 2;
constexpr int kThumbnailTop = 2;
constexpr int kPictureLeft = kThumbnailLeft + kThumbnailSize;
constexpr int kCellSize = 2;
constexpr double kWhiteLevel = 255.0;

static_assert(kPupilSamples == kThumbnailSize, "one pupil sample per thumbnail pixel");

void PaintThumbnail(Canvas& canvas, const DibHandle& pupil) {
  DibDrawWhole(canvas,
               DibRect{kThumbnailLeft, kThumbnailTop, kThumbnailLeft + kThumbnailSize,
                       kThumbnailTop + kThumbnailSize},
               pupil);
}

void ReadAmplitudes(const Canvas& canvas, PupilAmplitudes& pupil) {
  for (int k = 0; k < kPupilSamples; ++k) {
    for (int l = 0; l < kPupilSamples; ++l) {
      pupil.a[k][l] = RedOf(canvas.GetPixel(k + kThumbnailLeft, l + kThumbnailTop)) / kWhiteLevel;
    }
  }
}

// The modulus normalised to the maximum; with a maximum of 0 there is
// nothing to normalise to and every value is NaN (written as "nan").
ResultTable Normalised(const double modulus[kImagePoints][kImagePoints], double maximum) {
  ResultTable table{};
  for (int i = 0; i < kImagePoints; ++i) {
    for (int j = 0; j < kImagePoints; ++j) {
      table[i][j] =
          maximum == 0.0 ? std::numeric_limits<double>::quiet_NaN() : modulus[i][j] / maximum;
    }
  }
  return table;
}

// Grey level of a normalised value: value × 255 truncated, its low 8 bits.
// Values that are not finite (no light at all) are black.
std::uint8_t GreyLevel(double normalised) {
  const double level = normalised * kWhiteLevel;
  if (!(level >= 0.0 && level < 256.0)) return 0;
  return static_cast<std::uint8_t>(static_cast<int>(level) & 0xFF);
}

void DrawPicture(Canvas& canvas, const ResultTable& normalised) {
  for (int i = 0; i < kImagePoints; ++i) {
    for (int j = 0; j < kImagePoints; ++j) {
      FillBox(canvas, kPictureLeft + kCellSize * i, kThumbnailTop + kCellSize * j, kCellSize,
              kCellSize, Grey(GreyLevel(normalised[i][j])));
    }
  }
}

}  // namespace

AnalysisResult RunRayTrace(Canvas& canvas, const DibHandle& pupil, const ProgressFn& progress,
                           const TellUserFn& tell, const std::filesystem::path& tablePath) {
  AnalysisResult result;
  if (!HasPupil(pupil, tell)) return result;
  // About 200 KiB together: kept off the stack, and taken before anything
  // is drawn so that a failure changes nothing.
  std::unique_ptr<PupilAmplitudes> amplitudes(new (std::nothrow) PupilAmplitudes);
  std::unique_ptr<ImageField> field(new (std::nothrow) ImageField);
  if (!amplitudes || !field) {
    if (tell) tell(kAllocationFailureMessage);
    result.outcome = AnalysisOutcome::kNoMemory;
    return result;
  }

  FillBox(canvas, 0, 0, kClearWidth, kClearHeight, kBlack);
  PaintThumbnail(canvas, pupil);
  ReadAmplitudes(canvas, *amplitudes);
  DiffractionSum(*amplitudes, *field, progress);

  double modulus[kImagePoints][kImagePoints];
  result.maximum = ModulusAndMaximum(*field, modulus);
  const ResultTable normalised = Normalised(modulus, result.maximum);
  DrawPicture(canvas, normalised);
  result.table = WriteResultTable(kRayTraceHeader, normalised, tablePath);

  result.noLight = result.maximum == 0.0;
  result.outcome = TellAnalysisEnd(tell, result.noLight, result.table);
  return result;
}

}  // namespace voka
