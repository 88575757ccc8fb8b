// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/star_image/star_image_presentation.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/common/library_texts.h"
#include "psf/result_record.h"

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

// A quantity as the table shows it: fractions in percent, ratios to four
// places, lengths and angles to four significant digits with their unit.
QString ShownValue(const psf::Quantity& quantity) {
  const QString unit = UnitText(quantity.unit);
  switch (quantity.unit) {
    case psf::QuantityUnit::kFraction:
      return Percent(quantity.value);
    case psf::QuantityUnit::kRatio:
      return QString::number(quantity.value, 'f', 4);
    case psf::QuantityUnit::kPixels:
    case psf::QuantityUnit::kFactor:
      return QStringLiteral("%1 %2").arg(static_cast<qint64>(quantity.value)).arg(unit);
    case psf::QuantityUnit::kArcsec:
    case psf::QuantityUnit::kMicrometres:
    case psf::QuantityUnit::kArcsecPerPixel:
    case psf::QuantityUnit::kMicrometresPerPixel:
    case psf::QuantityUnit::kNanometres:
    case psf::QuantityUnit::kMillimetres:
      break;
  }
  return QStringLiteral("%1 %2").arg(quantity.value, 0, 'g', 4).arg(unit);
}

}  // namespace

PsfPicture MakePsfPicture(const StarImageComputation& computation, int decades) {
  const psf::ZoomedImage& zoom = computation.zoom;
  const psf::StarImage& image = computation.analysis->image;
  return psfview::LogScalePicture(zoom.intensity, zoom.side, image.peakIntensity, decades,
                                  zoom.window.halfWidthLambdaOverD * image.scale.lambdaOverDArcsec);
}

std::vector<NamedCurve> EncircledEnergyCurves(const psf::PsfNumbers& numbers) {
  NamedCurve measured{
      QCoreApplication::translate("voka::StarImagePresentation", "この瞳"), {}, false};
  measured.points.reserve(numbers.encircledEnergy.size());
  for (const psf::EncircledEnergyPoint& point : numbers.encircledEnergy)
    measured.points.emplace_back(point.radiusLambdaOverD, point.fraction);
  const double largestRadius =
      numbers.encircledEnergy.empty() ? 0.0 : numbers.encircledEnergy.back().radiusLambdaOverD;
  NamedCurve clear{
      QCoreApplication::translate("voka::StarImagePresentation", "無遮蔽開口 (理論)"), {}, true};
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
      vaneDirectionsKnown
          ? QCoreApplication::translate("voka::StarImagePresentation", "スパイダー沿い %1°")
          : QCoreApplication::translate("voka::StarImagePresentation", "%1° 方向");
  const QString between =
      vaneDirectionsKnown
          ? QCoreApplication::translate("voka::StarImagePresentation", "スパイダー間 %1°")
          : QCoreApplication::translate("voka::StarImagePresentation", "%1° 方向");
  return {
      {QCoreApplication::translate("voka::StarImagePresentation", "無遮蔽開口"),
       Points(frequency, mtf.clearAperture), true},
      {QCoreApplication::translate("voka::StarImagePresentation", "全方向の平均"),
       Points(frequency, mtf.radialMean), false},
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
  return QCoreApplication::translate("voka::StarImagePresentation",
                                     "MTF (遮断周波数 D/λ = %1 本/mm = %2 周期/秒角)")
      .arg(cutoffPerMm, 0, 'f', 1)
      .arg(cutoffPerArcsec, 0, 'f', 3);
}

std::vector<NumberRow> NumberRows(const StarImageComputation& computation) {
  // The conditions are in the window's boxes; the numbers first, then scales.
  const std::vector<psf::Quantity> record = psf::ResultRecord(*computation.analysis);
  std::vector<NumberRow> rows;
  for (const psf::QuantityGroup group : {psf::QuantityGroup::kNumber, psf::QuantityGroup::kScale}) {
    for (std::size_t i = 0; i < record.size(); ++i) {
      const psf::Quantity& quantity = record[i];
      if (quantity.group != group) continue;
      // An angle on the sky followed by its length at the focus is one row.
      const bool pair = quantity.unit == psf::QuantityUnit::kArcsec && i + 1 < record.size() &&
                        record[i + 1].unit == psf::QuantityUnit::kMicrometres;
      if (!pair) {
        rows.push_back({QuantityText(quantity), ShownValue(quantity)});
        continue;
      }
      QString label = QuantityText(quantity);
      label.remove(SkySuffixText());
      rows.push_back(
          {label, QStringLiteral("%1 (%2)").arg(ShownValue(quantity), ShownValue(record[++i]))});
    }
  }
  rows.push_back({QCoreApplication::translate("voka::StarImagePresentation", "計算時間"),
                  QCoreApplication::translate("voka::StarImagePresentation", "%1 秒")
                      .arg(computation.seconds, 0, 'f', 2)});
  return rows;
}

}  // namespace voka
