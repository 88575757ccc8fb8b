// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/star_test_command.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/common/limit_texts.h"
#include "batch/pending_files.h"
#include "batch/star_pupil_source.h"
#include "limits/refusal.h"
#include "output/shown_text.h"
#include "psf/fits_export.h"
#include "psf/psf_numbers.h"
#include "psf/star_test.h"
#include "psfview/log_view.h"
#include "psfview/log_view_image.h"
#include "psfview/star_test_pictures.h"

namespace voka {

namespace {

bool MakeOutputs(const StarTestCommandOptions& options, const psf::StarTestImages& test,
                 std::vector<PendingFile>& files, std::ostream& err) {
  if (!options.fitsPath.empty()) {
    std::string error;
    std::string bytes = psf::StarTestFitsBytes(test, options.fieldOfViewLambdaOverD, error);
    if (bytes.empty()) {
      err << "「" << EscapedForDisplay(options.fitsPath) << "」: " << error << '\n';
      return false;
    }
    files.push_back({options.fitsPath, std::move(bytes)});
  }
  if (!options.pngPath.empty()) {
    std::string bytes = psfview::PngBytes(psfview::StarTestViewImage(
        test, psf::kDefaultDecades, psfview::StarTestHalfWidthLambdaOverD(test.defocusWaves)));
    if (bytes.empty()) {
      err << QCoreApplication::translate("voka-batch", "「%1」の画像を作れませんでした。")
                 .arg(QString::fromStdString(EscapedForDisplay(options.pngPath)))
                 .toStdString()
          << '\n';
      return false;
    }
    files.push_back({options.pngPath, std::move(bytes)});
  }
  return true;
}

// Each plane's light at the star's centre: a clear aperture defocused by a
// whole number of waves is dark there.
void PrintPeaks(const psf::StarTestImages& test, std::ostream& out) {
  const double waves[] = {-test.defocusWaves, 0.0, test.defocusWaves};
  const std::string format =
      QCoreApplication::translate("voka-batch", "%+.2f 波長 (PV): 中心=%.6g\n").toStdString();
  for (std::size_t plane = 0; plane < test.images.size(); ++plane) {
    const psf::StarImage& image = test.images[plane];
    char line[128];
    std::snprintf(line, sizeof line, format.c_str(), waves[plane],
                  image.At(image.centreIndex, image.centreIndex) / image.totalIntensity);
    out << line;
  }
}

int RunWithinMemory(const StarTestCommandOptions& options, const RunContext& context) {
  int status = kBatchFailure;
  const std::optional<StarPupilSource> source =
      LoadStarPupil(options, options, options, context.err, status);
  if (!source) return status;
  psf::PsfProgress progress;
  const std::string what =
      QCoreApplication::translate("voka-batch", "スターテストを計算中").toStdString();
  if (context.showProgress) {
    progress.progress = [&context, &what](int position) {
      ShowProgress(context.err, true, position, what);
    };
  }
  const std::optional<psf::StarTestImages> test =
      psf::ComputeStarTest(source->pupil, source->settings, options.defocusWaves, progress);
  if (context.showProgress) context.err << '\n';
  if (!test) return kBatchFailure;
  PrintPeaks(*test, context.out);
  std::vector<PendingFile> files;
  if (!MakeOutputs(options, *test, files, context.err)) return kBatchFailure;
  return WritePendingFiles(files, context.err) ? kBatchSuccess : kBatchFailure;
}

}  // namespace

std::optional<StarTestCommandOptions> ReadStarTestCommand(const ParsedArguments& parsed,
                                                          std::string& error) {
  StarTestCommandOptions options;
  if (!ReadStarPupilGroups(parsed, "--star-test", options, options, options, error))
    return std::nullopt;
  options.fitsPath = parsed.Text("--fits");
  options.pngPath = parsed.Text("--png");
  const std::string& typed = parsed.commandValues.at(0);
  double waves = 0;
  const auto read = std::from_chars(typed.data(), typed.data() + typed.size(), waves);
  const bool whole = read.ec == std::errc() && read.ptr == typed.data() + typed.size();
  if (!whole || limits::Check(limits::LimitId::kStarTestWaves, waves)) {
    error =
        QCoreApplication::translate("voka-batch",
                                    "--star-test には %1 の数（焦点はずしの波長数 PV）を指定して"
                                    "ください（「%2」は使えません）。")
            .arg(LimitRangeText(limits::StarTestWaves()),
                 QString::fromStdString(EscapedForDisplay(typed)))
            .toStdString();
    return std::nullopt;
  }
  options.defocusWaves = waves;
  return options;
}

int RunCommand(const StarTestCommandOptions& options, const RunContext& context) {
  return RunWithinResources(
      [&] { return RunWithinMemory(options, context); }, context,
      QCoreApplication::translate(
          "voka-batch",
          "星像を計算するメモリが足りません。--size か --pad を小さくしてください。"));
}

std::vector<RunOutput> OutputsOf(const StarTestCommandOptions& options, const RunContext&) {
  std::vector<RunOutput> outputs;
  if (!options.fitsPath.empty())
    outputs.push_back({"--fits", PathFromArgument(options.fitsPath), OutputKind::kFits});
  if (!options.pngPath.empty())
    outputs.push_back({"--png", PathFromArgument(options.pngPath), OutputKind::kPng});
  return outputs;
}

}  // namespace voka
