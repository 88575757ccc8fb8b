// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/design_presets.h"

#include <array>

namespace voka::pupils {

namespace {

// A 200 mm mirror with a 25% central obstruction held by 4 mm vanes: the
// proportions of a common Newtonian reflector.
constexpr double kApertureMm = 200.0;
constexpr double kObstructionMm = 50.0;
constexpr double kVaneWidthMm = 4.0;
// Tangent vanes start inside the obstruction so that it is still held.
constexpr double kTangentOffsetMm = 20.0;
// Each vane of a double pair is half as wide; the pair is this far apart.
constexpr double kDoubleVaneSpacingMm = 20.0;
// One curved vane running through half a circle from the centre to the rim.
constexpr double kSingleCurveRadiusMm = -50.0;
constexpr double kTripleCurveRadiusMm = 75.0;

constexpr std::array<DesignPreset, 7> kPresets{{
    {"clear", "遮蔽なし"},
    {"3-vanes", "3 本スパイダー"},
    {"4-vanes", "4 本スパイダー"},
    {"4-vanes-tangent", "4 本スパイダー（接線オフセット）"},
    {"2-double-vanes", "2 組の二重スパイダー"},
    {"1-curved-vane", "曲線スパイダー 1 本"},
    {"3-curved-vanes", "曲線スパイダー 3 本"},
}};

Vane Straight(double angleDeg, double widthMm, double offsetMm = 0.0) {
  return Vane{VaneShape::kStraight, angleDeg, widthMm, offsetMm, Vane{}.radiusMm};
}

Vane Curved(double angleDeg, double radiusMm) {
  return Vane{VaneShape::kCurved, angleDeg, kVaneWidthMm, Vane{}.offsetMm, radiusMm};
}

PupilDesign Obstructed(std::vector<Vane> vanes) {
  PupilDesign design;
  design.apertureDiameterMm = kApertureMm;
  design.obstruction = Obstruction{kObstructionMm, 0.0, 0.0};
  design.vanes = std::move(vanes);
  return design;
}

}  // namespace

std::span<const DesignPreset> DesignPresets() {
  return kPresets;
}

std::optional<PupilDesign> PresetDesign(std::string_view name) {
  if (name == "clear") {
    PupilDesign design;
    design.apertureDiameterMm = kApertureMm;
    return design;
  }
  if (name == "3-vanes")
    return Obstructed(
        {Straight(90, kVaneWidthMm), Straight(210, kVaneWidthMm), Straight(330, kVaneWidthMm)});
  if (name == "4-vanes")
    return Obstructed({Straight(0, kVaneWidthMm), Straight(90, kVaneWidthMm),
                       Straight(180, kVaneWidthMm), Straight(270, kVaneWidthMm)});
  if (name == "4-vanes-tangent")
    return Obstructed({Straight(0, kVaneWidthMm, kTangentOffsetMm),
                       Straight(90, kVaneWidthMm, kTangentOffsetMm),
                       Straight(180, kVaneWidthMm, kTangentOffsetMm),
                       Straight(270, kVaneWidthMm, kTangentOffsetMm)});
  if (name == "2-double-vanes") {
    constexpr double kHalf = kDoubleVaneSpacingMm / 2;
    constexpr double kWidth = kVaneWidthMm / 2;
    return Obstructed({Straight(0, kWidth, kHalf), Straight(0, kWidth, -kHalf),
                       Straight(180, kWidth, kHalf), Straight(180, kWidth, -kHalf)});
  }
  if (name == "1-curved-vane") return Obstructed({Curved(90, kSingleCurveRadiusMm)});
  if (name == "3-curved-vanes")
    return Obstructed({Curved(90, kTripleCurveRadiusMm), Curved(210, kTripleCurveRadiusMm),
                       Curved(330, kTripleCurveRadiusMm)});
  return std::nullopt;
}

std::string PresetNameList() {
  std::string list;
  for (const DesignPreset& preset : kPresets) {
    if (!list.empty()) list += ", ";
    list += preset.name;
  }
  return list;
}

}  // namespace voka::pupils
