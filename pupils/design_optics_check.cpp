// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <string>

#include "pupils/design_check.h"
#include "wavefront/zernike.h"

namespace voka::pupils {

namespace {

constexpr const char* kNotFinite = "数値が有限ではありません。普通の数値を書いてください。";

std::optional<DesignProblem> CheckZernike(int nollIndex, double coefficientNm) {
  const std::string field = "wavefront.zernike_nm_rms." + std::to_string(nollIndex);
  if (nollIndex < 1 || nollIndex > wavefront::kMaximumNollIndex)
    return MakeDesignProblem(field,
                             "Zernike 項の番号 (Noll) は 1 から " +
                                 std::to_string(wavefront::kMaximumNollIndex) + " にしてください。",
                             DesignProblemKind::kNollIndexOutOfRange);
  if (!std::isfinite(coefficientNm))
    return MakeDesignProblem(field, kNotFinite, DesignProblemKind::kNotFinite);
  if (std::abs(coefficientNm) > wavefront::kMaximumZernikeRmsNm)
    return MakeDesignProblem(field,
                             "±" +
                                 std::to_string(static_cast<int>(wavefront::kMaximumZernikeRmsNm)) +
                                 " nm の範囲にしてください。",
                             DesignProblemKind::kZernikeTooLarge);
  return std::nullopt;
}

}  // namespace

std::optional<DesignProblem> FindOpticsProblem(const PupilDesign& design) {
  if (design.focalLengthMm) {
    if (!std::isfinite(*design.focalLengthMm))
      return MakeDesignProblem("focal_mm", kNotFinite, DesignProblemKind::kNotFinite);
    if (*design.focalLengthMm <= 0)
      return MakeDesignProblem("focal_mm", "0 より大きい値にしてください。",
                               DesignProblemKind::kFocalNotPositive);
  }
  for (const auto& [nollIndex, coefficient] : design.wavefront.zernikeRmsNm) {
    if (auto problem = CheckZernike(nollIndex, coefficient)) return problem;
  }
  if (const std::optional<double>& defocus = design.wavefront.defocusMm) {
    if (!std::isfinite(*defocus))
      return MakeDesignProblem("wavefront.defocus_mm", kNotFinite, DesignProblemKind::kNotFinite);
    if (std::abs(*defocus) > wavefront::kMaximumDefocusMm)
      return MakeDesignProblem("wavefront.defocus_mm",
                               "±" +
                                   std::to_string(static_cast<int>(wavefront::kMaximumDefocusMm)) +
                                   " mm の範囲にしてください。",
                               DesignProblemKind::kDefocusTooLarge);
  }
  return std::nullopt;
}

}  // namespace voka::pupils
