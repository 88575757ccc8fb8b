// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/psf_numbers.h"

#include <algorithm>
#include <cmath>

#include "psf/encircled_energy.h"
#include "psf/from_autocorrelation.h"

namespace voka::psf {

const char* SpikeFractionDefinitionText() {
  return "スパイク光量: 瞳の振幅を、中心からの各半径で全方向に平均した回転対称な部分と、"
         "残りの部分とに分けます。残りは各円周上で平均が 0 なので、二つの部分の光は全光量の上で"
         "干渉せず、星像の光は完全に丸い像の光と、残りの部分が回折した光との和になります。"
         "スパイク光量はその後者の割合、つまりスパイダーや偏心した遮蔽など回転対称からのずれが"
         "丸い像の外へ送り出した光の割合です。細い直線のスパイダーでは、スパイダーが覆う開口面積の"
         "割合に等しく、丸い瞳では 0 です。";
}

double EncircledEnergyAt(const std::vector<EncircledEnergyPoint>& curve, double radiusLambdaOverD) {
  if (curve.empty()) return 0.0;
  const auto above = std::lower_bound(curve.begin(), curve.end(), radiusLambdaOverD,
                                      [](const EncircledEnergyPoint& point, double radius) {
                                        return point.radiusLambdaOverD < radius;
                                      });
  if (above == curve.begin()) return above->fraction;
  if (above == curve.end()) return curve.back().fraction;
  const EncircledEnergyPoint& below = *(above - 1);
  const double t = (radiusLambdaOverD - below.radiusLambdaOverD) /
                   (above->radiusLambdaOverD - below.radiusLambdaOverD);
  return below.fraction + t * (above->fraction - below.fraction);
}

PsfNumbers ComputePsfNumbers(const PupilAmplitude& pupil, const StarImage& image) {
  return ComputePsfNumbers(pupil, image, Autocorrelation(image));
}

PsfNumbers ComputePsfNumbers(const PupilAmplitude& pupil, const StarImage& image,
                             const Autocorrelation& correlation) {
  PsfNumbers numbers;
  numbers.peakRatio = image.peakIntensity;
  const RadialEnergy energy(correlation, image.pupilSide);
  const int steps = static_cast<int>(
      std::lround(kEncircledEnergyRadiusLambdaOverD / kEncircledEnergyStepLambdaOverD));
  numbers.encircledEnergy.reserve(static_cast<std::size_t>(steps) + 1);
  for (int i = 0; i <= steps; ++i) {
    const double radius = i * kEncircledEnergyStepLambdaOverD;
    numbers.encircledEnergy.push_back({radius, energy.Within(radius)});
  }
  numbers.encircledEnergyAt1_22 = energy.Within(1.22);
  numbers.encircledEnergyAt2_23 = energy.Within(2.23);
  numbers.encircledEnergyAt5 = energy.Within(5.0);
  numbers.spikeFraction = ComputeSpikeFraction(pupil, image.settings.wavelengthNm);
  return numbers;
}

}  // namespace voka::psf
