// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the design reader, versions 1 and 2, as the text
// of a design file. A design it accepts must pass the design checks and come
// back unchanged from the writer, in the version the writer chooses; a
// refusal must name its reason in a message that is safe to print.

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "output/shown_text.h"
#include "pupils/design_check.h"
#include "pupils/design_file.h"
#include "pupils/design_json.h"

namespace {

using voka::pupils::PupilDesign;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// Neither a control character nor a broken UTF-8 sequence reaches a
// terminal or a message box.
bool SafeToShow(const std::string& text) {
  return voka::EscapedForDisplay(text) == text;
}

int WrittenVersion(const QByteArray& json) {
  const bool second = json.contains("\"voka_pupil\": 2");
  const bool first = json.contains("\"voka_pupil\": 1");
  Require(first != second);
  return second ? voka::pupils::kWavefrontFileVersion : voka::pupils::kDesignFileVersion;
}

void CheckAccepted(const PupilDesign& design) {
  Require(!voka::pupils::FindDesignProblem(design));
  const QByteArray written = voka::pupils::DesignToJson(design);
  const bool hasOptics = design.focalLengthMm || !design.wavefront.Empty();
  Require(WrittenVersion(written) ==
          (hasOptics ? voka::pupils::kWavefrontFileVersion : voka::pupils::kDesignFileVersion));
  const voka::pupils::DesignParse again = voka::pupils::ParseDesignJson(written);
  Require(again.design && *again.design == design);
}

void CheckRefused(const voka::pupils::DesignProblem& problem) {
  Require(!problem.reason.empty());
  const std::string message =
      voka::pupils::DesignRefusalMessage(std::filesystem::path("design.json"), problem);
  Require(SafeToShow(message));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The file reader refuses anything larger before parsing.
  if (size > voka::pupils::kMaxDesignFileBytes) return 0;
  const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const voka::pupils::DesignParse parse = voka::pupils::ParseDesignJson(text);
  if (parse.design) {
    Require(parse.problem.reason.empty());
    CheckAccepted(*parse.design);
  } else {
    CheckRefused(parse.problem);
  }
  return 0;
}
