// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/star_image/star_image_job.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <new>
#include <system_error>

#include "app/common/limit_texts.h"
#include "psf/image_scale.h"
#include "psf/psf_settings.h"
#include "psf/pupil_amplitude.h"

namespace voka {

namespace {

// Shares of the progress bar: the analysis dominates; rendering a design
// and the zoom take the rest.
constexpr int kRenderEndPercent = 5;
constexpr int kAnalysisEndPercent = 85;

// The pupil samples the aperture N times across, so the image repeats every
// N λ/D: a zoom wider than half of that would show the repetition, and is
// narrowed to it.
double LargestZoomHalfWidth(int pupilSide) {
  return pupilSide / 2.0;
}

psf::ZoomWindow ZoomWindowFor(double halfWidthLambdaOverD) {
  psf::ZoomWindow window;
  window.halfWidthLambdaOverD = halfWidthLambdaOverD;
  window.stepLambdaOverD = 2.0 * halfWidthLambdaOverD / kZoomPixelsAcross;
  return window;
}

std::shared_ptr<const psf::PupilAmplitude> PupilOf(const StarImageRequest& request) {
  if (request.pupil) return request.pupil;
  auto rendered = std::make_shared<psf::PupilAmplitude>(request.renderPupil(request.renderSide));
  if (rendered->side <= 0) return nullptr;
  return rendered;
}

// Wavelength, aperture and focal length change the image's scale on the
// sky and at the focus, never its shape in λ/D: a new scale is a copy.
std::shared_ptr<const psf::PsfAnalysis> WithSettings(
    const std::shared_ptr<const psf::PsfAnalysis>& analysis, const psf::PsfSettings& settings) {
  if (SamePhysicalSettings(analysis->image.settings, settings)) return analysis;
  auto rescaled = std::make_shared<psf::PsfAnalysis>(*analysis);
  rescaled->image.settings = settings;
  rescaled->image.scale = psf::ComputeImageScale(settings);
  return rescaled;
}

// A phase in nanometres is another field at another wavelength: only a
// pupil without one keeps its transform when the wavelength changes.
bool ReusesTransform(const StarImageComputation& shown, const psf::PsfSettings& settings) {
  return !shown.pupil->HasPhase() ||
         shown.analysis->image.settings.wavelengthNm == settings.wavelengthNm;
}

}  // namespace

StarImageOutcome StarImageOutcome::Done(std::shared_ptr<const StarImageComputation> computation) {
  return {StarImageEnd::kDone, std::move(computation), {}};
}

StarImageOutcome StarImageOutcome::Refused(QString why) {
  return {StarImageEnd::kRefused, nullptr, std::move(why)};
}

QString NoLightRefusal() {
  return QCoreApplication::translate(
      "voka::StarImageJob",
      "瞳が光を通しません。遮蔽やスパイダーを小さくするか、明るい部分のある"
      "瞳の画像を開いてください。");
}

bool SameTransform(const psf::PsfSettings& a, const psf::PsfSettings& b) {
  return a.padFactor == b.padFactor;
}

bool SamePhysicalSettings(const psf::PsfSettings& a, const psf::PsfSettings& b) {
  return a.wavelengthNm == b.wavelengthNm && a.apertureDiameterMm == b.apertureDiameterMm &&
         a.focalLengthMm == b.focalLengthMm;
}

QString CheckStarImageRequest(const StarImageRequest& request) {
  if (const auto refusal = psf::CheckPsfSettings(request.settings))
    return LimitRefusalText(*refusal);
  const int side = request.pupil ? request.pupil->side : request.renderSide;
  if (!request.pupil && !request.renderPupil)
    return QCoreApplication::translate("voka::StarImageJob", "瞳がありません。");
  if (side <= 0 || side > psf::kMaximumPupilSide)
    return QCoreApplication::translate("voka::StarImageJob",
                                       "瞳の一辺 N は 1 から %1 画素にしてください。")
        .arg(psf::kMaximumPupilSide);
  if (!request.pupil && side > request.largestRenderSide)
    return QCoreApplication::translate(
               "voka::StarImageJob",
               "この瞳は一辺 %1 画素まで描けます (いまは N = %2)。N を小さくしてください。")
        .arg(request.largestRenderSide)
        .arg(side);
  if (static_cast<long long>(side) * request.settings.padFactor > psf::kMaximumPaddedSide)
    return QCoreApplication::translate(
               "voka::StarImageJob",
               "N × Q が %1 を超えます (いまは %2 × %3)。N か Q を小さくしてください。")
        .arg(psf::kMaximumPaddedSide)
        .arg(side)
        .arg(request.settings.padFactor);
  const double halfWidth = request.zoomHalfWidthLambdaOverD;
  if (!std::isfinite(halfWidth) || halfWidth <= 0.0)
    return QCoreApplication::translate("voka::StarImageJob", "視野は 0 より広くしてください。");
  return {};
}

namespace {

StarImageOutcome ComputeWithinMemory(const StarImageRequest& request, const CancelFlag& cancel,
                                     const LatestOnlyRunner::ProgressSink& progress) {
  const auto start = std::chrono::steady_clock::now();
  auto computation = std::make_shared<StarImageComputation>();
  computation->pupilVersion = request.pupilVersion;
  const bool reusable = request.reuse && ReusesTransform(*request.reuse, request.settings);
  if (reusable) {
    computation->pupil = request.reuse->pupil;
    computation->analysis = WithSettings(request.reuse->analysis, request.settings);
  } else {
    progress(0);
    computation->pupil = request.reuse ? request.reuse->pupil : PupilOf(request);
    if (!computation->pupil)
      return StarImageOutcome::Refused(QCoreApplication::translate(
          "voka::StarImageJob", "瞳を描けませんでした。設計を見直してください。"));
    if (cancel.IsRaised()) return StarImageOutcome::Cancelled();
    // The engine has no image to normalise for an opaque pupil.
    if (!psf::PupilLetsLightThrough(*computation->pupil))
      return StarImageOutcome::Refused(NoLightRefusal());
    progress(kRenderEndPercent);
    const psf::PsfProgress engineProgress{
        [&progress](int position) {
          progress(kRenderEndPercent + position * (kAnalysisEndPercent - kRenderEndPercent) / 100);
        },
        [&cancel] { return cancel.IsRaised(); }};
    std::optional<psf::PsfAnalysis> analysis =
        psf::AnalysePupil(*computation->pupil, request.settings, engineProgress);
    if (!analysis) {
      if (cancel.IsRaised()) return StarImageOutcome::Cancelled();
      return StarImageOutcome::Refused(QCoreApplication::translate(
          "voka::StarImageJob",
          "星像を計算できませんでした。瞳の一辺 N か拡大率 Q を変えてください。"));
    }
    computation->analysis = std::make_shared<const psf::PsfAnalysis>(std::move(*analysis));
  }
  if (cancel.IsRaised()) return StarImageOutcome::Cancelled();
  progress(kAnalysisEndPercent);
  const double halfWidth =
      std::min(request.zoomHalfWidthLambdaOverD, LargestZoomHalfWidth(computation->pupil->side));
  if (reusable && request.reuse->zoom.window.halfWidthLambdaOverD == halfWidth)
    computation->zoom = request.reuse->zoom;
  else
    computation->zoom = psf::ComputeZoomedImage(*computation->pupil, ZoomWindowFor(halfWidth),
                                                request.settings.wavelengthNm);
  if (computation->zoom.side <= 0)
    return StarImageOutcome::Refused(QCoreApplication::translate(
        "voka::StarImageJob", "拡大像を作れませんでした。視野を変えてください。"));
  progress(100);
  computation->seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return StarImageOutcome::Done(std::move(computation));
}

}  // namespace

// The largest grids take gigabytes: running short of memory, or of threads,
// is a message for the user, and the last result stays shown.
StarImageOutcome ComputeStarImageOutcome(const StarImageRequest& request, const CancelFlag& cancel,
                                         const LatestOnlyRunner::ProgressSink& progress) {
  try {
    return ComputeWithinMemory(request, cancel, progress);
  } catch (const std::bad_alloc&) {
    return StarImageOutcome::Refused(
        QCoreApplication::translate("voka::StarImageJob",
                                    "星像を計算するメモリが足りません。瞳の一辺 N か拡大率 Q を"
                                    "小さくしてください。"));
  } catch (const std::system_error&) {
    return StarImageOutcome::Refused(
        QCoreApplication::translate("voka::StarImageJob",
                                    "星像を計算するスレッドを起動できませんでした。ほかの"
                                    "プログラムを閉じてから、もう一度計算してください。"));
  }
}

}  // namespace voka
