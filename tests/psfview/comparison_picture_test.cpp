// SPDX-License-Identifier: GPL-3.0-or-later
#include "psfview/comparison_picture.h"

#include <gtest/gtest.h>

namespace voka::psfview {
namespace {

int Red(QRgb colour) {
  return qRed(colour);
}
int Blue(QRgb colour) {
  return qBlue(colour);
}

TEST(DifferencePicture, NoChangeIsTheBarsMiddleAndTheSignChoosesRedOrBlue) {
  psf::StarImageDifference none{3, psf::DifferenceScale::kLinear, std::vector<double>(9, 0.0)};
  const PsfPicture flat = DifferencePicture(none, 1.0);
  const QRgb middle = flat.colourMap[flat.colourMap.size() / 2];
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column) EXPECT_EQ(flat.image.pixel(column, row), middle);

  psf::StarImageDifference forward{
      3, psf::DifferenceScale::kLinear, {0, 0, 0, 0, -2e-4, 1e-4, 0, 0, 0}};
  psf::StarImageDifference backward = forward;
  for (double& value : backward.values) value = -value;
  const PsfPicture ab = DifferencePicture(forward, 1.0);
  const PsfPicture ba = DifferencePicture(backward, 1.0);
  EXPECT_GT(Blue(ab.image.pixel(1, 1)), Red(ab.image.pixel(1, 1))) << "less light in B is blue";
  EXPECT_GT(Red(ab.image.pixel(2, 1)), Blue(ab.image.pixel(2, 1))) << "more light in B is red";
  // Swapping mirrors the colours about the middle of the bar.
  // The largest change takes the bar's end; half of it, the quarter points.
  EXPECT_EQ(ab.image.pixel(1, 1), ab.colourMap.front());
  EXPECT_EQ(ba.image.pixel(1, 1), ba.colourMap.back());
  const std::size_t quarter = (ab.colourMap.size() - 1) / 4;
  EXPECT_EQ(ab.image.pixel(2, 1), ab.colourMap[3 * quarter]);
  EXPECT_EQ(ba.image.pixel(2, 1), ba.colourMap[quarter]);
  EXPECT_EQ(ab.image.pixel(0, 0), middle);
  ASSERT_EQ(ab.barLabels.size(), 3u);
  EXPECT_EQ(ab.barLabels.front().text, QStringLiteral("0.0002"));
  EXPECT_EQ(ab.barLabels.back().text, QStringLiteral("-0.0002"));
}

}  // namespace
}  // namespace voka::psfview
