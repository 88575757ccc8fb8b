// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/psf_analysis.h"

#include "psf/from_autocorrelation.h"
#include "psf/strehl_ratio.h"
#include "wavefront/wavefront_rms.h"

namespace voka::psf {

namespace {

// Shares of the whole run, from timings at N = 1024, Q = 4.
constexpr int kImageShare = 45;
constexpr int kTransferShare = 30;

PsfProgress Scaled(const PsfProgress& progress, int from, int share) {
  PsfProgress scaled;
  scaled.cancelled = progress.cancelled;
  if (progress.progress) {
    scaled.progress = [progress, from, share](int position) {
      progress.progress(from + position * share / 100);
    };
  }
  return scaled;
}

}  // namespace

std::optional<PsfAnalysis> AnalysePupil(const PupilAmplitude& pupil, const PsfSettings& settings,
                                        const PsfProgress& progress) {
  std::optional<StarImage> image =
      ComputeStarImage(pupil, settings, Scaled(progress, 0, kImageShare));
  if (!image) return std::nullopt;
  if (progress.cancelled && progress.cancelled()) return std::nullopt;
  const Autocorrelation correlation(*image);
  if (progress.progress) progress.progress(kImageShare + kTransferShare);
  if (progress.cancelled && progress.cancelled()) return std::nullopt;
  PsfNumbers numbers = ComputePsfNumbers(pupil, *image, correlation);
  MtfCurves mtf = ComputeMtfCurves(pupil, *image, correlation);
  if (progress.progress) progress.progress(100);
  PsfAnalysis analysis{std::move(*image), std::move(numbers), std::move(mtf), {}, {}};
  if (pupil.HasPhase()) {
    analysis.strehlRatio = StrehlRatio(pupil, analysis.image);
    analysis.wavefrontRmsNm = wavefront::WavefrontRmsNm(pupil.amplitude, pupil.opdNm);
  }
  return analysis;
}

}  // namespace voka::psf
