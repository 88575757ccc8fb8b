#pragma once

#include <functional>
#include <optional>
#include <string>

#include "psf/pupil_amplitude.h"

namespace voka {

// A pupil rendered from a design file, with the design's own aperture.
struct DesignPupil {
  psf::PupilAmplitude pupil;
  double apertureDiameterMm = 0.0;
};

// Reads a design file (or "preset:NAME") and renders its exact open
// fractions on side x side pixels. On failure returns nothing and sets
// `error` (Japanese, naming the file). Set once at start-up by the program
// that links the pupil designer; while unset, --design is refused.
using DesignPupilLoader =
    std::function<std::optional<DesignPupil>(const std::string& designPath, int side, std::string& error)>;

void SetDesignPupilLoader(DesignPupilLoader loader);
const DesignPupilLoader& GetDesignPupilLoader();

}  // namespace voka
