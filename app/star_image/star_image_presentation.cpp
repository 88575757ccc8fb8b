#include "app/star_image/star_image_presentation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace voka {

namespace {

constexpr int kReferenceCurvePoints = 400;
constexpr double kMillimetresPerNanometre = 1e-6;

QString Percent(double fraction) {
  return QStringLiteral("%1 %").arg(100.0 * fraction, 0, 'f', 2);
}

// 1 − J0²(x) − J1²(x) with x = π r / (λ/D): the light of a clear aperture
// within r.
double ClearEncircledEnergy(double radiusLambdaOverD) {
  const double x = std::numbers::pi * radiusLambdaOverD;
  if (x <= 0.0) return 0.0;
  const double j0 = std::cyl_bessel_j(0.0, x);
  const double j1 = std::cyl_bessel_j(1.0, x);
  return 1.0 - j0 * j0 - j1 * j1;
}

std::vector<QPointF> Points(const std::vector<double>& x, const std::vector<double>& y) {
  std::vector<QPointF> points;
  const std::size_t count = std::min(x.size(), y.size());
  points.reserve(count);
  for (std::size_t i = 0; i < count; ++i) points.emplace_back(x[i], y[i]);
  return points;
}

}  // namespace

PsfPicture MakePsfPicture(const StarImageComputation& computation, int decades) {
  const psf::ZoomedImage& zoom = computation.zoom;
  const psf::StarImage& image = computation.analysis->image;
  return psfview::LogScalePicture(zoom.intensity, zoom.side, image.peakIntensity, decades,
                                  zoom.window.halfWidthLambdaOverD * image.scale.lambdaOverDArcsec);
}

std::vector<NamedCurve> EncircledEnergyCurves(const psf::PsfNumbers& numbers) {
  NamedCurve measured{QStringLiteral("この瞳"), {}, false};
  measured.points.reserve(numbers.encircledEnergy.size());
  for (const psf::EncircledEnergyPoint& point : numbers.encircledEnergy)
    measured.points.emplace_back(point.radiusLambdaOverD, point.fraction);
  const double largestRadius =
      numbers.encircledEnergy.empty() ? 0.0 : numbers.encircledEnergy.back().radiusLambdaOverD;
  NamedCurve clear{QStringLiteral("無遮蔽開口 (理論)"), {}, true};
  clear.points.reserve(kReferenceCurvePoints + 1);
  for (int i = 0; i <= kReferenceCurvePoints; ++i) {
    const double radius = largestRadius * i / kReferenceCurvePoints;
    clear.points.emplace_back(radius, ClearEncircledEnergy(radius));
  }
  return {clear, measured};
}

std::vector<NamedCurve> MtfChartCurves(const psf::MtfCurves& mtf, bool vaneDirectionsKnown) {
  const auto& frequency = mtf.frequencyOfCutoff;
  // A bitmap does not say where its vanes are: its cuts are named by angle only.
  const QString along =
      vaneDirectionsKnown ? QStringLiteral("スパイダー沿い %1°") : QStringLiteral("%1° 方向");
  const QString between =
      vaneDirectionsKnown ? QStringLiteral("スパイダー間 %1°") : QStringLiteral("%1° 方向");
  return {
      {QStringLiteral("無遮蔽開口"), Points(frequency, mtf.clearAperture), true},
      {QStringLiteral("全方向の平均"), Points(frequency, mtf.radialMean), false},
      {along.arg(mtf.alongAngleDeg, 0, 'f', 0), Points(frequency, mtf.alongVanes), false},
      {between.arg(mtf.betweenAngleDeg, 0, 'f', 0), Points(frequency, mtf.betweenVanes), false},
  };
}

QString MtfTitle(const psf::ImageScale& scale, const psf::PsfSettings& settings) {
  // D/λ at the focus is D / (λ F) line pairs per millimetre.
  const double cutoffPerMm =
      settings.apertureDiameterMm /
      (settings.wavelengthNm * kMillimetresPerNanometre * settings.focalLengthMm);
  const double cutoffPerArcsec = 1.0 / scale.lambdaOverDArcsec;
  return QStringLiteral("MTF (遮断周波数 D/λ = %1 本/mm = %2 周期/秒角)")
      .arg(cutoffPerMm, 0, 'f', 1)
      .arg(cutoffPerArcsec, 0, 'f', 3);
}

std::vector<NumberRow> NumberRows(const StarImageComputation& computation) {
  const psf::PsfAnalysis& analysis = *computation.analysis;
  const psf::PsfNumbers& numbers = analysis.numbers;
  const psf::ImageScale& scale = analysis.image.scale;
  return {
      {QStringLiteral("ピーク比 (無遮蔽開口比)"), QString::number(numbers.peakRatio, 'f', 4)},
      {QStringLiteral("包囲エネルギー 1.22 λ/D"), Percent(numbers.encircledEnergyAt1_22)},
      {QStringLiteral("包囲エネルギー 2.23 λ/D"), Percent(numbers.encircledEnergyAt2_23)},
      {QStringLiteral("包囲エネルギー 5 λ/D"), Percent(numbers.encircledEnergyAt5)},
      {QStringLiteral("スパイクの光量"), Percent(numbers.spikeFraction)},
      {QStringLiteral("画素スケール (空)"),
       QStringLiteral("%1 秒角/画素").arg(scale.pixelArcsec, 0, 'g', 4)},
      {QStringLiteral("画素スケール (焦点)"),
       QStringLiteral("%1 µm/画素").arg(scale.pixelMicrometres, 0, 'g', 4)},
      {QStringLiteral("エアリー半径 1.22 λ/D"), QStringLiteral("%1 秒角 (%2 µm)")
                                                    .arg(scale.airyRadiusArcsec, 0, 'g', 4)
                                                    .arg(scale.airyRadiusMicrometres, 0, 'g', 4)},
      {QStringLiteral("格子 N × Q"), QStringLiteral("%1 × %2 = %3 画素")
                                         .arg(analysis.image.pupilSide)
                                         .arg(analysis.image.padFactor)
                                         .arg(analysis.image.paddedSide)},
      {QStringLiteral("計算時間"), QStringLiteral("%1 秒").arg(computation.seconds, 0, 'f', 2)},
  };
}

}  // namespace voka
