// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace voka::psfview {

// What a star-image view shows: the colour-mapped log image (top row is +y,
// as the sky is seen), the angle from its centre to its edges, and the colour
// map from the floor (first) to the peak (last) for the colour bar.
// A label on the colour bar, at a fraction of its height from the top.
struct BarLabel {
  double fromTop = 0.0;
  QString text;
};

struct PsfPicture {
  QImage image;
  double halfWidthArcsec = 0.0;
  int decades = 0;
  std::vector<QRgb> colourMap;
  // Labels of a bar that is not in decades (a difference); when empty, the
  // bar is labelled in decades below the peak.
  std::vector<BarLabel> barLabels;
};

// A square of intensities (side² values, top row first) in log scale,
// `decades` below `peak`, in the perceptual colour map. Empty for a side
// that is not positive.
PsfPicture LogScalePicture(const std::vector<double>& intensity, int side, double peak, int decades,
                           double halfWidthArcsec);

}  // namespace voka::psfview
