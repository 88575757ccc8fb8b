// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "camera/star_light.h"
#include "limits/refusal.h"

namespace voka::camera {

// Why a text of the command line could not be taken as a camera setting.
enum class SettingTextRefusal {
  kNone,
  kMalformed,   // not of the form asked for (the help says which)
  kOutOfRange,  // a number outside its limit: `limit` says which and why
  kEmptyBand,   // a flat band whose short end is not below its long end
};

// A spectrum written as "blackbody:T" (T in K), "flat:L1-L2" (nm) or the
// path of a two-column CSV file. A file is only named here: the caller reads
// it (a file that cannot be read or parsed is another kind of failure) and
// passes its text to ParseSpectrumCsv.
struct SpectrumText {
  std::optional<Spectrum> spectrum;  // blackbody or flat
  std::string csvPath;               // set for a file
  SettingTextRefusal refusal = SettingTextRefusal::kNone;
  std::optional<limits::Refusal> limit;
};
SpectrumText ParseSpectrumText(std::string_view text);

// The star's offset "DX,DY" in pixels, right and up, each within
// limits::StarOffsetPixels().
struct OffsetText {
  double offsetXPixels = 0.0;
  double offsetYPixels = 0.0;
  SettingTextRefusal refusal = SettingTextRefusal::kNone;
  std::optional<limits::Refusal> limit;
};
OffsetText ParseOffsetText(std::string_view text);

}  // namespace voka::camera
