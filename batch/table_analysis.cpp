// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/table_analysis.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <string_view>

#include "analysis/fft_analysis.h"
#include "analysis/ray_trace_analysis.h"
#include "app/common/library_texts.h"
#include "batch/builtin_pupil.h"
#include "batch/design_pupil.h"
#include "batch/pending_files.h"
#include "canvas/canvas_view.h"
#include "dib/dib_draw.h"
#include "dib/dib_read.h"
#include "output/file_replace.h"
#include "output/shown_text.h"
#include "output/write_failure_message.h"

namespace voka {

namespace {

// Reads the pupil the user named, or the built-in one; a null handle after
// telling why.
DibHandle LoadPupil(const TableAnalysisOptions& options, std::ostream& err) {
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
  if (!pupil) err << DibRefusalText(reason, path).toStdString() << '\n';
  return pupil;
}

ProgressFn TerminalProgress(std::ostream& err, bool show) {
  if (!show) return {};
  const std::string what = QCoreApplication::translate("voka-batch", "解析中").toStdString();
  return [&err, what](int position) { ShowProgress(err, true, position, what); };
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
  err << WriteFailureText(path, error).toStdString() << '\n';
  return false;
}

// Runs the chosen analysis; true when its table was written.
bool Analyse(TableAnalysis analysis, Canvas& canvas, const DibHandle& pupil,
             const RunContext& context) {
  std::ostream& err = context.err;
  const TellUserFn tell = [&err](std::string_view message) {
    const QString translated = AnalysisMessageText(message);
    err << (translated.isNull() ? std::string(message) : translated.toStdString()) << '\n';
  };
  const ProgressFn progress = TerminalProgress(err, context.showProgress);
  const bool fft = analysis == TableAnalysis::kFft;
  const AnalysisResult result =
      fft ? RunFftAnalysisCaptioned(canvas, pupil, progress, tell, context.tablePath,
                                    TranslatedSpectrumCaptions())
          : RunRayTrace(canvas, pupil, progress, tell, context.tablePath);
  if (context.showProgress) err << '\n';
  for (const std::string& caption : result.captions) context.out << caption << '\n';
  if (!fft) {
    context.out << QCoreApplication::translate("voka-batch", "最大振幅=").toStdString()
                << result.maximum << '\n';
  }
  return result.outcome == AnalysisOutcome::kDone;
}

}  // namespace

std::optional<TableAnalysisOptions> ReadTableAnalysis(const ParsedArguments& parsed,
                                                      std::string& error) {
  TableAnalysisOptions options;
  static_cast<PupilSourceOptions&>(options) = ReadPupilSource(parsed);
  options.pngPath = parsed.Text("--png");
  // A bitmap is analysed at its own size; only a drawn design has one to choose.
  if (options.sidePixels && options.designPath.empty()) {
    error = QCoreApplication::translate("voka-batch",
                                        "--size は --psf か --design と一緒に指定してください。")
                .toStdString();
    return std::nullopt;
  }
  return options;
}

int RunTableAnalysis(const TableAnalysisOptions& options, TableAnalysis analysis,
                     const RunContext& context) {
  const DibHandle pupil = LoadPupil(options, context.err);
  if (!pupil) return kBatchFailure;
  Canvas canvas;
  const bool written = Analyse(analysis, canvas, pupil, context);
  const bool saved = options.pngPath.empty() ||
                     SavePicture(canvas, PathFromArgument(options.pngPath), context.err);
  return written && saved ? kBatchSuccess : kBatchFailure;
}

std::vector<RunOutput> TableAnalysisOutputs(const TableAnalysisOptions& options,
                                            const RunContext& context) {
  std::vector<RunOutput> outputs{{"VOKA.TXT", context.tablePath, OutputKind::kTable}};
  if (!options.pngPath.empty())
    outputs.push_back({"--png", PathFromArgument(options.pngPath), OutputKind::kPng});
  return outputs;
}

}  // namespace voka
