// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One number of a design, named as it is written in a design file:
// "aperture_mm", "focal_mm", "obstruction.diameter_mm",
// "obstruction.offset_x_mm", "obstruction.offset_y_mm",
// "vanes[i].angle_deg" (also width_mm, offset_mm, radius_mm; i counts from 0
// in file order, and "vanes[*]" names the field of every vane),
// "wavefront.defocus_mm" and "wavefront.zernike_nm_rms.J" (J = 1..37). A
// sweep runs one of them over a range.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "limits/limits.h"
#include "pupils/pupil_design.h"

namespace voka::pupils {

enum class DesignField {
  kApertureMm,
  kFocalMm,
  kObstructionDiameterMm,
  kObstructionOffsetXMm,
  kObstructionOffsetYMm,
  kVaneAngleDeg,
  kVaneWidthMm,
  kVaneOffsetMm,
  kVaneRadiusMm,
  kDefocusMm,
  kZernikeNmRms,
};

inline constexpr int kAllVanes = -1;

struct DesignParameter {
  DesignField field = DesignField::kApertureMm;
  int vaneIndex = 0;  // vane fields only; kAllVanes for "vanes[*]"
  int nollIndex = 0;  // kZernikeNmRms only
};

enum class ParameterProblem {
  kNone,
  kMalformed,     // not of any form above
  kUnknownField,  // a known place with a field it does not have
  kNoSuchVane,    // an index past the design's last vane
  kWrongShape,    // offset_mm of a curved vane, radius_mm of a straight one
  kNoVanes,       // vanes[*] of a design without vanes
};

std::optional<DesignParameter> ParseDesignParameter(std::string_view text,
                                                    ParameterProblem& problem);

// Whether the parameter names a number of this design; kNone when it does.
ParameterProblem CheckParameterFits(const PupilDesign& design, const DesignParameter& parameter);

// The design with the parameter set to the value (a missing obstruction,
// focal length or term is added). The parameter must fit the design.
PupilDesign WithParameter(PupilDesign design, const DesignParameter& parameter, double value);

// A sweep: "PATH=FROM:TO:STEPS", FROM and TO values of the parameter itself,
// STEPS the points with both ends included, at least 2.
inline constexpr int kMinimumSweepSteps = static_cast<int>(limits::SweepSteps().minimum);
inline constexpr int kMaximumSweepSteps = static_cast<int>(limits::SweepSteps().maximum);

struct SweepRange {
  std::string path;  // as written, for the CSV's first column
  DesignParameter parameter;
  double from = 0.0;
  double to = 0.0;
  int steps = 0;
};

enum class SweepProblem {
  kNone,
  kMalformed,  // not PATH=FROM:TO:STEPS
  kParameter,  // PATH is not a parameter (see `parameterProblem`)
  kNumber,     // FROM or TO not a finite number
  kSteps,      // STEPS not a whole number from kMinimumSweepSteps to kMaximumSweepSteps
};

struct SweepParse {
  std::optional<SweepRange> sweep;
  SweepProblem problem = SweepProblem::kNone;
  ParameterProblem parameterProblem = ParameterProblem::kNone;
};

SweepParse ParseSweepRange(std::string_view text);

// The values of the steps: FROM, evenly on to TO, TO itself last.
std::vector<double> SweepValues(const SweepRange& sweep);

}  // namespace voka::pupils
