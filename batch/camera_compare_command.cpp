// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/camera_compare_command.h"

#include <QCoreApplication>

#include "app/common/library_texts.h"
#include "batch/camera_command.h"
#include "batch/compare_command.h"
#include "batch/pending_files.h"
#include "batch/star_pupil_source.h"
#include "camera/camera_change.h"
#include "camera/camera_fits.h"
#include "camera/camera_numbers.h"
#include "camera/camera_renderer.h"
#include "output/shown_text.h"
#include "psfview/camera_comparison_picture.h"
#include "psfview/log_view_image.h"
#include "studies/comparison_json.h"

namespace voka {

namespace {

struct CameraShot {
  camera::CameraImage image;
  camera::CameraNumbers numbers;
};

void PrintChanges(const camera::CameraNumbers& a, const camera::CameraNumbers& b,
                  std::ostream& out) {
  const std::vector<camera::NamedCameraNumber> namedA = camera::NamedCameraNumbers(a);
  const std::vector<camera::NamedCameraNumber> namedB = camera::NamedCameraNumbers(b);
  const std::vector<camera::NamedCameraNumber> change =
      camera::NamedCameraNumbers(camera::CameraNumbersChange(a, b));
  for (std::size_t i = 0; i < change.size() && i < namedA.size() && i < namedB.size(); ++i)
    PrintChange(change[i].key, namedA[i].value, namedB[i].value, change[i].value, out);
}

bool MakeOutputs(const CameraCompareCommandOptions& options, const CameraShot& a,
                 const CameraShot& b, const camera::CameraSettings& settings,
                 std::vector<PendingFile>& files, std::ostream& err) {
  if (!options.fitsPath.empty()) {
    const std::optional<camera::ChannelPlanes> change = camera::CameraImageChange(a.image, b.image);
    std::string error;
    std::string bytes =
        change ? camera::CameraChangeFitsBytes(a.image, *change, settings, options.exposure, error)
               : std::string();
    if (bytes.empty()) {
      err << "「" << EscapedForDisplay(options.fitsPath) << "」: " << error << '\n';
      return false;
    }
    files.push_back({options.fitsPath, std::move(bytes)});
  }
  if (!options.pngPath.empty()) {
    std::string bytes = psfview::PngBytes(psfview::CameraComparisonImage(
        a.image, b.image, settings, options.exposure, options.display));
    if (bytes.empty()) {
      err << QCoreApplication::translate("voka-batch", "「%1」の画像を作れませんでした。")
                 .arg(QString::fromStdString(EscapedForDisplay(options.pngPath)))
                 .toStdString()
          << '\n';
      return false;
    }
    files.push_back({options.pngPath, std::move(bytes)});
  }
  if (!options.jsonPath.empty())
    files.push_back({options.jsonPath, studies::CameraComparisonJson(a.numbers, b.numbers)});
  return true;
}

int RunWithinMemory(const CameraCompareCommandOptions& options, const RunContext& context) {
  int status = kBatchFailure;
  const std::optional<StarPupilSource> a =
      LoadStarPupil(options.a, options, options, context.err, status);
  if (!a) return status;
  const std::optional<StarPupilSource> b =
      LoadStarPupil(options.b, options, options, context.err, status);
  if (!b) return status;
  if (!OnOneGrid(*a, *b, context.err)) return kBatchUsageError;
  // Both through A's telescope, so that one pixel is one angle in both.
  camera::CameraSettings settings = options.camera;
  settings.apertureDiameterMm = a->settings.apertureDiameterMm;
  settings.focalLengthMm = a->settings.focalLengthMm;
  if (!ReadCameraTables(options, settings, context.err)) return kBatchFailure;

  psf::PsfProgress progress;
  const std::string what =
      QCoreApplication::translate("voka-batch", "カメラ像の比較を計算中").toStdString();
  // One renderer: B reuses the kernels A's image made, the settings being one.
  camera::CameraRenderer renderer;
  const auto shoot = [&](const StarPupilSource& source, int first) -> std::optional<CameraShot> {
    if (context.showProgress) {
      progress.progress = [&context, &what, first](int position) {
        ShowProgress(context.err, true, first + position / 2, what);
      };
    }
    camera::CameraOutcome outcome = renderer.Render(source.pupil, settings, progress);
    if (!outcome.image) {
      if (context.showProgress) context.err << '\n';
      context.err << CameraRefusalText(outcome.refusal).toStdString() << '\n';
      return std::nullopt;
    }
    camera::CameraNumbers numbers =
        camera::ComputeCameraNumbers(*outcome.image, settings, source.pupil);
    return CameraShot{std::move(*outcome.image), std::move(numbers)};
  };
  const std::optional<CameraShot> shotA = shoot(*a, 0);
  if (!shotA) return kBatchFailure;
  const std::optional<CameraShot> shotB = shoot(*b, 50);
  if (!shotB) return kBatchFailure;
  if (context.showProgress) context.err << '\n';
  PrintChanges(shotA->numbers, shotB->numbers, context.out);
  std::vector<PendingFile> files;
  if (!MakeOutputs(options, *shotA, *shotB, settings, files, context.err)) return kBatchFailure;
  return WritePendingFiles(files, context.err) ? kBatchSuccess : kBatchFailure;
}

}  // namespace

std::optional<CameraCompareCommandOptions> ReadCameraCompareCommand(const ParsedArguments& parsed,
                                                                    std::string& error) {
  CameraCompareCommandOptions options;
  if (!ReadOpticsAndWavefront(parsed, options, options, error)) return std::nullopt;
  static_cast<StarImageOutputs&>(options) = ReadStarImageOutputs(parsed);
  if (!ReadCameraOptions(parsed, options, error)) return std::nullopt;
  // Designs drawn as --camera draws them, so that A's numbers are its own.
  const int side = parsed.Number("--size") ? static_cast<int>(*parsed.Number("--size"))
                                           : kCameraDesignSidePixels;
  options.a = ComparedSource(parsed.commandValues.at(0), side);
  options.b = ComparedSource(parsed.commandValues.at(1), side);
  return options;
}

int RunCommand(const CameraCompareCommandOptions& options, const RunContext& context) {
  return RunWithinResources(
      [&] { return RunWithinMemory(options, context); }, context,
      QCoreApplication::translate(
          "voka-batch",
          "カメラ像を計算するメモリが足りません。--field-px か --size を小さくしてください。"));
}

std::vector<RunOutput> OutputsOf(const CameraCompareCommandOptions& options, const RunContext&) {
  std::vector<RunOutput> outputs;
  AddOutputs(options, outputs);
  return outputs;
}

std::vector<RunInput> InputsOf(const CameraCompareCommandOptions& options) {
  std::vector<RunInput> inputs = InputsOf(options.a);
  for (RunInput& input : InputsOf(options.b)) inputs.push_back(std::move(input));
  AddTableInputs(options, inputs);
  return inputs;
}

}  // namespace voka
