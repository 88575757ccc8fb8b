// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pupil of the star-image commands (--psf, --star-test), from a bitmap
// or a design, with the wavefront and optics the command line sets over the
// design's own.

#include <QString>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "batch/command_line.h"
#include "batch/option_groups.h"
#include "batch/run_context.h"
#include "limits/limits.h"
#include "psf/psf_settings.h"
#include "psf/pupil_amplitude.h"
#include "wavefront/wavefront_terms.h"

namespace voka {

// The default pupil side for a design (a bitmap keeps its own size).
inline constexpr int kDefaultDesignSidePixels = static_cast<int>(limits::PupilSide().defaultValue);

struct StarPupilSource {
  psf::PupilField pupil;
  psf::PsfSettings settings;  // the aperture and focal length the pupil is seen with
  double defocusRmsNm = 0.0;  // the Noll j = 4 term of its wavefront, for the sampling check
};

// Nothing after telling on `err` why the pupil or its settings were refused;
// `status` is then the exit status to return (1 for an input, 2 for a
// combination of arguments that cannot be computed).
std::optional<StarPupilSource> LoadStarPupil(const PupilSourceOptions& source,
                                             const OpticsOptions& optics,
                                             const WavefrontOptions& wavefront, std::ostream& err,
                                             int& status);

// The command line's terms over the design's: a term given replaces the
// design's, and a term or defocus of 0 removes it, so that no phase is left
// to compute.
void ApplyWavefront(const WavefrontOptions& given, wavefront::WavefrontTerms& terms);

// The pupil source, optics and wavefront of a star-image command (--psf,
// --camera, --star-test), read and checked alike for each: a pupil file or a
// design is named, and --size only with a design. False after setting
// `error` (its message names `command`).
bool ReadStarPupilGroups(const ParsedArguments& parsed, std::string_view command,
                         PupilSourceOptions& source, OpticsOptions& optics,
                         WavefrontOptions& wavefront, std::string& error);

// Runs a command whose largest grids take gigabytes: running short of memory,
// or of threads, is reported (`outOfMemory` says which option to lower) and
// the command fails with nothing written.
int RunWithinResources(const std::function<int()>& run, const RunContext& context,
                       const QString& outOfMemory);

}  // namespace voka
