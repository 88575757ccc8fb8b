// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/camera_command.h"

#include <QCoreApplication>
#include <cstdio>

#include "app/common/library_texts.h"
#include "batch/pending_files.h"
#include "batch/star_pupil_source.h"
#include "camera/camera_fits.h"
#include "camera/camera_numbers.h"
#include "camera/camera_renderer.h"
#include "output/shown_text.h"
#include "psfview/camera_picture.h"
#include "psfview/log_view_image.h"

namespace voka {

namespace {

QString Shown(const std::string& text) {
  return QString::fromStdString(EscapedForDisplay(text));
}

void PrintNumbers(const camera::CameraNumbers& numbers, std::ostream& out) {
  std::string fractions;
  for (const double fraction : numbers.brightestPixelFraction) {
    char value[32];
    std::snprintf(value, sizeof value, "%s%.5f", fractions.empty() ? "" : " ", fraction);
    fractions += value;
  }
  char text[1024];
  const std::string format =
      QCoreApplication::translate("voka-batch",
                                  "最も明るい画素の光の割合=%s\n"
                                  "集中度 1 画素=%.5f 2 画素=%.5f 3 画素=%.5f\n"
                                  "スパイク光量=%.5f\n"
                                  "標本化 Q=%.3f (550 nm) 細分=%d\n")
          .toStdString();
  std::snprintf(text, sizeof text, format.c_str(), fractions.c_str(), numbers.encircledEnergy1Pixel,
                numbers.encircledEnergy2Pixels, numbers.encircledEnergy3Pixels,
                numbers.spikeFraction, numbers.samplingQ, numbers.subsamples);
  out << text;
  if (numbers.UnderSampled()) {
    out << QCoreApplication::translate("voka-batch", "標本化が粗く、星の芯は一つの画素に入ります。")
               .toStdString()
        << '\n';
  }
}

bool MakeOutputs(const CameraCommandOptions& options, const camera::CameraImage& image,
                 const camera::CameraSettings& settings, const camera::CameraNumbers& numbers,
                 std::vector<PendingFile>& files, std::ostream& err) {
  if (!options.pngPath.empty()) {
    std::string bytes =
        psfview::PngBytes(psfview::CameraPictureImage(image, options.exposure, options.display));
    if (bytes.empty()) {
      err << QCoreApplication::translate("voka-batch", "「%1」の画像を作れませんでした。")
                 .arg(Shown(options.pngPath))
                 .toStdString()
          << '\n';
      return false;
    }
    files.push_back({options.pngPath, std::move(bytes)});
  }
  if (!options.fitsPath.empty()) {
    std::string error;
    std::string bytes = camera::CameraFitsBytes(image, settings, options.exposure, error);
    if (bytes.empty()) {
      err << "「" << EscapedForDisplay(options.fitsPath) << "」: " << error << '\n';
      return false;
    }
    files.push_back({options.fitsPath, std::move(bytes)});
  }
  if (!options.jsonPath.empty())
    files.push_back({options.jsonPath, camera::CameraNumbersJson(numbers)});
  return true;
}

int RunWithinMemory(const CameraCommandOptions& options, const RunContext& context) {
  PupilSourceOptions source = options;
  if (!source.designPath.empty() && !source.sidePixels) source.sidePixels = kCameraDesignSidePixels;
  int status = kBatchFailure;
  const std::optional<StarPupilSource> pupil =
      LoadStarPupil(source, options, options, context.err, status);
  if (!pupil) return status;
  camera::CameraSettings settings = options.camera;
  settings.apertureDiameterMm = pupil->settings.apertureDiameterMm;
  settings.focalLengthMm = pupil->settings.focalLengthMm;
  if (!ReadCameraTables(options, settings, context.err)) return kBatchFailure;

  psf::PsfProgress progress;
  const std::string what =
      QCoreApplication::translate("voka-batch", "カメラ像を計算中").toStdString();
  if (context.showProgress) {
    progress.progress = [&context, &what](int position) {
      ShowProgress(context.err, true, position, what);
    };
  }
  camera::CameraRenderer renderer;
  const camera::CameraOutcome outcome = renderer.Render(pupil->pupil, settings, progress);
  if (context.showProgress) context.err << '\n';
  if (!outcome.image) {
    context.err << CameraRefusalText(outcome.refusal).toStdString() << '\n';
    return kBatchFailure;
  }
  const camera::CameraNumbers numbers =
      camera::ComputeCameraNumbers(*outcome.image, settings, pupil->pupil);
  PrintNumbers(numbers, context.out);
  std::vector<PendingFile> files;
  if (!MakeOutputs(options, *outcome.image, settings, numbers, files, context.err))
    return kBatchFailure;
  return WritePendingFiles(files, context.err) ? kBatchSuccess : kBatchFailure;
}

}  // namespace

std::optional<CameraCommandOptions> ReadCameraCommand(const ParsedArguments& parsed,
                                                      std::string& error) {
  CameraCommandOptions options;
  if (!ReadStarPupilGroups(parsed, "--camera", options, options, options, error))
    return std::nullopt;
  if (!ReadCameraOptions(parsed, options, error)) return std::nullopt;
  static_cast<StarImageOutputs&>(options) = ReadStarImageOutputs(parsed);
  return options;
}

int RunCommand(const CameraCommandOptions& options, const RunContext& context) {
  return RunWithinResources(
      [&] { return RunWithinMemory(options, context); }, context,
      QCoreApplication::translate(
          "voka-batch",
          "カメラ像を計算するメモリが足りません。--field-px か --size を小さくしてください。"));
}

std::vector<RunOutput> OutputsOf(const CameraCommandOptions& options, const RunContext&) {
  std::vector<RunOutput> outputs;
  AddOutputs(options, outputs);
  return outputs;
}

std::vector<RunInput> InputsOf(const CameraCommandOptions& options) {
  std::vector<RunInput> inputs = InputsOf(static_cast<const PupilSourceOptions&>(options));
  AddTableInputs(options, inputs);
  return inputs;
}

}  // namespace voka
