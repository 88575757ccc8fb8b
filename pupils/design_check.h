#pragma once

// What makes a design unusable, found before anything is drawn from it.

#include <optional>
#include <string>

#include "pupils/pupil_design.h"

namespace voka::pupils {

// One reason to refuse a design. `field` names it as it is written in a
// design file ("vanes[2].width_mm"); empty when the whole text is at fault.
// `reason` is Japanese and says what the value must be.
struct DesignProblem {
  std::string field;
  std::string reason;
};

// The first problem of the values, or nothing when the design can be drawn:
// every number finite, a positive aperture, an obstruction smaller than it,
// positive vane widths, curved vanes wide enough to reach the rim, and no more
// than kMaxVanes vanes.
std::optional<DesignProblem> FindDesignProblem(const PupilDesign& design);

// The first problem of the design's optics (focal length and wavefront), or
// nothing: a positive focal length, finite coefficients of Noll index 1 to
// kMaximumNollIndex within ±kMaximumZernikeRmsNm, a defocus within
// ±kMaximumDefocusMm.
std::optional<DesignProblem> FindOpticsProblem(const PupilDesign& design);

// "vanes[2].width_mm"
std::string VaneField(std::size_t index, const char* key);

}  // namespace voka::pupils
