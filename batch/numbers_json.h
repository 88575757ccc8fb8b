#pragma once

#include <string>
#include <string_view>

#include "psf/psf_analysis.h"

namespace voka {

// The star image's numbers and the conditions they hold for (wavelength,
// aperture, focal length, pupil side N and padding Q) as an indented JSON
// object; --json writes it.
std::string NumbersJson(const psf::PsfAnalysis& analysis);

// Whether `bytes` are a file NumbersJson wrote (a JSON object with its
// numbers' keys), which --json may therefore replace.
bool IsNumbersJson(std::string_view bytes);

}  // namespace voka
