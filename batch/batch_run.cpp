// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_run.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <string_view>

#include "analysis/fft_analysis.h"
#include "analysis/ray_trace_analysis.h"
#include "batch/builtin_pupil.h"
#include "batch/design_run.h"
#include "batch/output_check.h"
#include "batch/psf_run.h"
#include "canvas/canvas_view.h"
#include "dib/dib_draw.h"
#include "dib/dib_read.h"
#include "output/file_replace.h"
#include "output/shown_text.h"
#include "output/write_failure_message.h"
#include "pupils/design_file.h"

namespace voka {

namespace {

// Reads the pupil the user named, or the built-in one; a null handle after
// telling why.
DibHandle LoadPupil(const BatchOptions& options, std::ostream& err) {
  if (!options.designPath.empty()) return LoadDesignPupil(options.designPath, err);
  if (options.pupilPath.empty()) return BuiltinPupil();
  const std::filesystem::path path = PathFromArgument(options.pupilPath);
  DibRefusal reason = DibRefusal::kNone;
  DibHandle pupil = DibReadPath(path, &reason);
  if (pupil && !DibCanPaint(pupil)) {
    pupil = DibHandle();
    reason = DibRefusal::kUnsupportedForm;
  }
  // The message carries the name as typed; nothing in it may reach the terminal raw.
  if (!pupil) err << EscapedForDisplay(DibRefusalMessage(reason, path)) << '\n';
  return pupil;
}

ProgressFn TerminalProgress(std::ostream& err, bool show) {
  if (!show) return {};
  return [&err](int position) { err << "\r解析中 " << position << "%" << std::flush; };
}

// Everything the run would write, in the order it is checked.
std::vector<RunOutput> OutputsOf(const BatchOptions& options,
                                 const std::filesystem::path& tablePath) {
  std::vector<RunOutput> outputs;
  const auto add = [&outputs](const char* option, const std::string& typed, OutputKind kind) {
    if (!typed.empty()) outputs.push_back({option, PathFromArgument(typed), kind});
  };
  switch (options.analysis) {
    case BatchAnalysis::kFft:
    case BatchAnalysis::kRayTrace:
      outputs.push_back({"VOKA.TXT", tablePath, OutputKind::kTable});
      break;
    case BatchAnalysis::kPsf:
      add("--fits", options.fitsPath, OutputKind::kFits);
      add("--csv", options.csvPath, OutputKind::kCurvesCsv);
      add("--json", options.jsonPath, OutputKind::kNumbersJson);
      break;
    case BatchAnalysis::kNone:
      break;
  }
  add("--png", options.pngPath, OutputKind::kPng);
  add("--save-pupil", options.savePupilPath, OutputKind::kPupilBitmap);
  return outputs;
}

std::vector<RunInput> InputsOf(const BatchOptions& options) {
  std::vector<RunInput> inputs;
  if (!options.pupilPath.empty())
    inputs.push_back({PathFromArgument(options.pupilPath), "瞳の画像"});
  if (!options.designPath.empty() && !options.designPath.starts_with(pupils::kPresetPrefix))
    inputs.push_back({PathFromArgument(options.designPath), "瞳の設計"});
  return inputs;
}

// The picture is encoded in memory and then written whole, like every output.
bool SavePicture(const Canvas& canvas, const std::filesystem::path& path, std::ostream& err) {
  QByteArray encoded;
  QBuffer buffer(&encoded);
  std::error_code error;
  if (!buffer.open(QIODevice::WriteOnly) || !ViewImage(canvas).save(&buffer, "PNG")) {
    error = std::make_error_code(std::errc::not_enough_memory);
  } else {
    error = ReplaceFileContents(
        path, std::string_view(encoded.constData(), static_cast<std::size_t>(encoded.size())));
  }
  if (!error) return true;
  err << WriteFailureMessage(path, error) << '\n';
  return false;
}

// Runs the chosen analysis; true when its table was written.
bool Analyse(const BatchOptions& options, Canvas& canvas, const DibHandle& pupil, std::ostream& out,
             std::ostream& err, bool showProgress, const std::filesystem::path& tablePath) {
  const TellUserFn tell = [&err](std::string_view message) { err << message << '\n'; };
  const ProgressFn progress = TerminalProgress(err, showProgress);
  const bool fft = options.analysis == BatchAnalysis::kFft;
  const AnalysisResult result = fft ? RunFftAnalysis(canvas, pupil, progress, tell, tablePath)
                                    : RunRayTrace(canvas, pupil, progress, tell, tablePath);
  if (showProgress) err << '\n';
  for (const std::string& caption : result.captions) out << caption << '\n';
  if (!fft) out << "最大振幅=" << result.maximum << '\n';
  return result.outcome == AnalysisOutcome::kDone;
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err, bool showProgress,
             const std::filesystem::path& tablePath) {
  if (options.help || options.version) {
    out << (options.help ? BatchUsage() : std::string(kBatchVersionLine));
    return kBatchSuccess;
  }
  // Nothing is computed for a run that could not keep its outputs apart
  // from its inputs, from each other and from the user's other files.
  const std::optional<OutputRefusal> refusal =
      FindOutputRefusal(OutputsOf(options, tablePath), InputsOf(options));
  if (refusal) {
    err << OutputRefusalMessage(*refusal) << '\n';
    return kBatchUsageError;
  }
  const std::filesystem::path pngPath = PathFromArgument(options.pngPath);
  if (options.analysis == BatchAnalysis::kPsf) return RunPsf(options, out, err, showProgress);
  if (!options.savePupilPath.empty()) {
    const int status = SaveDesignPupil(options, err);
    if (status != kBatchSuccess || options.analysis == BatchAnalysis::kNone) return status;
  }
  const DibHandle pupil = LoadPupil(options, err);
  if (!pupil) return kBatchFailure;

  Canvas canvas;
  const bool written = Analyse(options, canvas, pupil, out, err, showProgress, tablePath);
  const bool saved = options.pngPath.empty() || SavePicture(canvas, pngPath, err);
  return written && saved ? kBatchSuccess : kBatchFailure;
}

}  // namespace voka
