#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "psf/pupil_amplitude.h"
#include "pupils/pupil_design.h"

namespace voka {

// A pupil for the star image, with the aperture its side spans.
struct StarPupil {
  psf::PupilAmplitude pupil;
  double apertureDiameterMm = 0.0;
};

// The design's exact open fractions on side x side pixels, with the
// directions of its straight vanes (along which the MTF is cut). Empty (side
// 0) if the design cannot be rendered at that side.
psf::PupilAmplitude StarPupilOfDesign(const pupils::PupilDesign& design, int side);

// --design FILE.json or preset:NAME rendered for the star image; nothing
// after telling on `err` why the design was refused (file and field named).
std::optional<StarPupil> LoadDesignStarPupil(const std::string& designPath, int side,
                                             std::ostream& err);

}  // namespace voka
