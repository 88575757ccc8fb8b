#pragma once

#include <string>

#include "psf/image_scale.h"
#include "psf/mtf_curves.h"
#include "psf/psf_numbers.h"

namespace voka::psf {

// The curves as CSV text: a header line with units, then the encircled
// energy, then a blank line, a second header and the MTF curves.
std::string CurvesCsv(const PsfNumbers& numbers, const MtfCurves& mtf, const ImageScale& scale);

}  // namespace voka::psf
