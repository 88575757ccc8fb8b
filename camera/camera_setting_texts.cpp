// SPDX-License-Identifier: GPL-3.0-or-later
#include "camera/camera_setting_texts.h"

#include <charconv>

namespace voka::camera {

namespace {

// A whole field of decimal text as a double; nothing for an empty field,
// trailing characters or a number out of the double's range.
std::optional<double> Number(std::string_view text) {
  if (text.empty()) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

SpectrumText Refused(SettingTextRefusal refusal, std::optional<limits::Refusal> limit = {}) {
  SpectrumText result;
  result.refusal = refusal;
  result.limit = limit;
  return result;
}

SpectrumText Blackbody(std::string_view temperatureText) {
  const std::optional<double> temperature = Number(temperatureText);
  if (!temperature) return Refused(SettingTextRefusal::kMalformed);
  if (const auto refusal = limits::Check(limits::LimitId::kTemperatureK, *temperature))
    return Refused(SettingTextRefusal::kOutOfRange, refusal);
  Spectrum spectrum;
  spectrum.kind = SpectrumKind::kBlackbody;
  spectrum.temperatureK = *temperature;
  return {spectrum, {}, SettingTextRefusal::kNone, {}};
}

// "L1-L2": the dash after the first number, so that a sign cannot be taken
// for it.
SpectrumText Flat(std::string_view band) {
  const std::size_t dash = band.find('-', 1);
  if (dash == std::string_view::npos) return Refused(SettingTextRefusal::kMalformed);
  const std::optional<double> from = Number(band.substr(0, dash));
  const std::optional<double> to = Number(band.substr(dash + 1));
  if (!from || !to) return Refused(SettingTextRefusal::kMalformed);
  if (const auto refusal = limits::Check(limits::LimitId::kBandFromNm, *from))
    return Refused(SettingTextRefusal::kOutOfRange, refusal);
  if (const auto refusal = limits::Check(limits::LimitId::kBandToNm, *to))
    return Refused(SettingTextRefusal::kOutOfRange, refusal);
  if (!(*from < *to)) return Refused(SettingTextRefusal::kEmptyBand);
  Spectrum spectrum;
  spectrum.kind = SpectrumKind::kFlat;
  spectrum.fromNm = *from;
  spectrum.toNm = *to;
  return {spectrum, {}, SettingTextRefusal::kNone, {}};
}

}  // namespace

SpectrumText ParseSpectrumText(std::string_view text) {
  if (StartsWith(text, "blackbody:")) return Blackbody(text.substr(10));
  if (StartsWith(text, "flat:")) return Flat(text.substr(5));
  if (text.empty()) return Refused(SettingTextRefusal::kMalformed);
  SpectrumText file;
  file.csvPath = std::string(text);
  return file;
}

OffsetText ParseOffsetText(std::string_view text) {
  OffsetText result;
  const std::size_t comma = text.find(',');
  const std::optional<double> x =
      comma == std::string_view::npos ? std::nullopt : Number(text.substr(0, comma));
  const std::optional<double> y =
      comma == std::string_view::npos ? std::nullopt : Number(text.substr(comma + 1));
  if (!x || !y) {
    result.refusal = SettingTextRefusal::kMalformed;
    return result;
  }
  for (const double value : {*x, *y}) {
    if (const auto refusal = limits::Check(limits::LimitId::kStarOffsetPixels, value)) {
      result.refusal = SettingTextRefusal::kOutOfRange;
      result.limit = refusal;
      return result;
    }
  }
  result.offsetXPixels = *x;
  result.offsetYPixels = *y;
  return result;
}

}  // namespace voka::camera
