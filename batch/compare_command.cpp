// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/compare_command.h"

#include <QCoreApplication>
#include <cstdio>
#include <fstream>

#include "batch/pending_files.h"
#include "batch/star_pupil_source.h"
#include "output/shown_text.h"
#include "psf/fits_export.h"
#include "psf/psf_analysis.h"
#include "psf/psf_numbers.h"
#include "psf/star_image_difference.h"
#include "psfview/comparison_picture.h"
#include "psfview/log_view.h"
#include "psfview/log_view_image.h"
#include "pupils/design_file.h"
#include "studies/comparison_json.h"
#include "studies/record_delta.h"

namespace voka {

namespace {

QString Shown(const std::string& text) {
  return QString::fromStdString(EscapedForDisplay(text));
}

void Tell(std::ostream& err, const QString& message) {
  err << message.toStdString() << '\n';
}

void PrintChanges(const psf::PsfAnalysis& a, const psf::PsfAnalysis& b, std::ostream& out) {
  const std::vector<psf::Quantity> recordA = psf::ResultRecord(a);
  const std::vector<psf::Quantity> recordB = psf::ResultRecord(b);
  const std::vector<psf::Quantity> delta = studies::RecordDelta(recordA, recordB);
  for (const psf::Quantity& change : delta) {
    PrintChange(change.key, psf::ValueOf(recordA, change.key), psf::ValueOf(recordB, change.key),
                change.value, out);
  }
}

bool MakeOutputs(const CompareCommandOptions& options, const psf::PsfAnalysis& a,
                 const psf::PsfAnalysis& b, std::vector<PendingFile>& files, std::ostream& err) {
  if (!options.fitsPath.empty()) {
    const std::optional<psf::StarImageDifference> difference = psf::DifferenceOf(
        a.image, b.image, options.fieldOfViewLambdaOverD, psf::DifferenceScale::kLinear);
    std::string error;
    std::string bytes =
        difference ? psf::StarImageDifferenceFitsBytes(a.image, *difference, error) : std::string();
    if (bytes.empty()) {
      err << "「" << EscapedForDisplay(options.fitsPath) << "」: " << error << '\n';
      return false;
    }
    files.push_back({options.fitsPath, std::move(bytes)});
  }
  if (!options.pngPath.empty()) {
    const double halfWidth =
        std::min(options.fieldOfViewLambdaOverD, limits::ExportFieldLambdaOverD().defaultValue);
    std::string bytes = psfview::PngBytes(psfview::ComparisonImage(
        a.image, b.image, psf::DifferenceScale::kLinear, psf::kDefaultDecades, halfWidth));
    if (bytes.empty()) {
      Tell(err, QCoreApplication::translate("voka-batch", "「%1」の画像を作れませんでした。")
                    .arg(Shown(options.pngPath)));
      return false;
    }
    files.push_back({options.pngPath, std::move(bytes)});
  }
  if (!options.jsonPath.empty()) files.push_back({options.jsonPath, studies::ComparisonJson(a, b)});
  return true;
}

int RunWithinMemory(const CompareCommandOptions& options, const RunContext& context) {
  int status = kBatchFailure;
  const std::optional<StarPupilSource> a =
      LoadStarPupil(options.a, options, options, context.err, status);
  if (!a) return status;
  const std::optional<StarPupilSource> b =
      LoadStarPupil(options.b, options, options, context.err, status);
  if (!b) return status;
  if (!OnOneGrid(*a, *b, context.err)) return kBatchUsageError;
  psf::PsfProgress progress;
  const std::string what = QCoreApplication::translate("voka-batch", "比較を計算中").toStdString();
  const auto analyse = [&](const StarPupilSource& source, int first) {
    if (context.showProgress) {
      progress.progress = [&context, &what, first](int position) {
        ShowProgress(context.err, true, first + position / 2, what);
      };
    }
    // Both on A's settings, so that one pixel is one angle in both.
    return psf::AnalysePupil(source.pupil, a->settings, progress);
  };
  const std::optional<psf::PsfAnalysis> imageA = analyse(*a, 0);
  const std::optional<psf::PsfAnalysis> imageB = imageA ? analyse(*b, 50) : std::nullopt;
  if (context.showProgress) context.err << '\n';
  if (!imageA || !imageB) return kBatchFailure;
  PrintChanges(*imageA, *imageB, context.out);
  std::vector<PendingFile> files;
  if (!MakeOutputs(options, *imageA, *imageB, files, context.err)) return kBatchFailure;
  return WritePendingFiles(files, context.err) ? kBatchSuccess : kBatchFailure;
}

}  // namespace

// A bitmap begins with "BM"; anything else is taken as a design (a preset,
// or a file whose reader then says what is wrong with it).
PupilSourceOptions ComparedSource(const std::string& typed, std::optional<int> sidePixels) {
  PupilSourceOptions source;
  char signature[2] = {0, 0};
  if (!typed.starts_with(pupils::kPresetPrefix)) {
    std::ifstream(PathFromArgument(typed), std::ios::binary).read(signature, 2);
  }
  if (signature[0] == 'B' && signature[1] == 'M') {
    source.pupilPath = typed;
  } else {
    source.designPath = typed;
    source.sidePixels = sidePixels;
  }
  return source;
}

bool OnOneGrid(const StarPupilSource& a, const StarPupilSource& b, std::ostream& err) {
  // One grid: the same pupil side, and the same aperture across it.
  if (a.pupil.side == b.pupil.side &&
      a.settings.apertureDiameterMm == b.settings.apertureDiameterMm)
    return true;
  Tell(err, QCoreApplication::translate(
                "voka-batch",
                "A と B は同じ格子で比べます。瞳の一辺 (%1 と %2 ピクセル) と口径 (%3 と %4 mm) "
                "をそろえてください（--aperture-mm で両方の口径を指定できます）。")
                .arg(a.pupil.side)
                .arg(b.pupil.side)
                .arg(a.settings.apertureDiameterMm)
                .arg(b.settings.apertureDiameterMm));
  return false;
}

void PrintChange(std::string_view key, double a, double b, double change, std::ostream& out) {
  char line[256];
  std::snprintf(line, sizeof line, "%s: A=%.6g B=%.6g Δ=%+.6g\n", std::string(key).c_str(), a, b,
                change);
  out << line;
}

std::optional<CompareCommandOptions> ReadCompareCommand(const ParsedArguments& parsed,
                                                        std::string& error) {
  CompareCommandOptions options;
  if (!ReadOpticsAndWavefront(parsed, options, options, error)) return std::nullopt;
  static_cast<StarImageOutputs&>(options) = ReadStarImageOutputs(parsed);
  std::optional<int> side;
  if (const auto number = parsed.Number("--size")) side = static_cast<int>(*number);
  options.a = ComparedSource(parsed.commandValues.at(0), side);
  options.b = ComparedSource(parsed.commandValues.at(1), side);
  return options;
}

int RunCommand(const CompareCommandOptions& options, const RunContext& context) {
  return RunWithinResources(
      [&] { return RunWithinMemory(options, context); }, context,
      QCoreApplication::translate(
          "voka-batch",
          "星像を計算するメモリが足りません。--size か --pad を小さくしてください。"));
}

std::vector<RunOutput> OutputsOf(const CompareCommandOptions& options, const RunContext&) {
  std::vector<RunOutput> outputs;
  AddOutputs(options, outputs);
  return outputs;
}

std::vector<RunInput> InputsOf(const CompareCommandOptions& options) {
  std::vector<RunInput> inputs = InputsOf(options.a);
  for (RunInput& input : InputsOf(options.b)) inputs.push_back(std::move(input));
  return inputs;
}

}  // namespace voka
