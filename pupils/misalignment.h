// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The mechanical errors by which a spider is diagnosed: a twisted vane
// splits its spike, a vane mounted to one side moves it, and a spider off
// the tube's axis makes the spikes diverge.

#include "pupils/pupil_design.h"

namespace voka::pupils {

// Vane `index` turned by deltaDeg counter-clockwise. Nothing changes for an
// index past the last vane.
PupilDesign WithVaneRotated(PupilDesign design, std::size_t index, double deltaDeg);

// Straight vane `index` moved sideways by shiftMm, toward its left as it
// leaves the centre (its offset grows). A curved vane or an index past the
// last vane is left as it is.
PupilDesign WithVaneShifted(PupilDesign design, std::size_t index, double shiftMm);

// The whole spider, the obstruction it holds and every straight vane, moved
// by (dxMm, dyMm): each vane's line moves by the shift's part across it.
// Curved vanes leave from the centre by their shape and are left as they
// are.
PupilDesign WithSpiderShifted(PupilDesign design, double dxMm, double dyMm);

}  // namespace voka::pupils
