// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/camera_options.h"

#include <QCoreApplication>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/common/library_texts.h"
#include "app/common/limit_texts.h"
#include "camera/camera_setting_texts.h"
#include "camera/light_tables_csv.h"
#include "output/shown_text.h"

namespace voka {

namespace {

// A spectrum or response table of the largest row count is far below this.
constexpr std::uintmax_t kLargestCsvBytes = 16 * 1024 * 1024;

QString Shown(const std::string& text) {
  return QString::fromStdString(EscapedForDisplay(text));
}

std::string UsageError(const char* format, const std::string& value) {
  return QCoreApplication::translate("voka-batch", format).arg(Shown(value)).toStdString();
}

// A number outside its row, or a text not of its form, as the message says.
std::string SettingTextError(const char* option, camera::SettingTextRefusal refusal,
                             const std::optional<limits::Refusal>& limit,
                             const std::string& typed) {
  if (refusal == camera::SettingTextRefusal::kOutOfRange && limit)
    return QString("%1: %2").arg(QLatin1String(option), LimitRefusalText(*limit)).toStdString();
  if (refusal == camera::SettingTextRefusal::kEmptyBand)
    return UsageError("--spectrum flat:L1-L2 の L1 は L2 より短くしてください（「%1」）。", typed);
  return std::string(option) == "--spectrum"
             ? UsageError(
                   "--spectrum には blackbody:T、flat:L1-L2 または CSV ファイルを指定して"
                   "ください（「%1」は使えません）。",
                   typed)
             : UsageError("--offset-px には DX,DY を指定してください（「%1」は使えません）。",
                          typed);
}

bool ReadChoices(const ParsedArguments& parsed, CameraOptions& options, std::string& error) {
  const std::string colour = parsed.Text("--colour");
  if (colour == "camera") {
    options.camera.colour = camera::ColourMode::kCamera;
  } else if (colour == "mono") {
    options.camera.colour = camera::ColourMode::kMono;
  } else if (!colour.empty() && colour != "visual") {
    error = UsageError(
        "--colour には visual、camera、mono のどれかを指定してください（「%1」は使えません）。",
        colour);
    return false;
  }
  const std::string stretch = parsed.Text("--stretch");
  if (stretch == "linear") {
    options.display.stretch = camera::Stretch::kLinear;
  } else if (stretch == "log") {
    options.display.stretch = camera::Stretch::kLog;
  } else if (!stretch.empty() && stretch != "asinh") {
    error = UsageError(
        "--stretch には linear、log、asinh のどれかを指定してください（「%1」は使えません）。",
        stretch);
    return false;
  }
  options.responseCsvPath = parsed.Text("--response");
  if (!options.responseCsvPath.empty() && options.camera.colour != camera::ColourMode::kCamera) {
    error = QCoreApplication::translate("voka-batch",
                                        "--response は --colour camera と一緒に指定してください。")
                .toStdString();
    return false;
  }
  return true;
}

bool ReadTexts(const ParsedArguments& parsed, CameraOptions& options, std::string& error) {
  if (parsed.Has("--spectrum")) {
    const std::string typed = parsed.Text("--spectrum");
    const camera::SpectrumText spectrum = camera::ParseSpectrumText(typed);
    if (spectrum.refusal != camera::SettingTextRefusal::kNone) {
      error = SettingTextError("--spectrum", spectrum.refusal, spectrum.limit, typed);
      return false;
    }
    if (spectrum.spectrum) options.camera.spectrum = *spectrum.spectrum;
    options.spectrumCsvPath = spectrum.csvPath;
  }
  if (parsed.Has("--offset-px")) {
    const std::string typed = parsed.Text("--offset-px");
    const camera::OffsetText offset = camera::ParseOffsetText(typed);
    if (offset.refusal != camera::SettingTextRefusal::kNone) {
      error = SettingTextError("--offset-px", offset.refusal, offset.limit, typed);
      return false;
    }
    options.camera.offsetXPixels = offset.offsetXPixels;
    options.camera.offsetYPixels = offset.offsetYPixels;
  }
  return true;
}

// The file's text; nothing after telling why it cannot be read.
std::optional<std::string> ReadTable(const std::string& typed, std::ostream& err) {
  const std::filesystem::path path = PathFromArgument(typed);
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  std::ifstream file(path, std::ios::binary);
  if (error || !file || size > kLargestCsvBytes) {
    err << QCoreApplication::translate("voka-batch",
                                       "表「%1」を読めません（%2 MiB までの CSV ファイルを指定して"
                                       "ください）。")
               .arg(Shown(typed))
               .arg(kLargestCsvBytes / (1024 * 1024))
               .toStdString()
        << '\n';
    return std::nullopt;
  }
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

bool ReadCameraOptions(const ParsedArguments& parsed, CameraOptions& options, std::string& error) {
  options.camera.pixelPitchUm = parsed.Number("--pixel-um").value_or(options.camera.pixelPitchUm);
  if (const auto count = parsed.Number("--wavelengths"))
    options.camera.wavelengthCount = static_cast<int>(*count);
  if (const auto field = parsed.Number("--field-px"))
    options.camera.fieldPixels = static_cast<int>(*field);
  options.exposure = parsed.Number("--exposure").value_or(options.exposure);
  return ReadChoices(parsed, options, error) && ReadTexts(parsed, options, error);
}

bool ReadCameraTables(const CameraOptions& options, camera::CameraSettings& settings,
                      std::ostream& err) {
  if (!options.spectrumCsvPath.empty()) {
    const std::optional<std::string> text = ReadTable(options.spectrumCsvPath, err);
    if (!text) return false;
    const camera::SpectrumCsv csv = camera::ParseSpectrumCsv(*text);
    if (!csv.spectrum) {
      err << "「" << EscapedForDisplay(options.spectrumCsvPath)
          << "」: " << CsvProblemText(csv.problem).toStdString() << '\n';
      return false;
    }
    settings.spectrum = *csv.spectrum;
  }
  if (!options.responseCsvPath.empty()) {
    const std::optional<std::string> text = ReadTable(options.responseCsvPath, err);
    if (!text) return false;
    const camera::ResponseCsv csv = camera::ParseResponseCsv(*text);
    if (!csv.response) {
      err << "「" << EscapedForDisplay(options.responseCsvPath)
          << "」: " << CsvProblemText(csv.problem).toStdString() << '\n';
      return false;
    }
    settings.response = *csv.response;
  }
  return true;
}

void AddTableInputs(const CameraOptions& options, std::vector<RunInput>& inputs) {
  if (!options.spectrumCsvPath.empty())
    inputs.push_back({PathFromArgument(options.spectrumCsvPath),
                      QT_TRANSLATE_NOOP("voka-batch", "スペクトルの表")});
  if (!options.responseCsvPath.empty())
    inputs.push_back(
        {PathFromArgument(options.responseCsvPath), QT_TRANSLATE_NOOP("voka-batch", "感度の表")});
}

}  // namespace voka
