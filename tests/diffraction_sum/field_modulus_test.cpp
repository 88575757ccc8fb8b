// SPDX-License-Identifier: GPL-3.0-or-later
#include "diffraction_sum/field_modulus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace voka {
namespace {

TEST(ModulusAndMaximum, GivesEachPointsModulusAndTheLargest) {
  auto field = std::make_unique<ImageField>();
  for (int i = 0; i < kImagePoints; ++i) {
    for (int j = 0; j < kImagePoints; ++j) {
      // 3-4-5 triangles scaled by powers of two: the modulus is exact.
      const double scale = std::ldexp(1.0, (i + j) % 7 - 3);
      field->real[i][j] = ((i + j) % 2 ? -3.0 : 3.0) * scale;
      field->imag[i][j] = (j % 3 ? 4.0 : -4.0) * scale;
    }
  }
  field->real[40][9] = -30.0;
  field->imag[40][9] = 40.0;

  double modulus[kImagePoints][kImagePoints];
  EXPECT_EQ(ModulusAndMaximum(*field, modulus), 50.0);
  for (int i = 0; i < kImagePoints; ++i) {
    for (int j = 0; j < kImagePoints; ++j) {
      const double expected = (i == 40 && j == 9) ? 50.0 : 5.0 * std::ldexp(1.0, (i + j) % 7 - 3);
      ASSERT_EQ(modulus[i][j], expected) << "i=" << i << " j=" << j;
    }
  }
}

TEST(ModulusAndMaximum, ZeroFieldHasMaximumZero) {
  auto field = std::make_unique<ImageField>();
  double modulus[kImagePoints][kImagePoints];
  for (auto& column : modulus) {
    for (double& value : column) value = 7.0;
  }
  EXPECT_EQ(ModulusAndMaximum(*field, modulus), 0.0);
  for (const auto& column : modulus) {
    for (const double value : column) ASSERT_EQ(value, 0.0);
  }
}

}  // namespace
}  // namespace voka
