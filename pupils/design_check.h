// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What makes a design unusable, found before anything is drawn from it.

#include <optional>
#include <string>

#include "pupils/pupil_design.h"

namespace voka::pupils {

// What is wrong, for a window that words the reason in its own language.
enum class DesignProblemKind {
  kOther,
  // Faults of a design file's text (design_json.cpp).
  kNotJson,         // not JSON at all: textOffset and parserMessage say where and why
  kNotJsonObject,   // JSON, but not an object
  kNotDesignFile,   // no "voka_pupil"
  kUnknownVersion,  // "voka_pupil" other than the versions read
  kUnknownKey,      // a key no design has
  kMissingKey,      // a key every design needs
  kNotNumber,       // a value that must be a number
  kNotObject,       // a value that must be { ... }
  kVanesNotArray,   // "vanes" is not [ ... ]
  kShapeMissing,    // a vane without "shape"
  kShapeNotString,  // "shape" is not a string
  kShapeUnknown,    // "shape" neither "straight" nor "curved"
  kNollKeyInvalid,  // a Zernike key that is not "1".."kMaximumNollIndex"
  // Faults of the values.
  kNotFinite,             // the value is not a finite number
  kApertureNotPositive,   // aperture_mm <= 0
  kObstructionNegative,   // obstruction.diameter_mm < 0
  kObstructionTooLarge,   // obstruction.diameter_mm >= aperture_mm
  kVaneWidthNotPositive,  // vanes[i].width_mm <= 0
  kCurveTooTight,         // |vanes[i].radius_mm| < aperture_mm / 4
  kTooManyVanes,          // more than kMaxVanes vanes
  kNollIndexOutOfRange,   // a Zernike term outside 1..kMaximumNollIndex
  kZernikeTooLarge,       // a coefficient beyond ±kMaximumZernikeRmsNm
  kFocalNotPositive,      // focal_mm <= 0
  kDefocusTooLarge,       // a defocus beyond ±kMaximumDefocusMm
};

// One reason to refuse a design. `field` names it as it is written in a
// design file ("vanes[2].width_mm"); empty when the whole text is at fault.
// `reason` is Japanese and says what the value must be.
struct DesignProblem {
  std::string field;
  std::string reason;
  DesignProblemKind kind = DesignProblemKind::kOther;
  long long textOffset = 0;   // kNotJson: the byte where reading stopped
  std::string parserMessage;  // kNotJson: the JSON reader's own words (English)
};

// A problem of `kind`, with the text that the Japanese messages quote.
DesignProblem MakeDesignProblem(std::string field, std::string reason, DesignProblemKind kind);

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
