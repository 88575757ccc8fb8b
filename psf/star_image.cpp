// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/star_image.h"

#include <algorithm>
#include <cstddef>
#include <numbers>
#include <vector>

#include "fourier/huge_pages.h"
#include "fourier/padded_transform.h"
#include "psf/intensity_run.h"
#include "psf/whole_star_image.h"
#include "threads/thread_budget.h"

namespace voka::psf {

namespace {

using Sums = IntensitySums;

// Writes |field|² of each finished column block into the stored half of the
// image. Transform row k is frequency k, or k - side past the middle, and
// lands centreIndex rows below the top: each column is written in two runs.
// The sums are kept per block and added in the blocks' order, so that the
// total is the same to the last bit whichever worker made which block, and
// however many there were.
class HalfImageSink {
 public:
  HalfImageSink(StarImage& image, double unit)
      : image_(image),
        unit_(unit),
        sums_(static_cast<std::size_t>(fourier::SpectrumBlockCount(image.paddedSide))) {}

  void operator()(const fourier::SpectrumColumns& block) {
    const int side = image_.paddedSide;
    const int firstRunLength = side - image_.centreIndex;
    Sums& sums = sums_[static_cast<std::size_t>(block.index)];
    for (int c = 0; c < block.columnCount; ++c) {
      const fftw_complex* values = block.values + static_cast<std::size_t>(c) * block.columnStride;
      double* column =
          image_.intensity.data() + static_cast<std::size_t>(block.firstColumn + c) * side;
      const Sums bottom = WriteRun(values, firstRunLength, column + image_.centreIndex);
      const Sums top = WriteRun(values + firstRunLength, side - firstRunLength, column);
      sums.total += (bottom.total + top.total) * MirrorCount(block.firstColumn + c);
      sums.peak = std::max({sums.peak, bottom.peak, top.peak});
    }
  }

  Sums Total() const { return Combined(sums_); }

 private:
  // How many columns of the whole grid a stored column stands for: its
  // mirror -frequencyX too, but for the zero frequency and, on an even grid,
  // -side/2, which is its own mirror.
  int MirrorCount(int frequencyX) const {
    const bool ownMirror =
        frequencyX == 0 || (image_.paddedSide % 2 == 0 && 2 * frequencyX == image_.paddedSide);
    return ownMirror ? 1 : 2;
  }

  Sums WriteRun(const fftw_complex* values, int length, double* out) const {
    return WriteIntensityRun(values, length, unit_, out);
  }

  StarImage& image_;
  const double unit_;
  std::vector<Sums> sums_;
};

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

  const std::size_t stored = static_cast<std::size_t>(image.paddedSide) * image.halfWidth;
  image.intensity.reserve(stored);
  fourier::AdviseHugePages(image.intensity.data(), stored * sizeof(double));
  // Touched here in order, once: the sink's writes run down the columns, and
  // first touches scattered that way cost far more than the zeros.
  image.intensity.assign(stored, 0.0);

  HalfImageSink sink(image, 1.0 / ClearAperturePeak(pupil.side));
  const bool finished = fourier::TransformPaddedPupil(
      {pupil.side, pupil.amplitude.data()}, image.paddedSide, threads::ThreadBudget(),
      [&sink](int, const fourier::SpectrumColumns& block) { sink(block); },
      {progress.progress, progress.cancelled});
  if (!finished) return std::nullopt;
  const Sums sums = sink.Total();
  image.totalIntensity = sums.total;
  image.peakIntensity = sums.peak;
  return image;
}

}  // namespace voka::psf
