// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/star_image.h"

#include <algorithm>
#include <cstddef>
#include <numbers>
#include <vector>

#include "fourier/padded_transform.h"
#include "psf/image_sink.h"
#include "psf/whole_star_image.h"
#include "threads/thread_budget.h"

namespace voka::psf {

namespace {

// How many columns of the whole grid a stored column stands for: its mirror
// -frequencyX too, but for the zero frequency and, on an even grid,
// -side/2, which is its own mirror.
int MirrorCount(int frequencyX, int paddedSide) {
  const bool ownMirror = frequencyX == 0 || (paddedSide % 2 == 0 && 2 * frequencyX == paddedSide);
  return ownMirror ? 1 : 2;
}

}  // namespace

double ClearAperturePeak(int pupilSide) {
  const double area = std::numbers::pi / 4.0 * pupilSide * static_cast<double>(pupilSide);
  return area * area;
}

std::optional<StarImage> ComputeStarImage(const PupilAmplitude& pupil, const PsfSettings& settings,
                                          const PsfProgress& progress) {
  if (!PupilLetsLightThrough(pupil) || CheckPsfSettings(settings) ||
      static_cast<long long>(pupil.side) * settings.padFactor > kMaximumPaddedSide) {
    return std::nullopt;
  }
  StarImage image;
  image.pupilSide = pupil.side;
  image.padFactor = settings.padFactor;
  image.paddedSide = pupil.side * settings.padFactor;
  image.centreIndex = image.paddedSide / 2;
  image.halfWidth = image.paddedSide / 2 + 1;
  image.scale = ComputeImageScale(settings);
  image.settings = settings;
  if (pupil.HasPhase()) {
    if (!FillWholeStarImage(pupil, image, progress)) return std::nullopt;
    return image;
  }

  // A real pupil's image is symmetric through its centre: only the columns
  // from the centre rightward are stored, and each stands for its mirror too.
  PrepareIntensity(image, image.halfWidth);
  const int side = image.paddedSide;
  ImageSink sink(image, 1.0 / ClearAperturePeak(pupil.side), fourier::SpectrumBlockCount(side),
                 [side](int frequency) {
                   return ColumnPlace{frequency, MirrorCount(frequency, side)};
                 });
  const bool finished = fourier::TransformPaddedPupil(
      {pupil.side, pupil.amplitude.data()}, side, threads::ThreadBudget(),
      [&sink](int, const fourier::SpectrumColumns& block) { sink(block); },
      {progress.progress, progress.cancelled});
  if (!finished) return std::nullopt;
  sink.Finish();
  return image;
}

}  // namespace voka::psf
