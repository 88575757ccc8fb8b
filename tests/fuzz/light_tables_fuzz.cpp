// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the spectrum and the response CSV readers. A table
// either reader accepts must hold what it promises (two to the most rows,
// strictly rising wavelengths in range, finite weights of at least 0), and
// the camera's channels planned from it, in each colour mode, must be finite
// numbers; a refusal names a line of the text and has a message.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "camera/colour_channels.h"
#include "camera/light_tables_csv.h"

namespace {

using namespace voka::camera;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// As few as the camera allows and a few more, so that the fuzzer stays fast.
constexpr int kWavelengthCount = 7;

void CheckRefusal(const CsvProblem& problem, std::string_view text) {
  Require(problem.reason != CsvRefusal::kNone);
  const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
  Require(problem.line >= 0 && problem.line <= lines);
  Require(!CsvProblemMessage(problem).empty());
}

void CheckWavelengths(const std::vector<double>& wavelengthsNm) {
  Require(wavelengthsNm.size() >= 2 &&
          wavelengthsNm.size() <= static_cast<std::size_t>(kMaximumCsvRows));
  for (std::size_t i = 0; i < wavelengthsNm.size(); ++i) {
    Require(wavelengthsNm[i] >= kShortestCsvWavelengthNm &&
            wavelengthsNm[i] <= kLongestCsvWavelengthNm);
    if (i > 0) Require(wavelengthsNm[i] > wavelengthsNm[i - 1]);
  }
}

void CheckWeight(double weight) {
  Require(std::isfinite(weight) && weight >= 0.0);
}

void CheckChannels(const Spectrum& spectrum, const ChannelResponse& response,
                   std::initializer_list<ColourMode> modes) {
  for (const ColourMode mode : modes) {
    const SpectralChannels channels =
        PlanSpectralChannels(spectrum, kWavelengthCount, mode, response);
    Require(channels.weights.size() ==
            channels.wavelengthsNm.size() * static_cast<std::size_t>(channels.channelCount));
    for (const double weight : channels.weights) Require(std::isfinite(weight));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const SpectrumCsv spectrum = ParseSpectrumCsv(text);
  if (spectrum.spectrum) {
    Require(spectrum.problem.reason == CsvRefusal::kNone);
    std::vector<double> wavelengthsNm;
    for (const SpectrumPoint& point : spectrum.spectrum->table) {
      wavelengthsNm.push_back(point.wavelengthNm);
      CheckWeight(point.weight);
    }
    CheckWavelengths(wavelengthsNm);
    Require(spectrum.spectrum->fromNm == wavelengthsNm.front() &&
            spectrum.spectrum->toNm == wavelengthsNm.back());
    CheckChannels(*spectrum.spectrum, FlatBandResponse(),
                  {ColourMode::kVisual, ColourMode::kCamera, ColourMode::kMono});
  } else {
    CheckRefusal(spectrum.problem, text);
  }

  const ResponseCsv response = ParseResponseCsv(text);
  if (response.response) {
    Require(response.problem.reason == CsvRefusal::kNone);
    CheckWavelengths(response.response->wavelengthsNm);
    Require(response.response->rgb.size() == response.response->wavelengthsNm.size());
    for (const auto& rgb : response.response->rgb) {
      for (const double weight : rgb) CheckWeight(weight);
    }
    // A flat spectrum over the response's band, so that every row is sampled;
    // only the camera mode reads a response.
    const Spectrum band = TableSpectrum({{response.response->wavelengthsNm.front(), 1.0},
                                         {response.response->wavelengthsNm.back(), 1.0}});
    CheckChannels(band, *response.response, {ColourMode::kCamera});
  } else {
    CheckRefusal(response.problem, text);
  }
  return 0;
}
