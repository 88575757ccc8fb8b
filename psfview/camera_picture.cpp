// SPDX-License-Identifier: GPL-3.0-or-later
#include "psfview/camera_picture.h"

#include <QColorSpace>
#include <cstring>
#include <vector>

namespace voka::psfview {

QImage CameraPictureImage(const camera::CameraImage& image, double exposure,
                          const camera::DisplaySettings& display) {
  if (image.pixels.side <= 0 || image.pixels.channelCount <= 0) return {};
  return ExposedPictureImage(camera::Expose(image.pixels, exposure), display);
}

QImage ExposedPictureImage(const camera::Exposed& exposed, const camera::DisplaySettings& display) {
  const int side = exposed.planes.side;
  if (side <= 0 || exposed.planes.channelCount <= 0) return {};
  const std::vector<std::uint8_t> rgb = camera::DisplayRgb8(exposed, display);
  const std::size_t rowBytes = static_cast<std::size_t>(side) * 3;
  if (rgb.size() != rowBytes * static_cast<std::size_t>(side)) return {};
  QImage picture(side, side, QImage::Format_RGB888);
  if (picture.isNull()) return {};
  // QImage pads each row to four bytes: copied row by row.
  for (int row = 0; row < side; ++row)
    std::memcpy(picture.scanLine(row), rgb.data() + static_cast<std::size_t>(row) * rowBytes,
                rowBytes);
  picture.setColorSpace(QColorSpace::SRgb);
  return picture;
}

}  // namespace voka::psfview
