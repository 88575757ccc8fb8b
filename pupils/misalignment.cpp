// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/misalignment.h"

#include <cmath>
#include <numbers>

namespace voka::pupils {

PupilDesign WithVaneRotated(PupilDesign design, std::size_t index, double deltaDeg) {
  if (index < design.vanes.size()) design.vanes[index].angleDeg += deltaDeg;
  return design;
}

PupilDesign WithVaneShifted(PupilDesign design, std::size_t index, double shiftMm) {
  if (index < design.vanes.size() && design.vanes[index].shape == VaneShape::kStraight)
    design.vanes[index].offsetMm += shiftMm;
  return design;
}

PupilDesign WithSpiderShifted(PupilDesign design, double dxMm, double dyMm) {
  if (design.obstruction) {
    design.obstruction->offsetXMm += dxMm;
    design.obstruction->offsetYMm += dyMm;
  }
  for (Vane& vane : design.vanes) {
    if (vane.shape != VaneShape::kStraight) continue;
    // The offset runs along the normal 90° counter-clockwise of the vane.
    const double angle = vane.angleDeg * std::numbers::pi / 180.0;
    vane.offsetMm += -dxMm * std::sin(angle) + dyMm * std::cos(angle);
  }
  return design;
}

}  // namespace voka::pupils
