// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/save_pupil_command.h"

#include <QCoreApplication>

#include "app/common/library_texts.h"
#include "batch/design_pupil.h"
#include "output/file_replace.h"
#include "output/write_failure_message.h"
#include "pupils/pupil_bitmap.h"

namespace voka {

std::optional<SavePupilCommandOptions> ReadSavePupilCommand(const ParsedArguments& parsed,
                                                            std::string& error) {
  SavePupilCommandOptions options;
  static_cast<PupilSourceOptions&>(options) = ReadPupilSource(parsed);
  options.savePupilPath = parsed.commandValues.at(0);
  if (options.designPath.empty()) {
    error = QCoreApplication::translate("voka-batch",
                                        "--save-pupil には --design で瞳の設計を指定してください。")
                .toStdString();
    return std::nullopt;
  }
  return options;
}

int RunCommand(const SavePupilCommandOptions& options, const RunContext& context) {
  // --size is within the table's range, which the renderer draws whole.
  const int side = options.sidePixels.value_or(kDefaultSavedPupilSidePixels);
  const std::optional<pupils::PupilDesign> design =
      LoadBatchDesign(options.designPath, context.err);
  if (!design) return kBatchFailure;
  const bmp_writer::Bytes bytes = pupils::PupilBitmap(*design, side);
  const std::filesystem::path target = PathFromArgument(options.savePupilPath);
  const std::error_code error = ReplaceFileContents(
      target, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (error) {
    context.err << WriteFailureText(target, error).toStdString() << '\n';
    return kBatchFailure;
  }
  return kBatchSuccess;
}

std::vector<RunOutput> OutputsOf(const SavePupilCommandOptions& options, const RunContext&) {
  return {{"--save-pupil", PathFromArgument(options.savePupilPath), OutputKind::kPupilBitmap}};
}

}  // namespace voka
