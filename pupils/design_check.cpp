// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/design_check.h"

#include <cmath>

namespace voka::pupils {

namespace {

constexpr const char* kNotFinite = "数値が有限ではありません。普通の数値を書いてください。";

std::optional<DesignProblem> Problem(std::string field, std::string reason,
                                     DesignProblemKind kind) {
  return MakeDesignProblem(std::move(field), std::move(reason), kind);
}

std::optional<DesignProblem> NotFinite(std::string field) {
  return Problem(std::move(field), kNotFinite, DesignProblemKind::kNotFinite);
}

std::optional<DesignProblem> CheckObstruction(const Obstruction& obstruction,
                                              double apertureDiameterMm) {
  if (!std::isfinite(obstruction.diameterMm)) return NotFinite("obstruction.diameter_mm");
  if (!std::isfinite(obstruction.offsetXMm)) return NotFinite("obstruction.offset_x_mm");
  if (!std::isfinite(obstruction.offsetYMm)) return NotFinite("obstruction.offset_y_mm");
  if (obstruction.diameterMm < 0)
    return Problem("obstruction.diameter_mm", "0 以上の値にしてください（0 は遮蔽なし）。",
                   DesignProblemKind::kObstructionNegative);
  if (obstruction.diameterMm >= apertureDiameterMm)
    return Problem("obstruction.diameter_mm", "口径（aperture_mm）より小さい値にしてください。",
                   DesignProblemKind::kObstructionTooLarge);
  return std::nullopt;
}

std::optional<DesignProblem> CheckVane(const Vane& vane, std::size_t index,
                                       double apertureDiameterMm) {
  if (!std::isfinite(vane.angleDeg)) return NotFinite(VaneField(index, "angle_deg"));
  if (!std::isfinite(vane.widthMm)) return NotFinite(VaneField(index, "width_mm"));
  if (vane.widthMm <= 0)
    return Problem(VaneField(index, "width_mm"), "0 より大きい値にしてください。",
                   DesignProblemKind::kVaneWidthNotPositive);
  if (vane.shape == VaneShape::kStraight) {
    if (!std::isfinite(vane.offsetMm)) return NotFinite(VaneField(index, "offset_mm"));
    return std::nullopt;
  }
  if (!std::isfinite(vane.radiusMm)) return NotFinite(VaneField(index, "radius_mm"));
  // A shorter radius would curl the arc back before it reaches the rim.
  if (std::abs(vane.radiusMm) < apertureDiameterMm / 4)
    return Problem(VaneField(index, "radius_mm"),
                   "絶対値を口径（aperture_mm）の 1/4 以上にしてください。"
                   "それより小さい半径の弧は縁まで届きません。",
                   DesignProblemKind::kCurveTooTight);
  return std::nullopt;
}

}  // namespace

std::string VaneField(std::size_t index, const char* key) {
  return "vanes[" + std::to_string(index) + "]." + key;
}

DesignProblem MakeDesignProblem(std::string field, std::string reason, DesignProblemKind kind) {
  DesignProblem problem;
  problem.field = std::move(field);
  problem.reason = std::move(reason);
  problem.kind = kind;
  return problem;
}

std::optional<DesignProblem> FindDesignProblem(const PupilDesign& design) {
  if (!std::isfinite(design.apertureDiameterMm)) return NotFinite("aperture_mm");
  if (design.apertureDiameterMm <= 0)
    return Problem("aperture_mm", "0 より大きい値にしてください。",
                   DesignProblemKind::kApertureNotPositive);
  if (design.obstruction) {
    if (auto problem = CheckObstruction(*design.obstruction, design.apertureDiameterMm))
      return problem;
  }
  if (design.vanes.size() > static_cast<std::size_t>(kMaxVanes))
    return Problem("vanes", "支持板は " + std::to_string(kMaxVanes) + " 本までにしてください。",
                   DesignProblemKind::kTooManyVanes);
  for (std::size_t index = 0; index < design.vanes.size(); ++index) {
    if (auto problem = CheckVane(design.vanes[index], index, design.apertureDiameterMm))
      return problem;
  }
  return FindOpticsProblem(design);
}

}  // namespace voka::pupils
