// SPDX-License-Identifier: GPL-3.0-or-later
#include "psfview/comparison_picture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "psf/fits_export.h"
#include "psfview/log_view.h"
#include "psfview/psf_picture_painter.h"

namespace voka::psfview {

namespace {

// The cool-warm map's stops, blue (most negative) to red (most positive).
constexpr psf::Rgb kDivergingStops[] = {{59, 76, 192},   {98, 130, 234},  {141, 176, 254},
                                        {184, 208, 249}, {221, 221, 221}, {245, 196, 173},
                                        {244, 154, 123}, {222, 96, 77},   {180, 4, 38}};
constexpr int kDivergingStopCount = static_cast<int>(std::size(kDivergingStops));
constexpr int kColourBarSteps = 257;  // odd, so the middle step is exactly no change
constexpr int kMinimumImagePixels = 360;

QRgb DivergingColourAt(double position) {
  const double t = std::isfinite(position) ? std::clamp(position, 0.0, 1.0) : 0.5;
  const double scaled = t * (kDivergingStopCount - 1);
  const int below = std::min(static_cast<int>(scaled), kDivergingStopCount - 2);
  const double fraction = scaled - below;
  int channels[3];
  for (int channel = 0; channel < 3; ++channel) {
    const double low = kDivergingStops[below][channel];
    const double high = kDivergingStops[below + 1][channel];
    channels[channel] = static_cast<int>(std::lround(low + fraction * (high - low)));
  }
  return qRgb(channels[0], channels[1], channels[2]);
}

std::vector<double> SharesCropped(const psf::StarImage& image, int side) {
  const int half = side / 2;
  std::vector<double> values;
  values.reserve(static_cast<std::size_t>(side) * side);
  for (int row = image.centreIndex - half; row <= image.centreIndex + half; ++row)
    for (int column = image.centreIndex - half; column <= image.centreIndex + half; ++column)
      values.push_back(image.At(row, column) / image.totalIntensity);
  return values;
}

void PaintPanel(QPainter& painter, const QRect& panel, const PsfPicture& picture) {
  painter.save();
  painter.translate(panel.topLeft());
  PaintPsfPicture(painter, panel.size(), picture, Qt::black);
  painter.restore();
}

}  // namespace

double CropHalfWidthArcsec(const psf::StarImage& image, int side) {
  return static_cast<double>(side / 2) / image.padFactor * image.scale.lambdaOverDArcsec;
}

std::pair<PsfPicture, PsfPicture> SharedScalePictures(const psf::StarImage& a,
                                                      const psf::StarImage& b, int decades,
                                                      double fieldOfViewLambdaOverD) {
  const int side = std::min(psf::CroppedSide(a, fieldOfViewLambdaOverD),
                            psf::CroppedSide(b, fieldOfViewLambdaOverD));
  const double peak =
      std::max(a.peakIntensity / a.totalIntensity, b.peakIntensity / b.totalIntensity);
  PsfPicture pictureA =
      LogScalePicture(SharesCropped(a, side), side, peak, decades, CropHalfWidthArcsec(a, side));
  PsfPicture pictureB =
      LogScalePicture(SharesCropped(b, side), side, peak, decades, CropHalfWidthArcsec(b, side));
  pictureA.colourMap.clear();
  return {std::move(pictureA), std::move(pictureB)};
}

PsfPicture DifferencePicture(const psf::StarImageDifference& difference, double halfWidthArcsec) {
  PsfPicture picture;
  const int side = difference.side;
  if (side <= 0 || difference.values.size() != static_cast<std::size_t>(side) * side)
    return picture;
  double largest = 0.0;
  for (const double value : difference.values) largest = std::max(largest, std::abs(value));
  QImage image(side, side, QImage::Format_RGB32);
  for (int row = 0; row < side; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int column = 0; column < side; ++column) {
      const double value = difference.values[static_cast<std::size_t>(row) * side + column];
      line[column] = DivergingColourAt(largest > 0.0 ? 0.5 + 0.5 * value / largest : 0.5);
    }
  }
  picture.image = std::move(image);
  picture.halfWidthArcsec = halfWidthArcsec;
  for (int step = 0; step < kColourBarSteps; ++step)
    picture.colourMap.push_back(DivergingColourAt(step / (kColourBarSteps - 1.0)));
  const auto label = [](double value) {
    return value == 0.0 ? QStringLiteral("0") : QString::number(value, 'g', 2);
  };
  picture.barLabels = {{0.0, label(largest)}, {0.5, label(0.0)}, {1.0, label(-largest)}};
  return picture;
}

QImage ComparisonImage(const psf::StarImage& a, const psf::StarImage& b, psf::DifferenceScale scale,
                       int decades, double fieldOfViewLambdaOverD) {
  const std::optional<psf::StarImageDifference> difference =
      psf::DifferenceOf(a, b, fieldOfViewLambdaOverD, scale);
  if (!difference) return {};
  const auto [pictureA, pictureB] = SharedScalePictures(a, b, decades, fieldOfViewLambdaOverD);
  const PsfPicture change =
      DifferencePicture(*difference, CropHalfWidthArcsec(a, difference->side));
  const int side = difference->side;
  const int enlargement = std::max(1, (kMinimumImagePixels + side - 1) / side);
  const QSize panel = PictureSizeFor(side * enlargement);
  QImage drawn(panel.width() * 3, panel.height(), QImage::Format_RGB32);
  drawn.fill(Qt::white);
  QPainter painter(&drawn);
  PaintPanel(painter, QRect(QPoint(0, 0), panel), pictureA);
  PaintPanel(painter, QRect(QPoint(panel.width(), 0), panel), pictureB);
  PaintPanel(painter, QRect(QPoint(2 * panel.width(), 0), panel), change);
  return drawn;
}

}  // namespace voka::psfview
