// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/design_pupil.h"

#include "batch/command_line.h"
#include "dib/dib_read.h"
#include "output/shown_text.h"
#include "pupils/design_file.h"
#include "pupils/design_presets.h"
#include "pupils/pupil_bitmap.h"

namespace voka {

namespace {

// The design analysed and saved when the command line names none.
constexpr const char* kBuiltinPreset = "4-vanes";

}  // namespace

std::optional<pupils::PupilDesign> LoadBatchDesign(const std::string& designPath,
                                                   std::ostream& err) {
  if (designPath.empty()) return pupils::PresetDesign(kBuiltinPreset);
  // A file name is taken as the bytes typed; only a preset name is text.
  pupils::DesignLoad load = designPath.starts_with(pupils::kPresetPrefix)
                                ? pupils::LoadDesignOrPreset(designPath)
                                : pupils::LoadDesignFile(PathFromArgument(designPath));
  if (!load.design) err << EscapedForDisplay(load.message) << '\n';
  return std::move(load.design);
}

DibHandle DesignPupil(const pupils::PupilDesign& design, int sidePixels) {
  const bmp_writer::Bytes bytes = pupils::PupilBitmap(design, sidePixels);
  if (bytes.empty()) return DibHandle();
  DibMemoryFile file(bytes);
  return DibRead(file);
}

DibHandle LoadDesignPupil(const std::string& designPath, std::ostream& err) {
  const std::optional<pupils::PupilDesign> design = LoadBatchDesign(designPath, err);
  return design ? DesignPupil(*design) : DibHandle();
}

}  // namespace voka
