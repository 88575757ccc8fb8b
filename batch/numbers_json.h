// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "psf/psf_analysis.h"

namespace voka {

// The star image's result record (the numbers, their scales and the
// conditions they hold for: wavelength, aperture, focal length, pupil side N
// and padding Q) and the encircled-energy curve as an indented JSON object;
// --json writes it.
std::string NumbersJson(const psf::PsfAnalysis& analysis);

// Whether `bytes` are a file of numbers this program wrote (a JSON object
// with the keys of a star image's, a camera image's or a comparison's
// numbers), which --json may therefore replace.
bool IsNumbersJson(std::string_view bytes);

}  // namespace voka
