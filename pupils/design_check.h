// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What makes a design unusable, found before anything is drawn from it.

#include <optional>
#include <string>

#include "pupils/pupil_design.h"

namespace voka::pupils {

// What is wrong, for a window that words the reason in its own language.
enum class DesignProblemKind {
  kOther,                 // a fault of the file's text (design_json.cpp)
  kNotFinite,             // the value is not a finite number
  kApertureNotPositive,   // aperture_mm <= 0
  kObstructionNegative,   // obstruction.diameter_mm < 0
  kObstructionTooLarge,   // obstruction.diameter_mm >= aperture_mm
  kVaneWidthNotPositive,  // vanes[i].width_mm <= 0
  kCurveTooTight,         // |vanes[i].radius_mm| < aperture_mm / 4
  kTooManyVanes,          // more than kMaxVanes vanes
};

// One reason to refuse a design. `field` names it as it is written in a
// design file ("vanes[2].width_mm"); empty when the whole text is at fault.
// `reason` is Japanese and says what the value must be.
struct DesignProblem {
  std::string field;
  std::string reason;
  DesignProblemKind kind = DesignProblemKind::kOther;
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
