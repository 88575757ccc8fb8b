// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One record of a star image's numbers, each named once with its unit, which
// every presentation walks: standard output, the JSON file and the window's
// table. A new number is added here and appears in all of them.

#include <string_view>
#include <vector>

#include "psf/psf_analysis.h"

namespace voka::psf {

// What a quantity measures, which says how people read it.
enum class QuantityUnit {
  kPixels,
  kFactor,
  kNanometres,
  kMillimetres,
  kRatio,                // to a clear aperture's
  kFraction,             // of all the light
  kArcsec,               // on the sky
  kMicrometres,          // at the focus
  kArcsecPerPixel,       // one image pixel on the sky
  kMicrometresPerPixel,  // one image pixel at the focus
};

// Conditions are what the numbers hold for; the window shows them in its
// boxes, files state them beside the numbers.
enum class QuantityGroup { kCondition, kScale, kNumber };

// Which quantity, for a presentation that names it in a language of its own.
enum class QuantityId {
  kWavelength,
  kAperture,
  kFocalLength,
  kPupilSide,
  kPadFactor,
  kPaddedSide,
  kLambdaOverDSky,
  kLambdaOverDFocus,
  kPixelScaleSky,
  kPixelScaleFocus,
  kAiryRadiusSky,
  kAiryRadiusFocus,
  kPeakRatio,
  kEncircledEnergy1_22,
  kEncircledEnergy2_23,
  kEncircledEnergy5,
  kSpikeFraction,
  kStrehl,
  kWavefrontRms,
};

struct Quantity {
  QuantityId id;
  std::string_view key;    // as files name it: "peak_ratio"
  std::string_view label;  // as people read it (Japanese, UTF-8)
  QuantityUnit unit;
  QuantityGroup group;
  double value;
};

// The conditions, the scales and the numbers of one star image, each once,
// in the order people read them; "strehl" and "wavefront_rms_nm" only for a
// pupil with a phase.
std::vector<Quantity> ResultRecord(const PsfAnalysis& analysis);

// The value under `key`; every key ResultRecord makes is present (a missing
// one is a programming error, and gives NaN).
double ValueOf(const std::vector<Quantity>& record, std::string_view key);

// The unit's symbol as people read it: "nm", "秒角", "µm/画素"; empty for
// ratios and fractions.
std::string_view UnitSymbol(QuantityUnit unit);

}  // namespace voka::psf
