#include "app/batch/batch_run.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <string_view>

#include "analysis/fft_analysis.h"
#include "analysis/ray_trace_analysis.h"
#include "app/batch/builtin_pupil.h"
#include "app/batch/design_run.h"
#include "app/batch/psf_run.h"
#include "canvas/canvas_view.h"
#include "dib/dib_draw.h"
#include "dib/dib_read.h"
#include "output/existing_content.h"
#include "output/file_replace.h"
#include "output/shown_text.h"
#include "output/write_failure_message.h"

namespace voka {

namespace {

// Every PNG file begins with these eight bytes.
constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";

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

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  // Links resolved and "." or ".." gone, whether or not the files exist yet.
  const auto resolved = [](const std::filesystem::path& path, std::error_code& error) {
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? absolute : std::filesystem::weakly_canonical(absolute, error);
  };
  std::error_code error;
  const auto first = resolved(a, error);
  if (error) return false;
  const auto second = resolved(b, error);
  return !error && first == second;
}

// A file the user keeps under the PNG's name must not be lost to a slip of
// the command line (the pupil given as --png's value, say): only a PNG, an
// empty file or no file at all is replaced, and never the table this run writes.
bool MayReplaceWithPng(const std::filesystem::path& path, const std::filesystem::path& tablePath,
                       std::ostream& err) {
  if (SameFile(path, tablePath)) {
    err << ShownPath(path) << " には表を書くので、--png の保存先にはできません。"
        << "別の名前を指定してください。\n";
    return false;
  }
  switch (ExistingContentOf(path, kPngSignature)) {
    case ExistingContent::kNothingToLose:
    case ExistingContent::kSameKind:
      return true;
    case ExistingContent::kOtherKind:
      err << ShownPath(path) << " は PNG ではないファイルなので、--png で上書きしません"
          << "（PNG の印で始まっていません）。別の名前を指定してください。\n";
      return false;
    case ExistingContent::kUnreadable:
      err << ShownPath(path)
          << " の中身を読めず PNG かどうか確かめられないので、--png で上書きしません。"
             "別の名前を指定してください。\n";
      return false;
  }
  return false;
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
  const std::filesystem::path pngPath = PathFromArgument(options.pngPath);
  if (!options.pngPath.empty() && !MayReplaceWithPng(pngPath, tablePath, err))
    return kBatchUsageError;
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
