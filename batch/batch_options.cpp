// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_options.h"

#include <charconv>
#include <cmath>
#include <set>
#include <string_view>

#include "limits/refusal.h"
#include "output/shown_text.h"

namespace voka {

namespace {

using limits::LimitId;

std::string Quoted(std::string_view text) {
  return "「" + EscapedForDisplay(text) + "」";
}

std::string RangeText(std::string_view option, const limits::Limit& range, bool whole) {
  return std::string(option) + " には " + limits::RangeText(range) + " の" +
         (whole ? "整数" : "数") + "を指定してください";
}

// The whole text must be the number: no "+", spaces, hex prefix or trailing text.
std::optional<double> ParseNumber(std::string_view text, bool whole) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto result = whole ? std::from_chars(text.data(), end, value, std::chars_format::fixed)
                            : std::from_chars(text.data(), end, value);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
  if (whole && value != std::floor(value)) return std::nullopt;
  return value;
}

bool ReadNumber(std::string_view option, std::string_view text, const limits::Limit& range,
                bool whole, double& value, std::string& error) {
  const std::optional<double> number = ParseNumber(text, whole);
  if (!number || *number < range.minimum || *number > range.maximum) {
    error = RangeText(option, range, whole) + "（" + Quoted(text) + "は使えません）。";
    return false;
  }
  value = *number;
  return true;
}

// Where one option's value goes. Returns false and sets the error when the
// value is not acceptable.
using Apply = bool (*)(BatchOptions&, std::string_view option, std::string_view value,
                       std::string& error);

struct OptionEntry {
  std::string_view name;
  bool takesValue;
  Apply apply;
};

template <BatchAnalysis kAnalysis>
bool Choose(BatchOptions& options, std::string_view, std::string_view, std::string&) {
  options.analysis = kAnalysis;
  return true;
}

template <auto kField>
bool Text(BatchOptions& options, std::string_view, std::string_view value, std::string&) {
  options.*kField = std::string(value);
  return true;
}

template <auto kField, LimitId kLimit, bool kWhole>
bool Number(BatchOptions& options, std::string_view option, std::string_view value,
            std::string& error) {
  double number = 0;
  if (!ReadNumber(option, value, limits::Of(kLimit), kWhole, number, error)) return false;
  if constexpr (kWhole) {
    options.*kField = static_cast<int>(number);  // in range, so it fits
  } else {
    options.*kField = number;
  }
  return true;
}

bool SetFlag(BatchOptions&, std::string_view, std::string_view, std::string&) {
  return true;
}

constexpr OptionEntry kOptions[] = {
    {"--fft", false, Choose<BatchAnalysis::kFft>},
    {"--raytrace", false, Choose<BatchAnalysis::kRayTrace>},
    {"--psf", false, Choose<BatchAnalysis::kPsf>},
    {"--design", true, Text<&BatchOptions::designPath>},
    {"--save-pupil", true, Text<&BatchOptions::savePupilPath>},
    {"--size", true, Number<&BatchOptions::sidePixels, LimitId::kPupilSide, true>},
    {"--pad", true, Number<&BatchOptions::padFactor, LimitId::kPadFactor, true>},
    {"--wavelength-nm", true, Number<&BatchOptions::wavelengthNm, LimitId::kWavelengthNm, false>},
    {"--aperture-mm", true, Number<&BatchOptions::apertureMm, LimitId::kApertureMm, false>},
    {"--focal-mm", true, Number<&BatchOptions::focalLengthMm, LimitId::kFocalLengthMm, false>},
    {"--fov", true,
     Number<&BatchOptions::fieldOfViewLambdaOverD, LimitId::kExportFieldLambdaOverD, false>},
    {"--png", true, Text<&BatchOptions::pngPath>},
    {"--fits", true, Text<&BatchOptions::fitsPath>},
    {"--csv", true, Text<&BatchOptions::csvPath>},
    {"--json", true, Text<&BatchOptions::jsonPath>},
    {"--help", false, SetFlag},
    {"--version", false, SetFlag},
};

const OptionEntry* FindOption(std::string_view name) {
  for (const OptionEntry& entry : kOptions) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

using Given = std::set<std::string_view>;

// The options that belong to one form only: each needs one of `needs`.
struct Dependency {
  std::string_view option;
  std::vector<std::string_view> needs;
  const char* message;
};

const std::vector<Dependency>& Dependencies() {
  static const std::vector<Dependency> kDependencies{
      {"--pad", {"--psf"}, "--pad は --psf と一緒に指定してください。"},
      {"--wavelength-nm", {"--psf"}, "--wavelength-nm は --psf と一緒に指定してください。"},
      {"--aperture-mm", {"--psf"}, "--aperture-mm は --psf と一緒に指定してください。"},
      {"--focal-mm", {"--psf"}, "--focal-mm は --psf と一緒に指定してください。"},
      {"--fov", {"--psf"}, "--fov は --psf と一緒に指定してください。"},
      {"--fits", {"--psf"}, "--fits は --psf と一緒に指定してください。"},
      {"--csv", {"--psf"}, "--csv は --psf と一緒に指定してください。"},
      {"--json", {"--psf"}, "--json は --psf と一緒に指定してください。"},
      {"--size", {"--psf", "--design"}, "--size は --psf か --design と一緒に指定してください。"},
      {"--save-pupil", {"--design"}, "--save-pupil には --design で瞳の設計を指定してください。"},
  };
  return kDependencies;
}

bool CheckDependencies(const Given& given, std::string& error) {
  for (const Dependency& dependency : Dependencies()) {
    if (!given.contains(dependency.option)) continue;
    bool met = false;
    for (std::string_view need : dependency.needs) met = met || given.contains(need);
    if (!met) {
      error = dependency.message;
      return false;
    }
  }
  return true;
}

// Which form the options make, and whether they make one at all.
bool CheckForm(BatchOptions& options, const Given& given, std::string& error) {
  const int analyses = static_cast<int>(given.contains("--fft") + given.contains("--raytrace") +
                                        given.contains("--psf"));
  const bool savePupil = given.contains("--save-pupil");
  if (analyses > 1 || (analyses == 1 && savePupil)) {
    error = "--fft・--raytrace・--psf・--save-pupil はどれか一つだけ指定してください。";
    return false;
  }
  if (analyses == 0 && !savePupil) {
    error =
        "--fft か --raytrace か --psf のどれか一つを指定してください"
        "（瞳を保存するだけなら --design と --save-pupil）。";
    return false;
  }
  if (savePupil) options.analysis = BatchAnalysis::kNone;
  if (!options.pupilPath.empty() && given.contains("--design")) {
    error = "瞳の画像と --design は一緒に指定できません。どちらか一つにしてください。";
    return false;
  }
  if (savePupil && given.contains("--png")) {
    error = "--png は --fft・--raytrace・--psf と一緒に指定してください。";
    return false;
  }
  if (options.analysis == BatchAnalysis::kPsf && options.pupilPath.empty() &&
      !given.contains("--design")) {
    error = "--psf には瞳の画像か --design で瞳の設計を指定してください。";
    return false;
  }
  return CheckDependencies(given, error);
}

bool TakeValue(const std::vector<std::string>& arguments, std::size_t& i, std::string_view option,
               std::string_view& value, std::string& error) {
  if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
    error = std::string(option) + " には値が必要です。";
    return false;
  }
  value = arguments[++i];
  if (value.front() == '-') {
    error = std::string(option) + " には値が必要です。" + Quoted(value) +
            "は「-」で始まるので値とみなしません（その名前のファイルなら ./" +
            EscapedForDisplay(value) + " と書いてください）。";
    return false;
  }
  return true;
}

bool TakePupil(BatchOptions& options, const std::string& argument, std::string& error) {
  if (argument.empty() || !options.pupilPath.empty()) {
    error = "瞳の画像は一つだけ指定してください。";
    return false;
  }
  options.pupilPath = argument;
  return true;
}

}  // namespace

std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& arguments,
                                              std::string& error) {
  BatchOptions options;
  Given given;
  bool optionsEnded = false;  // after "--", everything is a pupil file
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--" && !optionsEnded) {
      optionsEnded = true;
      continue;
    }
    const bool looksLikeOption = !optionsEnded && argument.size() > 1 && argument.front() == '-';
    if (!looksLikeOption) {
      if (!TakePupil(options, argument, error)) return std::nullopt;
      continue;
    }
    const OptionEntry* entry = FindOption(argument == "-h" ? "--help" : argument);
    if (entry == nullptr) {
      error = "知らないオプションです: " + EscapedForDisplay(argument);
      return std::nullopt;
    }
    if (!given.insert(entry->name).second) {
      error = std::string(entry->name) + " は一度だけ指定してください。";
      return std::nullopt;
    }
    options.help = options.help || entry->name == "--help";
    options.version = options.version || entry->name == "--version";
    if (options.help || options.version) return options;
    std::string_view value;
    if (entry->takesValue && !TakeValue(arguments, i, entry->name, value, error))
      return std::nullopt;
    if (!entry->apply(options, entry->name, value, error)) return std::nullopt;
  }
  if (!CheckForm(options, given, error)) return std::nullopt;
  return options;
}

std::filesystem::path PathFromArgument(const std::string& argument) {
#ifdef _WIN32
  return std::filesystem::path(std::u8string(argument.begin(), argument.end()));
#else
  return std::filesystem::path(argument);
#endif
}

}  // namespace voka
