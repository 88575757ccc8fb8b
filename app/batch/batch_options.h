#pragma once

#include <optional>
#include <string>
#include <vector>

namespace voka {

enum class BatchAnalysis { kFft, kRayTrace };

// What the headless program was asked to do.
struct BatchOptions {
  BatchAnalysis analysis = BatchAnalysis::kFft;
  std::string pupilPath;  // UTF-8; empty: the built-in sample pupil
  std::string pngPath;    // UTF-8; empty: no picture
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
