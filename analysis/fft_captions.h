// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace voka {

// The words of the FFT picture's captions (UTF-8), as drawn into the canvas.
// The defaults are the program's own Japanese; a window that speaks another
// language passes its own.
struct SpectrumCaptions {
  std::string apertureLabel = "開口率  ";  // before the aperture ratio
  std::string percentSign = "％";          // after it
  std::string title = "２次元ＦＦＴ画像";
  std::string intensityLabel = "中心強度=";  // before the central intensity
};

}  // namespace voka
