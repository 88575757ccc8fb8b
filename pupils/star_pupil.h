// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A design drawn for the star image: the window and the headless run take
// the same pupil from the same design.

#include "psf/pupil_amplitude.h"
#include "pupils/pupil_design.h"

namespace voka::pupils {

// The design's exact open fractions on side x side pixels, with the
// directions of its straight vanes (along which the MTF is cut) and, when the
// design has a wavefront error, its path difference. Empty (side 0) if the
// design cannot be rendered at that side.
psf::PupilAmplitude StarPupilOfDesign(const PupilDesign& design, int side);

}  // namespace voka::pupils
