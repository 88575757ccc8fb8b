// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The option groups that commands share. Paths hold the bytes the user typed
// (UTF-8 on Windows); turn them into paths with PathFromArgument. Empty
// means "not asked for".

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "batch/command_line.h"
#include "batch/output_check.h"
#include "limits/limits.h"

namespace voka {

// Where the pupil comes from.
struct PupilSourceOptions {
  std::string pupilPath;          // empty: the design, else the built-in sample pupil
  std::string designPath;         // a design file, or "preset:NAME"
  std::optional<int> sidePixels;  // --size: the pupil's side; default depends on the use
};

// The telescope and the star image's grid; defaults from the table of limits.
struct OpticsOptions {
  // The padded grid is padFactor times the pupil's side.
  int padFactor = static_cast<int>(limits::PadFactor().defaultValue);
  double wavelengthNm = limits::WavelengthNm().defaultValue;
  std::optional<double> apertureMm;     // default: the design's, else the table's
  std::optional<double> focalLengthMm;  // default: the design's, else the table's
  // Half-width of the exported star image.
  double fieldOfViewLambdaOverD = limits::ExportFieldLambdaOverD().defaultValue;
};

// The mirror's wavefront error given on the command line, over the design's.
struct WavefrontOptions {
  std::map<int, double> zernikeNmRms;  // Noll index → RMS; replaces the design's term
  std::optional<double> defocusMm;     // replaces the design's defocus
};

// The files of a star image.
struct StarImageOutputs {
  std::string pngPath;   // the picture
  std::string fitsPath;  // the pixels
  std::string csvPath;   // the curves
  std::string jsonPath;  // the numbers and conditions
};

PupilSourceOptions ReadPupilSource(const ParsedArguments& parsed);
OpticsOptions ReadOptics(const ParsedArguments& parsed);
StarImageOutputs ReadStarImageOutputs(const ParsedArguments& parsed);
// Nothing after setting `error` for a --zernike list that cannot be read.
std::optional<WavefrontOptions> ReadWavefront(const ParsedArguments& parsed, std::string& error);
// The optics and wavefront of every star-image command; false after setting
// `error` as ReadWavefront does.
bool ReadOpticsAndWavefront(const ParsedArguments& parsed, OpticsOptions& optics,
                            WavefrontOptions& wavefront, std::string& error);

// The files a pupil source reads, for the check that no output replaces one.
std::vector<RunInput> InputsOf(const PupilSourceOptions& source);
// The star image's files, in the order they are checked.
void AddOutputs(const StarImageOutputs& outputs, std::vector<RunOutput>& list);

}  // namespace voka
