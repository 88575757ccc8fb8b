// SPDX-License-Identifier: GPL-3.0-or-later
#include "studies/sweep_paths.h"

#include "pupils/design_parameter.h"

namespace voka::studies {

std::vector<std::string> SweepPaths(const pupils::PupilDesign& design) {
  std::vector<std::string> paths = {"aperture_mm", "obstruction.diameter_mm",
                                    "obstruction.offset_x_mm", "obstruction.offset_y_mm"};
  if (!design.vanes.empty()) {
    paths.push_back("vanes[*].angle_deg");
    paths.push_back("vanes[*].width_mm");
  }
  for (std::size_t i = 0; i < design.vanes.size(); ++i) {
    const std::string vane = "vanes[" + std::to_string(i) + "].";
    paths.push_back(vane + "angle_deg");
    paths.push_back(vane + "width_mm");
    paths.push_back(
        vane + (design.vanes[i].shape == pupils::VaneShape::kStraight ? "offset_mm" : "radius_mm"));
  }
  paths.push_back("focal_mm");
  paths.push_back("wavefront.defocus_mm");
  for (const auto& [noll, rmsNm] : design.wavefront.zernikeRmsNm)
    paths.push_back("wavefront.zernike_nm_rms." + std::to_string(noll));
  return paths;
}

double ParameterValue(const pupils::PupilDesign& design, const std::string& path) {
  pupils::ParameterProblem problem = pupils::ParameterProblem::kNone;
  const std::optional<pupils::DesignParameter> parameter =
      pupils::ParseDesignParameter(path, problem);
  if (!parameter) return 0.0;
  const pupils::Obstruction obstruction = design.obstruction.value_or(pupils::Obstruction{});
  const std::size_t vane = parameter->vaneIndex == pupils::kAllVanes
                               ? 0
                               : static_cast<std::size_t>(parameter->vaneIndex);
  using enum pupils::DesignField;
  switch (parameter->field) {
    case kApertureMm:
      return design.apertureDiameterMm;
    case kFocalMm:
      return design.focalLengthMm.value_or(limits::FocalLengthMm().defaultValue);
    case kObstructionDiameterMm:
      return obstruction.diameterMm;
    case kObstructionOffsetXMm:
      return obstruction.offsetXMm;
    case kObstructionOffsetYMm:
      return obstruction.offsetYMm;
    case kDefocusMm:
      return design.wavefront.defocusMm.value_or(0.0);
    case kZernikeNmRms: {
      const auto term = design.wavefront.zernikeRmsNm.find(parameter->nollIndex);
      return term == design.wavefront.zernikeRmsNm.end() ? 0.0 : term->second;
    }
    default:
      break;
  }
  if (vane >= design.vanes.size()) return 0.0;
  const pupils::Vane& chosen = design.vanes[vane];
  switch (parameter->field) {
    case kVaneAngleDeg:
      return chosen.angleDeg;
    case kVaneWidthMm:
      return chosen.widthMm;
    case kVaneOffsetMm:
      return chosen.offsetMm;
    default:
      return chosen.radiusMm;
  }
}

}  // namespace voka::studies
