#include "psfview/log_view_image.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "psf/log_view.h"

namespace voka::psfview {

namespace {

// Small crops are enlarged by whole pixels so that the picture is at least
// this wide; star-image pixels stay square and sharp.
constexpr int kMinimumImagePixels = 512;
constexpr int kBarGap = 12;
constexpr int kBarWidth = 24;
constexpr int kLabelWidth = 56;
constexpr int kMargin = 8;
constexpr int kCaptionHeight = 24;

QImage CroppedLogImage(const psf::StarImage& image, int decades, int half) {
  const int side = 2 * half + 1;
  std::vector<double> values(static_cast<std::size_t>(side) * side);
  for (int r = 0; r < side; ++r) {
    for (int c = 0; c < side; ++c) {
      values[static_cast<std::size_t>(r) * side + c] =
          image.At(image.centreIndex - half + r, image.centreIndex - half + c);
    }
  }
  const std::vector<std::uint8_t> rgb =
      psf::LogScaleRgb(values, side, side, image.peakIntensity, decades);
  QImage picture(side, side, QImage::Format_RGB888);
  for (int r = 0; r < side; ++r) {
    std::copy_n(rgb.data() + static_cast<std::size_t>(r) * side * 3, side * 3, picture.scanLine(r));
  }
  return picture;
}

void DrawColourBar(QPainter& painter, int left, int top, int height, int decades) {
  for (int y = 0; y < height; ++y) {
    const psf::Rgb colour =
        psf::ColourMapAt(1.0 - static_cast<double>(y) / std::max(1, height - 1));
    painter.setPen(QColor(colour[0], colour[1], colour[2]));
    painter.drawLine(left, top + y, left + kBarWidth - 1, top + y);
  }
  painter.setPen(Qt::white);
  for (int decade = 0; decade <= decades; ++decade) {
    const int y = top + decade * (height - 1) / decades;
    painter.drawLine(left + kBarWidth, y, left + kBarWidth + 4, y);
    const QString label = decade == 0 ? QStringLiteral("1") : QStringLiteral("1e-%1").arg(decade);
    painter.drawText(QRect(left + kBarWidth + 6, y - 8, kLabelWidth, 16),
                     Qt::AlignLeft | Qt::AlignVCenter, label);
  }
}

}  // namespace

QImage LogViewImage(const psf::StarImage& image, int decades, double halfWidthLambdaOverD) {
  const int clampedDecades = std::clamp(decades, psf::kMinimumDecades, psf::kMaximumDecades);
  const int gridHalf = std::min(image.centreIndex, image.paddedSide - 1 - image.centreIndex);
  const double wanted = halfWidthLambdaOverD * image.padFactor;
  const int half = std::isfinite(wanted) && wanted >= 1.0
                       ? static_cast<int>(std::min<double>(std::round(wanted), gridHalf))
                       : gridHalf;
  const QImage cropped = CroppedLogImage(image, clampedDecades, half);
  const int enlargement =
      std::max(1, (kMinimumImagePixels + cropped.width() - 1) / cropped.width());
  const int shown = cropped.width() * enlargement;

  QImage picture(kMargin + shown + kBarGap + kBarWidth + kLabelWidth,
                 kMargin * 2 + shown + kCaptionHeight, QImage::Format_RGB32);
  picture.fill(Qt::black);
  QPainter painter(&picture);
  painter.drawImage(QRect(kMargin, kMargin, shown, shown), cropped);
  DrawColourBar(painter, kMargin + shown + kBarGap, kMargin, shown, clampedDecades);
  // The field and the pixel in angle on the sky, so the picture carries its scale.
  const double halfLambdaOverD = static_cast<double>(half) / image.padFactor;
  painter.setPen(Qt::white);
  painter.drawText(
      QRect(kMargin, kMargin + shown, shown, kCaptionHeight), Qt::AlignLeft | Qt::AlignVCenter,
      QStringLiteral("\u00B1%1 \u03BB/D = \u00B1%2 arcsec, %3 arcsec/pixel, intensity / peak")
          .arg(halfLambdaOverD, 0, 'f', 2)
          .arg(halfLambdaOverD * image.scale.lambdaOverDArcsec, 0, 'f', 3)
          .arg(image.scale.pixelArcsec, 0, 'g', 4));
  return picture;
}

std::string PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace voka::psfview
