// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "limits/limits.h"

namespace voka {

// kNone: nothing is analysed; only the pupil is written (--save-pupil).
enum class BatchAnalysis { kFft, kRayTrace, kPsf, kNone };

// The option groups that commands share. Paths hold the bytes the user
// typed (UTF-8 on Windows); turn them into paths with PathFromArgument.
// Empty means "not asked for".

// Where the pupil comes from: every command.
struct PupilSourceOptions {
  std::string pupilPath;          // empty: the design, else the built-in sample pupil
  std::string designPath;         // a design file, or "preset:NAME"
  std::optional<int> sidePixels;  // --size: the pupil's side; default depends on the use
};

// The optics of the star image (--psf); defaults from the table of limits.
struct OpticsOptions {
  // The padded grid is padFactor times the pupil's side.
  int padFactor = static_cast<int>(limits::PadFactor().defaultValue);
  double wavelengthNm = limits::WavelengthNm().defaultValue;
  std::optional<double> apertureMm;  // default: the design's, else the table's
  double focalLengthMm = limits::FocalLengthMm().defaultValue;
  // Half-width of the exported PSF.
  double fieldOfViewLambdaOverD = limits::ExportFieldLambdaOverD().defaultValue;
};

// The files a run writes besides VOKA.TXT.
struct OutputOptions {
  std::string pngPath;        // the view as PNG
  std::string savePupilPath;  // the rendered pupil as .bmp
  std::string fitsPath;       // the star image's pixels
  std::string csvPath;        // its curves
  std::string jsonPath;       // its numbers and conditions
};

// What the headless program was asked to do: the command and its groups.
struct BatchOptions : PupilSourceOptions, OpticsOptions, OutputOptions {
  BatchAnalysis analysis = BatchAnalysis::kFft;
  bool help = false;
  bool version = false;
};

// Reads the arguments after the program name, one of the forms that
// BatchUsage shows: one analysis (--fft, --raytrace or --psf), or --design
// with --save-pupil alone (kNone); at most one pupil file, never with
// --design; each option at most once; the star image's settings only with
// --psf. Option values never begin with "-" (a forgotten value must not
// swallow the next option or the pupil file), and numbers are finite and in
// range. --help or --version alone is enough. On a usage error returns
// nothing and sets `error` (UTF-8, the user's text escaped).
std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& arguments,
                                              std::string& error);

// A path from an argument as it was typed: on POSIX systems the bytes are
// the name, whatever their encoding, so a name that is not UTF-8 still opens.
std::filesystem::path PathFromArgument(const std::string& argument);

// The text --help prints, and the line --version prints.
std::string BatchUsage();
inline constexpr const char* kBatchVersionLine = "voka-batch 1.0\n";

}  // namespace voka
