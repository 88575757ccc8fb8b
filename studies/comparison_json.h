// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "psf/psf_analysis.h"

namespace voka::studies {

// {"a": {…}, "b": {…}, "delta": {…}} as indented text: a and b are what
// --psf --json writes for each star image, delta holds b − a for every
// number both records hold (RecordDelta).
std::string ComparisonJson(const psf::PsfAnalysis& a, const psf::PsfAnalysis& b);

}  // namespace voka::studies
