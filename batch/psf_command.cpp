// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/psf_command.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

#include "app/common/limit_texts.h"
#include "batch/pending_files.h"
#include "batch/star_pupil_source.h"
#include "limits/refusal.h"
#include "output/shown_text.h"
#include "psf/curves_csv.h"
#include "psf/fits_export.h"
#include "psf/psf_analysis.h"
#include "psf/psf_numbers.h"
#include "psf/psf_settings.h"
#include "psf/result_record.h"
#include "psfview/log_view.h"
#include "psfview/log_view_image.h"
#include "studies/numbers_json.h"
#include "wavefront/defocus_sampling.h"

namespace voka {

namespace {

// The PNG shows the same field as the FITS file, at most as wide as the
// export's default, so that the core stays visible.
constexpr double kPngHalfWidthLambdaOverD = limits::ExportFieldLambdaOverD().defaultValue;

QString Shown(const std::string& name) {
  return QString::fromStdString(EscapedForDisplay(name));
}

// The record's quantities in the lines scripts already read.
void PrintNumbers(const psf::PsfAnalysis& analysis, std::ostream& out) {
  const std::vector<psf::Quantity> record = psf::ResultRecord(analysis);
  const auto value = [&record](std::string_view key) { return psf::ValueOf(record, key); };
  const auto count = [&value](std::string_view key) { return static_cast<int>(value(key)); };
  char text[1024];
  // The format is the translated text: Japanese prints the lines scripts
  // already read, byte for byte.
  const std::string format =
      QCoreApplication::translate("voka-batch",
                                  "瞳=%d ピクセル 拡大率=%d (格子 %d)\n"
                                  "λ/D=%.4f 秒角 (焦点で %.3f µm)\n"
                                  "画素=%.5f 秒角 (焦点で %.4f µm)\n"
                                  "エアリー半径 1.22 λ/D=%.4f 秒角 (焦点で %.3f µm)\n"
                                  "ピーク比=%.5f\n"
                                  "集中度 1.22 λ/D=%.5f 2.23 λ/D=%.5f 5 λ/D=%.5f\n"
                                  "スパイク光量=%.5f\n")
          .toStdString();
  std::snprintf(text, sizeof text, format.c_str(), count("n"), count("pad"), count("padded_side"),
                value("lambda_over_d_arcsec"), value("lambda_over_d_um"),
                value("pixel_scale_arcsec"), value("pixel_scale_um"), value("airy_radius_arcsec"),
                value("airy_radius_um"), value("peak_ratio"), value("ee_1_22"), value("ee_2_23"),
                value("ee_5"), value("spike_fraction"));
  out << text;
  if (analysis.strehlRatio && analysis.wavefrontRmsNm) {
    const std::string strehl =
        QCoreApplication::translate("voka-batch", "ストレール比=%.5f\n波面誤差 RMS=%.3f nm\n")
            .toStdString();
    std::snprintf(text, sizeof text, strehl.c_str(), *analysis.strehlRatio,
                  *analysis.wavefrontRmsNm);
    out << text;
  }
}

bool MakeOutputs(const PsfCommandOptions& options, const psf::PsfAnalysis& analysis,
                 std::vector<PendingFile>& files, std::ostream& err) {
  if (!options.fitsPath.empty()) {
    std::string error;
    std::string bytes =
        psf::StarImageFitsBytes(analysis.image, options.fieldOfViewLambdaOverD, error);
    if (bytes.empty()) {
      err << "「" << EscapedForDisplay(options.fitsPath) << "」: " << error << '\n';
      return false;
    }
    files.push_back({options.fitsPath, std::move(bytes)});
  }
  if (!options.csvPath.empty()) {
    files.push_back(
        {options.csvPath, psf::CurvesCsv(analysis.numbers, analysis.mtf, analysis.image.scale)});
  }
  if (!options.jsonPath.empty())
    files.push_back({options.jsonPath, studies::NumbersJson(analysis)});
  if (!options.pngPath.empty()) {
    const double halfWidth = std::min(options.fieldOfViewLambdaOverD, kPngHalfWidthLambdaOverD);
    std::string bytes =
        psfview::PngBytes(psfview::LogViewImage(analysis.image, psf::kDefaultDecades, halfWidth));
    if (bytes.empty()) {
      err << QCoreApplication::translate("voka-batch", "「%1」の画像を作れませんでした。")
                 .arg(Shown(options.pngPath))
                 .toStdString()
          << '\n';
      return false;
    }
    files.push_back({options.pngPath, std::move(bytes)});
  }
  return true;
}

// A defocus that the grid cannot hold is computed all the same (the user
// may want just that), but said in plain words first.
void WarnOfDefocusSampling(const StarPupilSource& source, std::ostream& err) {
  if (source.defocusRmsNm == 0.0) return;
  // The padded grid spans the pupil's side in λ/D, whatever the padding.
  const wavefront::DefocusSampling sampling = wavefront::CheckDefocusSampling(
      source.defocusRmsNm, source.settings.wavelengthNm, source.pupil.side, source.pupil.side);
  if (sampling.Fits()) return;
  err << QCoreApplication::translate(
             "voka-batch",
             "注意: 焦点はずし（PV %1 波長）の星像には %2 λ/D の視野と直径に %3 "
             "点の瞳が要りますが、"
             "この格子は %4 λ/D、%4 点です。像の外側が折り返して重なります。--size "
             "を大きくしてください。")
             .arg(sampling.peakToValleyWaves, 0, 'f', 2)
             .arg(sampling.neededFieldLambdaOverD, 0, 'f', 0)
             .arg(sampling.neededPupilSamples, 0, 'f', 0)
             .arg(source.pupil.side)
             .toStdString()
      << '\n';
}

// Options made by code rather than read from a command line are checked
// all the same: why they cannot be used, or nothing.
std::optional<QString> ArgumentProblem(const PsfCommandOptions& options) {
  if (options.sidePixels && options.designPath.empty()) {
    return QCoreApplication::translate(
        "voka-batch",
        "--size は設計ファイル (--design) にだけ使えます。BMP は自身の大きさで計算します。");
  }
  psf::PsfSettings settings;
  settings.padFactor = options.padFactor;
  settings.wavelengthNm = options.wavelengthNm;
  settings.apertureDiameterMm = options.apertureMm.value_or(limits::ApertureMm().defaultValue);
  settings.focalLengthMm = options.focalLengthMm.value_or(limits::FocalLengthMm().defaultValue);
  std::optional<limits::Refusal> refusal = psf::CheckPsfSettings(settings);
  if (!refusal)
    refusal =
        limits::Check(limits::LimitId::kExportFieldLambdaOverD, options.fieldOfViewLambdaOverD);
  if (refusal) return LimitRefusalText(*refusal);
  return std::nullopt;
}

int RunWithinMemory(const PsfCommandOptions& options, const RunContext& context) {
  if (const std::optional<QString> problem = ArgumentProblem(options)) {
    context.err << problem->toStdString() << '\n';
    return kBatchUsageError;
  }
  int status = kBatchFailure;
  const std::optional<StarPupilSource> source =
      LoadStarPupil(options, options, options, context.err, status);
  if (!source) return status;
  WarnOfDefocusSampling(*source, context.err);
  psf::PsfProgress progress;
  const std::string what = QCoreApplication::translate("voka-batch", "星像を計算中").toStdString();
  if (context.showProgress) {
    progress.progress = [&context, &what](int position) {
      ShowProgress(context.err, true, position, what);
    };
  }
  const std::optional<psf::PsfAnalysis> analysis =
      psf::AnalysePupil(source->pupil, source->settings, progress);
  if (context.showProgress) context.err << '\n';
  if (!analysis) return kBatchFailure;
  PrintNumbers(*analysis, context.out);

  std::vector<PendingFile> files;
  if (!MakeOutputs(options, *analysis, files, context.err)) return kBatchFailure;
  return WritePendingFiles(files, context.err) ? kBatchSuccess : kBatchFailure;
}

}  // namespace

std::optional<PsfCommandOptions> ReadPsfCommand(const ParsedArguments& parsed, std::string& error) {
  PsfCommandOptions options;
  if (!ReadStarPupilGroups(parsed, "--psf", options, options, options, error)) return std::nullopt;
  static_cast<StarImageOutputs&>(options) = ReadStarImageOutputs(parsed);
  return options;
}

// The largest grids take gigabytes: running short of memory, or of threads,
// is reported for the user to choose a smaller grid, and nothing is written.
int RunCommand(const PsfCommandOptions& options, const RunContext& context) {
  return RunWithinResources(
      [&] { return RunWithinMemory(options, context); }, context,
      QCoreApplication::translate(
          "voka-batch",
          "星像を計算するメモリが足りません。--size か --pad を小さくしてください。"));
}

std::vector<RunOutput> OutputsOf(const PsfCommandOptions& options, const RunContext&) {
  std::vector<RunOutput> outputs;
  AddOutputs(options, outputs);
  return outputs;
}

}  // namespace voka
