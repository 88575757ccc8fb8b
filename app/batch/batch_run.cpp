#include "app/batch/batch_run.h"

#include <QImage>
#include <QString>

#include "analysis/fft_analysis.h"
#include "analysis/ray_trace_analysis.h"
#include "app/batch/builtin_pupil.h"
#include "app/batch/psf_run.h"
#include "canvas/canvas_view.h"
#include "dib/dib_painter.h"
#include "dib/dib_read.h"

namespace voka {

namespace {

std::filesystem::path Utf8Path(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// Reads the pupil the user named, or the built-in one; a null handle after
// telling why.
DibHandle LoadPupil(const BatchOptions& options, std::ostream& err) {
  if (options.pupilPath.empty()) return BuiltinPupil();
  const std::filesystem::path path = Utf8Path(options.pupilPath);
  DibRefusal reason = DibRefusal::kNone;
  DibHandle pupil = DibReadPath(path, &reason);
  if (pupil && !DibCanPaint(pupil)) {
    pupil = DibHandle();
    reason = DibRefusal::kUnsupportedForm;
  }
  if (!pupil) err << DibRefusalMessage(reason, path) << '\n';
  return pupil;
}

ProgressFn TerminalProgress(std::ostream& err, bool show) {
  if (!show) return {};
  return [&err](int position) { err << "\r解析中 " << position << "%" << std::flush; };
}

bool SavePicture(const Canvas& canvas, const std::string& pngPath, std::ostream& err) {
  const QString path = QString::fromUtf8(pngPath.data(), static_cast<qsizetype>(pngPath.size()));
  if (ViewImage(canvas).save(path, "PNG")) return true;
  err << pngPath << " を保存できませんでした。保存先のフォルダーと名前を確かめてください。\n";
  return false;
}

// Runs the chosen analysis; true when its table was written.
bool Analyse(const BatchOptions& options, Canvas& canvas, const DibHandle& pupil, std::ostream& out,
             std::ostream& err, bool showProgress, const std::filesystem::path& tablePath) {
  const TellUserFn tell = [&err](std::string_view message) { err << message << '\n'; };
  const ProgressFn progress = TerminalProgress(err, showProgress);
  bool written = false;
  if (options.analysis == BatchAnalysis::kFft) {
    const FftAnalysisResult result = RunFftAnalysis(canvas, pupil, progress, tell, tablePath);
    if (showProgress) err << '\n';
    written = result.outcome == FftOutcome::kDone;
    if (result.outcome == FftOutcome::kDone || result.outcome == FftOutcome::kTableFailed) {
      out << result.report.apertureCaption << '\n'
          << result.report.titleCaption << '\n'
          << result.report.intensityCaption << '\n';
    }
  } else {
    const RayTraceResult result = RunRayTrace(canvas, pupil, progress, tell, tablePath);
    if (showProgress) err << '\n';
    written = result.outcome == RayTraceOutcome::kDone;
    out << "最大振幅=" << result.maximum << '\n';
  }
  return written;
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err, bool showProgress,
             const std::filesystem::path& tablePath) {
  if (options.help) {
    out << BatchUsage();
    return kBatchSuccess;
  }
  if (options.analysis == BatchAnalysis::kPsf) return RunPsf(options, out, err, showProgress);
  const DibHandle pupil = LoadPupil(options, err);
  if (!pupil) return kBatchFailure;

  Canvas canvas;
  const bool written = Analyse(options, canvas, pupil, out, err, showProgress, tablePath);
  const bool saved = options.pngPath.empty() || SavePicture(canvas, options.pngPath, err);
  return written && saved ? kBatchSuccess : kBatchFailure;
}

}  // namespace voka
