#pragma once

#include <optional>
#include <string>
#include <vector>

namespace voka {

// kNone: nothing is analysed; only the pupil is written (--save-pupil).
enum class BatchAnalysis { kFft, kRayTrace, kPsf, kNone };

// What the headless program was asked to do. Paths are UTF-8 or the bytes
// the user typed; empty means "not asked for".
struct BatchOptions {
  BatchAnalysis analysis = BatchAnalysis::kFft;
  std::string pupilPath;      // empty: the design, else the built-in sample pupil
  std::string designPath;     // a design file, or "preset:NAME"
  std::string pngPath;        // the view as PNG
  std::string savePupilPath;  // the rendered pupil as .bmp
  std::optional<int> sidePixels;  // --size: the pupil's side; default depends on the use

  // The star image (--psf).
  int padFactor = 4;  // the padded grid is padFactor times the pupil's side
  double wavelengthNm = 550.0;
  std::optional<double> apertureMm;  // default: the design's, else 200 mm
  double focalLengthMm = 1000.0;
  double fieldOfViewLambdaOverD = 32.0;  // half-width of the exported PSF
  std::string fitsPath;
  std::string csvPath;
  std::string jsonPath;

  bool help = false;
};

// Reads the arguments after the program name. Exactly one of --fft and
// --raytrace, at most one pupil file, --png FILE at most once; --help alone
// is enough. On a usage error returns nothing and sets `error` (UTF-8).
std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& arguments,
                                              std::string& error);

// The text --help prints.
const char* BatchUsage();

}  // namespace voka
