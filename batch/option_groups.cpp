// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/option_groups.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>

#include "limits/refusal.h"
#include "output/shown_text.h"
#include "pupils/design_file.h"

namespace voka {

namespace {

// One "J=NM" of --zernike: a whole Noll index and a finite RMS, both within
// their rows of the table of limits.
bool ReadZernikeTerm(std::string_view term, std::map<int, double>& terms) {
  const std::size_t equals = term.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view index = term.substr(0, equals);
  const std::string_view value = term.substr(equals + 1);
  int noll = 0;
  double nm = 0;
  const auto indexRead = std::from_chars(index.data(), index.data() + index.size(), noll);
  const auto valueRead = std::from_chars(value.data(), value.data() + value.size(), nm);
  if (indexRead.ec != std::errc() || indexRead.ptr != index.data() + index.size() ||
      valueRead.ec != std::errc() || valueRead.ptr != value.data() + value.size() ||
      !std::isfinite(nm)) {
    return false;
  }
  const limits::Limit& nollRange = limits::Of(limits::LimitId::kNollIndex);
  const limits::Limit& nmRange = limits::Of(limits::LimitId::kZernikeRmsNm);
  if (noll < nollRange.minimum || noll > nollRange.maximum || nm < nmRange.minimum ||
      nm > nmRange.maximum) {
    return false;
  }
  return terms.emplace(noll, nm).second;  // each term once
}

}  // namespace

PupilSourceOptions ReadPupilSource(const ParsedArguments& parsed) {
  PupilSourceOptions source;
  source.pupilPath = parsed.pupilFile.value_or(std::string());
  source.designPath = parsed.Text("--design");
  if (const auto side = parsed.Number("--size")) source.sidePixels = static_cast<int>(*side);
  return source;
}

OpticsOptions ReadOptics(const ParsedArguments& parsed) {
  OpticsOptions optics;
  // Each number is within its row's range, so the whole ones fit an int.
  if (const auto pad = parsed.Number("--pad")) optics.padFactor = static_cast<int>(*pad);
  optics.wavelengthNm = parsed.Number("--wavelength-nm").value_or(optics.wavelengthNm);
  optics.apertureMm = parsed.Number("--aperture-mm");
  optics.focalLengthMm = parsed.Number("--focal-mm");
  optics.fieldOfViewLambdaOverD = parsed.Number("--fov").value_or(optics.fieldOfViewLambdaOverD);
  return optics;
}

StarImageOutputs ReadStarImageOutputs(const ParsedArguments& parsed) {
  return {parsed.Text("--png"), parsed.Text("--fits"), parsed.Text("--csv"), parsed.Text("--json")};
}

std::optional<WavefrontOptions> ReadWavefront(const ParsedArguments& parsed, std::string& error) {
  WavefrontOptions wavefront;
  wavefront.defocusMm = parsed.Number("--defocus-mm");
  if (!parsed.Has("--zernike")) return wavefront;
  const std::string list = parsed.Text("--zernike");
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = list.find(',', start);
    const std::string_view term = std::string_view(list).substr(
        start, comma == std::string::npos ? std::string::npos : comma - start);
    if (!ReadZernikeTerm(term, wavefront.zernikeNmRms)) {
      const limits::Limit& nollRange = limits::Of(limits::LimitId::kNollIndex);
      const limits::Limit& nmRange = limits::Of(limits::LimitId::kZernikeRmsNm);
      error = QCoreApplication::translate(
                  "voka-batch",
                  "--zernike には J=NM を「,」で区切って指定してください（J は %1〜%2 の Noll "
                  "の番号で各項一度だけ、NM は %3〜%4 の RMS の nm）。「%5」は使えません。")
                  .arg(QString::fromStdString(limits::NumberText(nollRange.minimum)),
                       QString::fromStdString(limits::NumberText(nollRange.maximum)),
                       QString::fromStdString(limits::NumberText(nmRange.minimum)),
                       QString::fromStdString(limits::NumberText(nmRange.maximum)),
                       QString::fromStdString(EscapedForDisplay(term)))
                  .toStdString();
      return std::nullopt;
    }
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return wavefront;
}

bool ReadOpticsAndWavefront(const ParsedArguments& parsed, OpticsOptions& optics,
                            WavefrontOptions& wavefront, std::string& error) {
  optics = ReadOptics(parsed);
  std::optional<WavefrontOptions> terms = ReadWavefront(parsed, error);
  if (!terms) return false;
  wavefront = std::move(*terms);
  return true;
}

std::vector<RunInput> InputsOf(const PupilSourceOptions& source) {
  std::vector<RunInput> inputs;
  if (!source.pupilPath.empty())
    inputs.push_back(
        {PathFromArgument(source.pupilPath), QT_TRANSLATE_NOOP("voka-batch", "瞳の画像")});
  if (!source.designPath.empty() && !source.designPath.starts_with(pupils::kPresetPrefix))
    inputs.push_back(
        {PathFromArgument(source.designPath), QT_TRANSLATE_NOOP("voka-batch", "瞳の設計")});
  return inputs;
}

void AddOutputs(const StarImageOutputs& outputs, std::vector<RunOutput>& list) {
  const auto add = [&list](const char* option, const std::string& typed, OutputKind kind) {
    if (!typed.empty()) list.push_back({option, PathFromArgument(typed), kind});
  };
  add("--fits", outputs.fitsPath, OutputKind::kFits);
  add("--csv", outputs.csvPath, OutputKind::kCurvesCsv);
  add("--json", outputs.jsonPath, OutputKind::kNumbersJson);
  add("--png", outputs.pngPath, OutputKind::kPng);
}

}  // namespace voka
