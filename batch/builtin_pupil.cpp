// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/builtin_pupil.h"

#include "batch/design_pupil.h"
#include "pupils/design_presets.h"

namespace voka {

DibHandle BuiltinPupil() {
  const std::optional<pupils::PupilDesign> design = pupils::PresetDesign("4-vanes");
  return design ? DesignPupil(*design) : DibHandle();
}

}  // namespace voka
