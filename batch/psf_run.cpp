// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/psf_run.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "batch/batch_run.h"
#include "batch/design_run.h"
#include "batch/numbers_json.h"
#include "dib/dib_draw.h"
#include "dib/dib_read.h"
#include "dib/dib_red_channel.h"
#include "dib/dib_refusal.h"
#include "output/file_replace.h"
#include "output/shown_text.h"
#include "output/write_failure_message.h"
#include "psf/curves_csv.h"
#include "psf/fits_export.h"
#include "psf/psf_analysis.h"
#include "psf/psf_numbers.h"
#include "psf/result_record.h"
#include "psfview/log_view.h"
#include "psfview/log_view_image.h"
#include "pupils/open_fraction_render.h"

namespace voka {

namespace {

// The PNG shows the same field as the FITS file, at most as wide as the
// export's default, so that the core stays visible.
constexpr double kPngHalfWidthLambdaOverD = limits::ExportFieldLambdaOverD().defaultValue;

// A file name as typed, quoted and escaped for the terminal.
std::string ShownName(const std::string& name) {
  return "「" + EscapedForDisplay(name) + "」";
}

// The command line's smallest --size: below it a pupil shows no vanes.
constexpr int kSmallestDesignSidePixels = static_cast<int>(limits::PupilSide().minimum);

// Why the arguments cannot be used, or empty.
std::string ArgumentProblem(const BatchOptions& options) {
  if (options.pupilPath.empty() == options.designPath.empty()) {
    return "--psf には瞳の .bmp ファイルか --design FILE.json のどちらか一つを指定してください。";
  }
  if (options.sidePixels && options.designPath.empty()) {
    return "--size は設計ファイル (--design) にだけ使えます。BMP は自身の大きさで計算します。";
  }
  if (options.sidePixels && (*options.sidePixels < kSmallestDesignSidePixels ||
                             *options.sidePixels > psf::kMaximumPupilSide)) {
    return "--size は " + std::to_string(kSmallestDesignSidePixels) + " から " +
           std::to_string(psf::kMaximumPupilSide) + " の整数で指定してください。";
  }
  if (options.apertureMm && !(std::isfinite(*options.apertureMm) && *options.apertureMm > 0.0)) {
    return "口径 (--aperture-mm) は正の数で指定してください。";
  }
  if (!(std::isfinite(options.fieldOfViewLambdaOverD) && options.fieldOfViewLambdaOverD > 0.0)) {
    return "視野 (--fov) は正の数 (λ/D) で指定してください。";
  }
  return {};
}

psf::PsfSettings SettingsOf(const BatchOptions& options, double apertureMm) {
  psf::PsfSettings settings;
  settings.padFactor = options.padFactor;
  settings.wavelengthNm = options.wavelengthNm;
  settings.apertureDiameterMm = apertureMm;
  settings.focalLengthMm = options.focalLengthMm;
  return settings;
}

std::optional<psf::PupilAmplitude> LoadBitmapPupil(const std::string& pathText, std::ostream& err) {
  const std::filesystem::path path = PathFromArgument(pathText);
  DibRefusal reason = DibRefusal::kNone;
  DibHandle dib = DibReadPath(path, &reason);
  if (dib && !DibCanPaint(dib)) {
    dib = DibHandle();
    reason = DibRefusal::kUnsupportedForm;
  }
  if (!dib) {
    err << EscapedForDisplay(DibRefusalMessage(reason, path)) << '\n';
    return std::nullopt;
  }
  const RedChannel channel = DibRedChannel(dib, psf::kMaximumPupilSide);
  if (channel.red.empty()) {
    err << "ファイル" << ShownName(pathText) << "は大きすぎます (一辺 " << psf::kMaximumPupilSide
        << " ピクセルまで)。"
        << "縮小して保存し直してください。\n";
    return std::nullopt;
  }
  psf::PupilAmplitude pupil = psf::PupilFromRedChannel(channel.red, channel.width, channel.height);
  if (!psf::PupilLetsLightThrough(pupil)) {
    err << "ファイル" << ShownName(pathText) << "の瞳はどこも光を通しません (赤の成分がすべて 0)。"
        << "開口を赤または白で描いた画像を指定してください。\n";
    return std::nullopt;
  }
  return pupil;
}

// The record's quantities in the lines scripts already read.
void PrintNumbers(const psf::PsfAnalysis& analysis, std::ostream& out) {
  const std::vector<psf::Quantity> record = psf::ResultRecord(analysis);
  const auto value = [&record](std::string_view key) { return psf::ValueOf(record, key); };
  const auto count = [&value](std::string_view key) { return static_cast<int>(value(key)); };
  char text[1024];
  std::snprintf(text, sizeof text,
                "瞳=%d ピクセル 拡大率=%d (格子 %d)\n"
                "λ/D=%.4f 秒角 (焦点で %.3f µm)\n"
                "画素=%.5f 秒角 (焦点で %.4f µm)\n"
                "エアリー半径 1.22 λ/D=%.4f 秒角 (焦点で %.3f µm)\n"
                "ピーク比=%.5f\n"
                "集中度 1.22 λ/D=%.5f 2.23 λ/D=%.5f 5 λ/D=%.5f\n"
                "スパイク光量=%.5f\n",
                count("n"), count("pad"), count("padded_side"), value("lambda_over_d_arcsec"),
                value("lambda_over_d_um"), value("pixel_scale_arcsec"), value("pixel_scale_um"),
                value("airy_radius_arcsec"), value("airy_radius_um"), value("peak_ratio"),
                value("ee_1_22"), value("ee_2_23"), value("ee_5"), value("spike_fraction"));
  out << text;
  if (analysis.strehlRatio && analysis.wavefrontRmsNm) {
    std::snprintf(text, sizeof text, "ストレール比=%.5f\n波面誤差 RMS=%.3f nm\n",
                  *analysis.strehlRatio, *analysis.wavefrontRmsNm);
    out << text;
  }
}

struct PendingFile {
  std::string path;
  std::string bytes;
};

// Every file's bytes are made before any is written, so a failure while
// making one leaves all the targets as they were.
bool MakeOutputs(const BatchOptions& options, const psf::PsfAnalysis& analysis,
                 std::vector<PendingFile>& files, std::ostream& err) {
  if (!options.fitsPath.empty()) {
    std::string error;
    std::string bytes =
        psf::StarImageFitsBytes(analysis.image, options.fieldOfViewLambdaOverD, error);
    if (bytes.empty()) {
      err << ShownName(options.fitsPath) << ": " << error << '\n';
      return false;
    }
    files.push_back({options.fitsPath, std::move(bytes)});
  }
  if (!options.csvPath.empty()) {
    files.push_back(
        {options.csvPath, psf::CurvesCsv(analysis.numbers, analysis.mtf, analysis.image.scale)});
  }
  if (!options.jsonPath.empty()) files.push_back({options.jsonPath, NumbersJson(analysis)});
  if (!options.pngPath.empty()) {
    const double halfWidth = std::min(options.fieldOfViewLambdaOverD, kPngHalfWidthLambdaOverD);
    std::string bytes =
        psfview::PngBytes(psfview::LogViewImage(analysis.image, psf::kDefaultDecades, halfWidth));
    if (bytes.empty()) {
      err << ShownName(options.pngPath) << " の画像を作れませんでした。\n";
      return false;
    }
    files.push_back({options.pngPath, std::move(bytes)});
  }
  return true;
}

bool WriteOutputs(const std::vector<PendingFile>& files, std::ostream& err) {
  bool allWritten = true;
  for (const PendingFile& file : files) {
    const std::filesystem::path target = PathFromArgument(file.path);
    const std::error_code error = ReplaceFileContents(target, file.bytes);
    if (error) {
      err << WriteFailureMessage(target, error) << '\n';
      allWritten = false;
    }
  }
  return allWritten;
}

std::optional<StarPupil> LoadPupil(const BatchOptions& options, std::ostream& err) {
  if (!options.pupilPath.empty()) {
    std::optional<psf::PupilAmplitude> pupil = LoadBitmapPupil(options.pupilPath, err);
    if (!pupil) return std::nullopt;
    return StarPupil{std::move(*pupil),
                     options.apertureMm.value_or(psf::kDefaultApertureDiameterMm)};
  }
  std::optional<StarPupil> design = LoadDesignStarPupil(
      options.designPath, options.sidePixels.value_or(kDefaultDesignSidePixels), err);
  if (!design) return std::nullopt;
  if (design->pupil.side == 0) {
    err << "設計ファイル" << ShownName(options.designPath) << "を一辺 "
        << options.sidePixels.value_or(kDefaultDesignSidePixels)
        << " ピクセルで描けませんでした (一辺 " << pupils::kMaxRenderSidePixels
        << " ピクセルまで)。--size を小さくしてください。\n";
    return std::nullopt;
  }
  if (!psf::PupilLetsLightThrough(design->pupil)) {
    err << "設計ファイル" << ShownName(options.designPath) << "の瞳はどこも光を通しません。"
        << "開口を設計し直してください。\n";
    return std::nullopt;
  }
  if (options.apertureMm) design->apertureDiameterMm = *options.apertureMm;
  return design;
}

// Whether the padded grid is within the table's limit; says why not on `err`.
bool PaddedGridFits(int pupilSide, int padFactor, std::ostream& err) {
  if (static_cast<long long>(pupilSide) * padFactor <= psf::kMaximumPaddedSide) return true;
  err << "瞳 " << pupilSide << " ピクセルを " << padFactor << " 倍に広げた格子は大きすぎます (一辺 "
      << psf::kMaximumPaddedSide << " まで)。--pad を小さくするか、小さな瞳を使ってください。\n";
  return false;
}

int RunPsfWithinMemory(const BatchOptions& options, std::ostream& out, std::ostream& err,
                       bool showProgress) {
  std::string problem = ArgumentProblem(options);
  if (problem.empty()) {
    const psf::PsfSettings settings =
        SettingsOf(options, options.apertureMm.value_or(limits::ApertureMm().defaultValue));
    if (const auto refusal = psf::CheckPsfSettings(settings))
      problem = limits::RefusalMessage(*refusal);
  }
  if (!problem.empty()) {
    err << problem << '\n';
    return kBatchUsageError;
  }
  // A design's side is known before it is drawn: a grid too large is
  // refused before the drawing's memory and time are spent.
  if (!options.designPath.empty() &&
      !PaddedGridFits(options.sidePixels.value_or(kDefaultDesignSidePixels), options.padFactor,
                      err)) {
    return kBatchUsageError;
  }
  const std::optional<StarPupil> design = LoadPupil(options, err);
  if (!design) return kBatchFailure;
  const psf::PsfSettings settings = SettingsOf(options, design->apertureDiameterMm);
  // A design's own aperture was not checked with the arguments.
  if (const auto refusal = psf::CheckPsfSettings(settings)) {
    err << "設計ファイル" << ShownName(options.designPath) << ": "
        << limits::RefusalMessage(*refusal) << "--aperture-mm で口径を指定してください。\n";
    return kBatchFailure;
  }
  if (!PaddedGridFits(design->pupil.side, settings.padFactor, err)) return kBatchUsageError;

  psf::PsfProgress progress;
  if (showProgress) {
    progress.progress = [&err](int position) {
      err << "\r星像を計算中 " << position << "%" << std::flush;
    };
  }
  const std::optional<psf::PsfAnalysis> analysis =
      psf::AnalysePupil(design->pupil, settings, progress);
  if (showProgress) err << '\n';
  if (!analysis) return kBatchFailure;
  PrintNumbers(*analysis, out);

  std::vector<PendingFile> files;
  if (!MakeOutputs(options, *analysis, files, err)) return kBatchFailure;
  return WriteOutputs(files, err) ? kBatchSuccess : kBatchFailure;
}

}  // namespace

// The largest grids take gigabytes: running short of memory, or of threads,
// is reported for the user to choose a smaller grid, and nothing is written.
int RunPsf(const BatchOptions& options, std::ostream& out, std::ostream& err, bool showProgress) {
  try {
    return RunPsfWithinMemory(options, out, err, showProgress);
  } catch (const std::bad_alloc&) {
    if (showProgress) err << '\n';
    err << "星像を計算するメモリが足りません。--size か --pad を小さくしてください。\n";
  } catch (const std::system_error&) {
    if (showProgress) err << '\n';
    err << "星像を計算するスレッドを起動できませんでした。ほかのプログラムを閉じてから、"
           "もう一度実行してください。\n";
  }
  return kBatchFailure;
}

}  // namespace voka
