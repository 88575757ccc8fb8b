#include "app/star_image_job.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <new>
#include <system_error>

#include "psf/image_scale.h"
#include "psf/psf_settings.h"
#include "psf/pupil_amplitude.h"

namespace voka {

namespace {

// Shares of the progress bar: the analysis dominates; rendering a design
// and the zoom take the rest.
constexpr int kRenderEndPercent = 5;
constexpr int kAnalysisEndPercent = 85;

QString FromUtf8(const char* text) {
  return QString::fromUtf8(text);
}

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

}  // namespace

bool SameTransform(const psf::PsfSettings& a, const psf::PsfSettings& b) {
  return a.padFactor == b.padFactor;
}

bool SamePhysicalSettings(const psf::PsfSettings& a, const psf::PsfSettings& b) {
  return a.wavelengthNm == b.wavelengthNm && a.apertureDiameterMm == b.apertureDiameterMm &&
         a.focalLengthMm == b.focalLengthMm;
}

QString CheckStarImageRequest(const StarImageRequest& request) {
  if (const auto refusal = psf::CheckPsfSettings(request.settings))
    return FromUtf8(limits::RefusalMessage(*refusal).c_str());
  const int side = request.pupil ? request.pupil->side : request.renderSide;
  if (!request.pupil && !request.renderPupil) return QStringLiteral("瞳がありません。");
  if (side <= 0 || side > psf::kMaximumPupilSide)
    return QStringLiteral("瞳の一辺 N は 1 から %1 画素にしてください。")
        .arg(psf::kMaximumPupilSide);
  if (static_cast<long long>(side) * request.settings.padFactor > psf::kMaximumPaddedSide)
    return QStringLiteral("N × Q が %1 を超えます (いまは %2 × %3)。N か Q を小さくしてください。")
        .arg(psf::kMaximumPaddedSide)
        .arg(side)
        .arg(request.settings.padFactor);
  const double halfWidth = request.zoomHalfWidthLambdaOverD;
  if (!std::isfinite(halfWidth) || halfWidth <= 0.0)
    return QStringLiteral("視野は 0 より広くしてください。");
  return {};
}

namespace {

StarImageOutcome ComputeWithinMemory(const StarImageRequest& request, const CancelFlag& cancel,
                                     const LatestOnlyRunner::ProgressSink& progress) {
  const auto start = std::chrono::steady_clock::now();
  auto computation = std::make_shared<StarImageComputation>();
  computation->pupilVersion = request.pupilVersion;
  if (request.reuse) {
    computation->pupil = request.reuse->pupil;
    computation->analysis = WithSettings(request.reuse->analysis, request.settings);
  } else {
    progress(0);
    computation->pupil = PupilOf(request);
    if (!computation->pupil)
      return {nullptr, QStringLiteral("瞳を描けませんでした。設計を見直してください。")};
    if (cancel.IsRaised()) return {};
    progress(kRenderEndPercent);
    const psf::PsfProgress engineProgress{
        [&progress](int position) {
          progress(kRenderEndPercent + position * (kAnalysisEndPercent - kRenderEndPercent) / 100);
        },
        [&cancel] { return cancel.IsRaised(); }};
    std::optional<psf::PsfAnalysis> analysis =
        psf::AnalysePupil(*computation->pupil, request.settings, engineProgress);
    if (!analysis) return {};
    computation->analysis = std::make_shared<const psf::PsfAnalysis>(std::move(*analysis));
  }
  if (cancel.IsRaised()) return {};
  progress(kAnalysisEndPercent);
  const double halfWidth =
      std::min(request.zoomHalfWidthLambdaOverD, LargestZoomHalfWidth(computation->pupil->side));
  if (request.reuse && request.reuse->zoom.window.halfWidthLambdaOverD == halfWidth)
    computation->zoom = request.reuse->zoom;
  else
    computation->zoom = psf::ComputeZoomedImage(*computation->pupil, ZoomWindowFor(halfWidth));
  if (computation->zoom.side <= 0)
    return {nullptr, QStringLiteral("拡大像を作れませんでした。視野を変えてください。")};
  progress(100);
  computation->seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return {std::move(computation), {}};
}

}  // namespace

// The largest grids take gigabytes: running short of memory, or of threads,
// is a message for the user, and the last result stays shown.
StarImageOutcome ComputeStarImageOutcome(const StarImageRequest& request, const CancelFlag& cancel,
                                         const LatestOnlyRunner::ProgressSink& progress) {
  try {
    return ComputeWithinMemory(request, cancel, progress);
  } catch (const std::bad_alloc&) {
    return {nullptr, QStringLiteral("星像を計算するメモリが足りません。瞳の一辺 N か拡大率 Q を"
                                    "小さくしてください。")};
  } catch (const std::system_error&) {
    return {nullptr, QStringLiteral("星像を計算するスレッドを起動できませんでした。ほかの"
                                    "プログラムを閉じてから、もう一度計算してください。")};
  }
}

}  // namespace voka
