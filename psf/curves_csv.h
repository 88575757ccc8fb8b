// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "psf/image_scale.h"
#include "psf/mtf_curves.h"
#include "psf/psf_numbers.h"

namespace voka::psf {

// The first line of every curves file: what tells a file this program wrote
// from one it must not replace.
inline constexpr std::string_view kCurvesCsvFirstLine =
    "radius [lambda/D],radius [arcsec],encircled energy [fraction]\n";

// The curves as CSV text: a header line with units, then the encircled
// energy, then a blank line, a second header and the MTF curves.
std::string CurvesCsv(const PsfNumbers& numbers, const MtfCurves& mtf, const ImageScale& scale);

}  // namespace voka::psf
