// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/design_parameter.h"

#include <charconv>
#include <cmath>

#include "wavefront/zernike.h"

namespace voka::pupils {

namespace {

struct NamedField {
  std::string_view name;
  DesignField field;
};

constexpr NamedField kTopFields[] = {
    {"aperture_mm", DesignField::kApertureMm},
    {"focal_mm", DesignField::kFocalMm},
    {"obstruction.diameter_mm", DesignField::kObstructionDiameterMm},
    {"obstruction.offset_x_mm", DesignField::kObstructionOffsetXMm},
    {"obstruction.offset_y_mm", DesignField::kObstructionOffsetYMm},
    {"wavefront.defocus_mm", DesignField::kDefocusMm},
};

constexpr NamedField kVaneFields[] = {
    {"angle_deg", DesignField::kVaneAngleDeg},
    {"width_mm", DesignField::kVaneWidthMm},
    {"offset_mm", DesignField::kVaneOffsetMm},
    {"radius_mm", DesignField::kVaneRadiusMm},
};

constexpr std::string_view kVanesPrefix = "vanes[";
constexpr std::string_view kZernikePrefix = "wavefront.zernike_nm_rms.";

// Decimal digits only, no sign and no leading zero (as in a design file).
std::optional<int> WholeNumber(std::string_view text) {
  if (text.empty() || (text.size() > 1 && text.front() == '0')) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> FiniteNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<DesignParameter> ParseVane(std::string_view text, ParameterProblem& problem) {
  text.remove_prefix(kVanesPrefix.size());
  const std::size_t close = text.find("].");
  if (close == std::string_view::npos) {
    problem = ParameterProblem::kMalformed;
    return std::nullopt;
  }
  DesignParameter parameter;
  const std::string_view index = text.substr(0, close);
  if (index == "*") {
    parameter.vaneIndex = kAllVanes;
  } else if (const std::optional<int> number = WholeNumber(index)) {
    parameter.vaneIndex = *number;
  } else {
    problem = ParameterProblem::kMalformed;
    return std::nullopt;
  }
  const std::string_view name = text.substr(close + 2);
  for (const NamedField& field : kVaneFields) {
    if (field.name == name) {
      parameter.field = field.field;
      return parameter;
    }
  }
  problem = ParameterProblem::kUnknownField;
  return std::nullopt;
}

bool IsVaneField(DesignField field) {
  return field == DesignField::kVaneAngleDeg || field == DesignField::kVaneWidthMm ||
         field == DesignField::kVaneOffsetMm || field == DesignField::kVaneRadiusMm;
}

ParameterProblem CheckVane(const Vane& vane, DesignField field) {
  if (field == DesignField::kVaneOffsetMm && vane.shape != VaneShape::kStraight)
    return ParameterProblem::kWrongShape;
  if (field == DesignField::kVaneRadiusMm && vane.shape != VaneShape::kCurved)
    return ParameterProblem::kWrongShape;
  return ParameterProblem::kNone;
}

void SetVane(Vane& vane, DesignField field, double value) {
  switch (field) {
    case DesignField::kVaneAngleDeg:
      vane.angleDeg = value;
      break;
    case DesignField::kVaneWidthMm:
      vane.widthMm = value;
      break;
    case DesignField::kVaneOffsetMm:
      vane.offsetMm = value;
      break;
    case DesignField::kVaneRadiusMm:
      vane.radiusMm = value;
      break;
    default:
      break;
  }
}

}  // namespace

std::optional<DesignParameter> ParseDesignParameter(std::string_view text,
                                                    ParameterProblem& problem) {
  problem = ParameterProblem::kNone;
  if (text.starts_with(kVanesPrefix)) return ParseVane(text, problem);
  if (text.starts_with(kZernikePrefix)) {
    const std::optional<int> noll = WholeNumber(text.substr(kZernikePrefix.size()));
    if (!noll || *noll < 1 || *noll > wavefront::kMaximumNollIndex) {
      problem = ParameterProblem::kUnknownField;
      return std::nullopt;
    }
    return DesignParameter{DesignField::kZernikeNmRms, 0, *noll};
  }
  for (const NamedField& field : kTopFields) {
    if (field.name == text) return DesignParameter{field.field, 0, 0};
  }
  const bool knownPlace = text.starts_with("obstruction.") || text.starts_with("wavefront.");
  problem = knownPlace ? ParameterProblem::kUnknownField : ParameterProblem::kMalformed;
  return std::nullopt;
}

ParameterProblem CheckParameterFits(const PupilDesign& design, const DesignParameter& parameter) {
  if (!IsVaneField(parameter.field)) return ParameterProblem::kNone;
  if (parameter.vaneIndex == kAllVanes) {
    if (design.vanes.empty()) return ParameterProblem::kNoVanes;
    for (const Vane& vane : design.vanes) {
      if (const ParameterProblem problem = CheckVane(vane, parameter.field);
          problem != ParameterProblem::kNone)
        return problem;
    }
    return ParameterProblem::kNone;
  }
  if (parameter.vaneIndex < 0 ||
      static_cast<std::size_t>(parameter.vaneIndex) >= design.vanes.size())
    return ParameterProblem::kNoSuchVane;
  return CheckVane(design.vanes[static_cast<std::size_t>(parameter.vaneIndex)], parameter.field);
}

PupilDesign WithParameter(PupilDesign design, const DesignParameter& parameter, double value) {
  switch (parameter.field) {
    case DesignField::kApertureMm:
      design.apertureDiameterMm = value;
      break;
    case DesignField::kFocalMm:
      design.focalLengthMm = value;
      break;
    case DesignField::kObstructionDiameterMm:
      design.obstruction.emplace(design.obstruction.value_or(Obstruction{})).diameterMm = value;
      break;
    case DesignField::kObstructionOffsetXMm:
      design.obstruction.emplace(design.obstruction.value_or(Obstruction{})).offsetXMm = value;
      break;
    case DesignField::kObstructionOffsetYMm:
      design.obstruction.emplace(design.obstruction.value_or(Obstruction{})).offsetYMm = value;
      break;
    case DesignField::kDefocusMm:
      design.wavefront.defocusMm = value;
      break;
    case DesignField::kZernikeNmRms:
      design.wavefront.zernikeRmsNm[parameter.nollIndex] = value;
      break;
    default:
      if (parameter.vaneIndex == kAllVanes) {
        for (Vane& vane : design.vanes) SetVane(vane, parameter.field, value);
      } else {
        SetVane(design.vanes.at(static_cast<std::size_t>(parameter.vaneIndex)), parameter.field,
                value);
      }
      break;
  }
  return design;
}

SweepParse ParseSweepRange(std::string_view text) {
  SweepParse parse;
  const std::size_t equals = text.find('=');
  const std::size_t firstColon = text.find(':', equals == std::string_view::npos ? 0 : equals);
  const std::size_t secondColon =
      firstColon == std::string_view::npos ? firstColon : text.find(':', firstColon + 1);
  if (equals == std::string_view::npos || secondColon == std::string_view::npos ||
      text.find(':', secondColon + 1) != std::string_view::npos) {
    parse.problem = SweepProblem::kMalformed;
    return parse;
  }
  SweepRange sweep;
  sweep.path = std::string(text.substr(0, equals));
  const std::optional<DesignParameter> parameter =
      ParseDesignParameter(sweep.path, parse.parameterProblem);
  if (!parameter) {
    parse.problem = SweepProblem::kParameter;
    return parse;
  }
  sweep.parameter = *parameter;
  const std::optional<double> from = FiniteNumber(text.substr(equals + 1, firstColon - equals - 1));
  const std::optional<double> to =
      FiniteNumber(text.substr(firstColon + 1, secondColon - firstColon - 1));
  if (!from || !to) {
    parse.problem = SweepProblem::kNumber;
    return parse;
  }
  const std::optional<int> steps = WholeNumber(text.substr(secondColon + 1));
  if (!steps || *steps < kMinimumSweepSteps || *steps > kMaximumSweepSteps) {
    parse.problem = SweepProblem::kSteps;
    return parse;
  }
  sweep.from = *from;
  sweep.to = *to;
  sweep.steps = *steps;
  parse.sweep = std::move(sweep);
  return parse;
}

std::vector<double> SweepValues(const SweepRange& sweep) {
  std::vector<double> values;
  const double intervals = sweep.steps - 1;
  for (int step = 0; step < sweep.steps; ++step) {
    // Weighted this way the ends come out exactly as written, and a range
    // symmetric about 0 gives values that are exact negatives of each other,
    // with 0 itself in the middle.
    values.push_back(((intervals - step) * sweep.from + step * sweep.to) / intervals);
  }
  return values;
}

}  // namespace voka::pupils
