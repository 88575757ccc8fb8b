// SPDX-License-Identifier: GPL-3.0-or-later
#include "psfview/star_test_pictures.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "psfview/log_view.h"
#include "psfview/log_view_image.h"
#include "psfview/psf_picture_painter.h"

namespace voka::psfview {

namespace {

constexpr double kBlurRadiusPerWave = 4.0;
constexpr double kFieldMargin = 1.25;
// The focused star alone needs a few rings.
constexpr double kSmallestHalfWidth = 4.0;
constexpr int kPanelImagePixels = 400;
constexpr int kHeadingPixels = 28;

int HalfPixels(const psf::StarImage& image, double halfWidthLambdaOverD) {
  const int gridHalf = std::min(image.centreIndex, image.paddedSide - 1 - image.centreIndex);
  const double wanted = halfWidthLambdaOverD * image.padFactor;
  if (!std::isfinite(wanted) || wanted < 1.0) return gridHalf;
  return static_cast<int>(std::min<double>(std::round(wanted), gridHalf));
}

}  // namespace

double StarTestHalfWidthLambdaOverD(double defocusWaves) {
  return std::max(kSmallestHalfWidth, kFieldMargin * kBlurRadiusPerWave * std::abs(defocusWaves));
}

std::array<PsfPicture, 3> StarTestPictures(const psf::StarTestImages& test, int decades,
                                           double halfWidthLambdaOverD) {
  const int clampedDecades = std::clamp(decades, psf::kMinimumDecades, psf::kMaximumDecades);
  double peak = 0.0;
  for (const psf::StarImage& image : test.images) peak = std::max(peak, image.peakIntensity);
  std::array<PsfPicture, 3> pictures;
  for (std::size_t plane = 0; plane < pictures.size(); ++plane) {
    const psf::StarImage& image = test.images[plane];
    if (image.paddedSide <= 0) continue;
    const int half = HalfPixels(image, halfWidthLambdaOverD);
    const double halfArcsec =
        static_cast<double>(half) / image.padFactor * image.scale.lambdaOverDArcsec;
    pictures[plane] = LogScalePicture(CroppedIntensity(image, half), 2 * half + 1, peak,
                                      clampedDecades, halfArcsec);
  }
  return pictures;
}

QImage StarTestViewImage(const psf::StarTestImages& test, int decades,
                         double halfWidthLambdaOverD) {
  const std::array<PsfPicture, 3> pictures = StarTestPictures(test, decades, halfWidthLambdaOverD);
  const QSize panel = PictureSizeFor(kPanelImagePixels);
  QImage drawn(panel.width() * 3, panel.height() + kHeadingPixels, QImage::Format_RGB32);
  drawn.fill(Qt::white);
  QPainter painter(&drawn);
  const double sides[] = {-test.defocusWaves, 0.0, test.defocusWaves};
  for (int plane = 0; plane < 3; ++plane) {
    painter.save();
    painter.translate(plane * panel.width(), 0);
    painter.setPen(Qt::black);
    // Waves peak to valley: the sign says inside (−) or outside (+) focus.
    painter.drawText(QRect(0, 0, panel.width(), kHeadingPixels), Qt::AlignCenter,
                     QStringLiteral("%1%2 λ PV")
                         .arg(sides[plane] > 0 ? QStringLiteral("+") : QString())
                         .arg(sides[plane], 0, 'g', 4)
                         .replace(QLatin1Char('-'), QChar(0x2212)));
    painter.translate(0, kHeadingPixels);
    PaintPsfPicture(painter, panel, pictures[static_cast<std::size_t>(plane)], Qt::black);
    painter.restore();
  }
  return drawn;
}

}  // namespace voka::psfview
