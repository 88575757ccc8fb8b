// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/design_run.h"

#include "batch/batch_run.h"
#include "dib/dib_read.h"
#include "output/file_replace.h"
#include "output/shown_text.h"
#include "output/write_failure_message.h"
#include "pupils/design_file.h"
#include "pupils/design_presets.h"
#include "pupils/open_fraction_render.h"
#include "pupils/pupil_bitmap.h"
#include "pupils/star_pupil.h"

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

std::optional<StarPupil> LoadDesignStarPupil(const std::string& designPath, int side,
                                             std::ostream& err) {
  const std::optional<pupils::PupilDesign> design = LoadBatchDesign(designPath, err);
  if (!design) return std::nullopt;
  return StarPupil{pupils::StarPupilOfDesign(*design, side), design->apertureDiameterMm};
}

int SaveDesignPupil(const BatchOptions& options, std::ostream& err) {
  const int side = options.sidePixels.value_or(kDefaultSavedPupilSidePixels);
  if (side < 1 || side > pupils::kMaxRenderSidePixels) {
    err << "--size は 1 から " << pupils::kMaxRenderSidePixels
        << " までのピクセル数にしてください。\n";
    return kBatchUsageError;
  }
  const std::optional<pupils::PupilDesign> design = LoadBatchDesign(options.designPath, err);
  if (!design) return kBatchFailure;
  const bmp_writer::Bytes bytes = pupils::PupilBitmap(*design, side);
  const std::filesystem::path target = PathFromArgument(options.savePupilPath);
  const std::error_code error = ReplaceFileContents(
      target, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (error) {
    err << WriteFailureMessage(target, error) << '\n';
    return kBatchFailure;
  }
  return kBatchSuccess;
}

}  // namespace voka
