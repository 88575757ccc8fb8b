// SPDX-License-Identifier: GPL-3.0-or-later
#include "psfview/camera_comparison_picture.h"

#include <QPainter>
#include <algorithm>
#include <numbers>

#include "camera/camera_change.h"
#include "psf/star_image_difference.h"
#include "psfview/camera_picture.h"
#include "psfview/comparison_picture.h"
#include "psfview/psf_picture_painter.h"

namespace voka::psfview {

namespace {

constexpr double kArcsecPerRadian = 180.0 * 3600.0 / std::numbers::pi;
// The sensor's few dozen pixels are enlarged to at least this many.
constexpr int kMinimumImagePixels = 360;

double HalfWidthArcsec(const camera::CameraSettings& settings, int side) {
  const double pixelArcsec =
      settings.pixelPitchUm * 1e-3 / settings.focalLengthMm * kArcsecPerRadian;
  return side / 2.0 * pixelArcsec;
}

// Each pixel's change of light, all channels together, rows top first.
psf::StarImageDifference SummedChange(const camera::ChannelPlanes& change) {
  psf::StarImageDifference summed;
  summed.side = change.side;
  const std::size_t pixels = static_cast<std::size_t>(change.side) * change.side;
  summed.values.assign(pixels, 0.0);
  for (int c = 0; c < change.channelCount; ++c)
    for (std::size_t p = 0; p < pixels; ++p) summed.values[p] += change.At(c, p);
  return summed;
}

}  // namespace

std::optional<CameraComparisonPictures> CameraComparisonPicturesOf(
    const camera::CameraImage& a, const camera::CameraImage& b,
    const camera::CameraSettings& settings, double exposure,
    const camera::DisplaySettings& display) {
  const std::optional<camera::ChannelPlanes> change = camera::CameraImageChange(a, b);
  if (!change || change->side <= 0) return std::nullopt;
  const double fullWell =
      std::max(camera::FullWell(a.pixels, exposure), camera::FullWell(b.pixels, exposure));
  const double halfWidth = HalfWidthArcsec(settings, change->side);
  CameraComparisonPictures pictures;
  pictures.a.image = ExposedPictureImage(camera::ExposeToFullWell(a.pixels, fullWell), display);
  pictures.a.halfWidthArcsec = halfWidth;
  pictures.b.image = ExposedPictureImage(camera::ExposeToFullWell(b.pixels, fullWell), display);
  pictures.b.halfWidthArcsec = halfWidth;
  pictures.change = DifferencePicture(SummedChange(*change), halfWidth);
  return pictures;
}

QImage CameraComparisonImage(const camera::CameraImage& a, const camera::CameraImage& b,
                             const camera::CameraSettings& settings, double exposure,
                             const camera::DisplaySettings& display) {
  const std::optional<CameraComparisonPictures> pictures =
      CameraComparisonPicturesOf(a, b, settings, exposure, display);
  if (!pictures) return {};
  const int side = a.pixels.side;
  const int enlargement = std::max(1, (kMinimumImagePixels + side - 1) / side);
  const QSize panel = PictureSizeFor(side * enlargement);
  QImage drawn(panel.width() * 3, panel.height(), QImage::Format_RGB32);
  if (drawn.isNull()) return {};
  drawn.fill(Qt::white);
  QPainter painter(&drawn);
  const PsfPicture* shown[] = {&pictures->a, &pictures->b, &pictures->change};
  for (int i = 0; i < 3; ++i) {
    painter.save();
    painter.translate(i * panel.width(), 0);
    PaintPsfPicture(painter, panel, *shown[i], Qt::black);
    painter.restore();
  }
  return drawn;
}

}  // namespace voka::psfview
