// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A rendered pupil as a grey bitmap: open white, blocked black, each pixel's
// grey level 255 times its open fraction, rounded.

#include <span>
#include <vector>

#include "pupils/bmp_writer.h"
#include "pupils/pupil_design.h"

namespace voka::pupils {

int GreyLevel(double openFraction);

// The fractions of a square image of this side, top row first, as colours.
bmp_writer::ColourImage GreyImage(std::span<const double> fractions, int sidePixels);

enum class PupilBitmapForm { kGrey24, kGrey8 };

// The whole .bmp file of the design at this side; empty when the design is
// invalid or the side out of range.
bmp_writer::Bytes PupilBitmap(const PupilDesign& design, int sidePixels,
                              PupilBitmapForm form = PupilBitmapForm::kGrey24);

}  // namespace voka::pupils
