// SPDX-License-Identifier: GPL-3.0-or-later
#include "psfview/log_view_image.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "psfview/log_view.h"
#include "psfview/psf_picture_painter.h"

namespace voka::psfview {

namespace {

// Small crops are enlarged by whole pixels so that the picture is at least
// this wide; star-image pixels stay square and sharp.
constexpr int kMinimumImagePixels = 512;

}  // namespace

std::vector<double> CroppedIntensity(const psf::StarImage& image, int half) {
  const int side = 2 * half + 1;
  std::vector<double> values(static_cast<std::size_t>(side) * side);
  for (int r = 0; r < side; ++r) {
    for (int c = 0; c < side; ++c) {
      values[static_cast<std::size_t>(r) * side + c] =
          image.At(image.centreIndex - half + r, image.centreIndex - half + c);
    }
  }
  return values;
}

QImage LogViewImage(const psf::StarImage& image, int decades, double halfWidthLambdaOverD) {
  const int clampedDecades = std::clamp(decades, psf::kMinimumDecades, psf::kMaximumDecades);
  const int gridHalf = std::min(image.centreIndex, image.paddedSide - 1 - image.centreIndex);
  const double wanted = halfWidthLambdaOverD * image.padFactor;
  const int half = std::isfinite(wanted) && wanted >= 1.0
                       ? static_cast<int>(std::min<double>(std::round(wanted), gridHalf))
                       : gridHalf;
  const int side = 2 * half + 1;
  const double halfArcsec =
      static_cast<double>(half) / image.padFactor * image.scale.lambdaOverDArcsec;
  const PsfPicture picture = LogScalePicture(CroppedIntensity(image, half), side,
                                             image.peakIntensity, clampedDecades, halfArcsec);
  const int enlargement = std::max(1, (kMinimumImagePixels + side - 1) / side);
  QImage drawn(PictureSizeFor(side * enlargement), QImage::Format_RGB32);
  drawn.fill(Qt::white);
  QPainter painter(&drawn);
  PaintPsfPicture(painter, drawn.size(), picture, Qt::black);
  return drawn;
}

std::string PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace voka::psfview
