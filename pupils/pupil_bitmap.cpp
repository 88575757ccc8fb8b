// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/pupil_bitmap.h"

#include <algorithm>
#include <cmath>

#include "pupils/open_fraction_render.h"

namespace voka::pupils {

int GreyLevel(double openFraction) {
  return static_cast<int>(std::lround(255.0 * std::clamp(openFraction, 0.0, 1.0)));
}

bmp_writer::ColourImage GreyImage(std::span<const double> fractions, int sidePixels) {
  bmp_writer::ColourImage image(sidePixels, sidePixels);
  for (std::size_t i = 0; i < image.pixels.size() && i < fractions.size(); ++i)
    image.pixels[i] = Grey(static_cast<std::uint8_t>(GreyLevel(fractions[i])));
  return image;
}

bmp_writer::Bytes PupilBitmap(const PupilDesign& design, int sidePixels, PupilBitmapForm form) {
  const std::vector<double> fractions = RenderOpenFraction(design, sidePixels);
  if (fractions.empty()) return {};
  const bmp_writer::ColourImage image = GreyImage(fractions, sidePixels);
  return form == PupilBitmapForm::kGrey24 ? bmp_writer::Bmp24(image) : bmp_writer::Bmp8Grey(image);
}

}  // namespace voka::pupils
