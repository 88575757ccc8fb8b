// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "pupils/pupil_design.h"

namespace voka::studies::test {

// A 200 mm aperture, a 60 mm obstruction and straight vanes of the given
// width at the given angles.
inline pupils::PupilDesign SpiderDesign(std::vector<double> anglesDeg, double widthMm) {
  pupils::PupilDesign design;
  design.apertureDiameterMm = 200.0;
  design.obstruction = pupils::Obstruction{60.0, 0.0, 0.0};
  for (const double angle : anglesDeg) {
    pupils::Vane vane;
    vane.angleDeg = angle;
    vane.widthMm = widthMm;
    design.vanes.push_back(vane);
  }
  return design;
}

}  // namespace voka::studies::test
