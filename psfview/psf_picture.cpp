// SPDX-License-Identifier: GPL-3.0-or-later
#include "psfview/psf_picture.h"

#include <algorithm>

#include "psfview/log_view.h"

namespace voka::psfview {

namespace {

constexpr int kColourBarSteps = 256;

}  // namespace

PsfPicture LogScalePicture(const std::vector<double>& intensity, int side, double peak, int decades,
                           double halfWidthArcsec) {
  PsfPicture picture;
  if (side <= 0) return picture;
  const std::vector<std::uint8_t> rgb = psf::LogScaleRgb(intensity, side, side, peak, decades);
  const std::size_t rowBytes = static_cast<std::size_t>(side) * 3;
  if (rgb.size() != rowBytes * static_cast<std::size_t>(side)) return picture;
  QImage image(side, side, QImage::Format_RGB888);
  for (int row = 0; row < side; ++row)
    std::copy_n(rgb.data() + row * rowBytes, rowBytes, image.scanLine(row));

  picture.image = std::move(image);
  picture.halfWidthArcsec = halfWidthArcsec;
  picture.decades = decades;
  picture.colourMap.reserve(kColourBarSteps);
  for (int step = 0; step < kColourBarSteps; ++step) {
    const psf::Rgb colour = psf::ColourMapAt(step / (kColourBarSteps - 1.0));
    picture.colourMap.push_back(qRgb(colour[0], colour[1], colour[2]));
  }
  return picture;
}

}  // namespace voka::psfview
