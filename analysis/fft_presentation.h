// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "analysis/fft_captions.h"
#include "canvas/canvas.h"
#include "output/result_table.h"
#include "sine_transform/work_areas.h"

namespace voka {

// What ShowSpectrum drew and wrote, for the caller to show or report.
struct SpectrumReport {
  std::string apertureCaption;   // "開口率  %6.2f％", UTF-8 as drawn
  std::string titleCaption;      // "２次元ＦＦＴ画像"
  std::string intensityCaption;  // "中心強度=%8.2f"
  // The centre value is 0: the pupil lets no light through, so there is no
  // profile and the table holds "nan" everywhere.
  bool centreIsZero = false;
  TableWriteResult table;
};

// Presents a centred spectrum (S[256][256] its centre) on the result band
// that the pupil sampling left: the 64x64 centre enlarged two times in
// absolute grey levels, the white cross-section profile through the centre
// row normalised to the centre value, the aperture-ratio, title and
// central-intensity captions; then writes the centre window normalised to the
// centre value, signs kept, as the FFT result table. `pupilSum` is the summed
// brightness of the sampled pupil (a white pixel adds 65793). The captions
// are worded by `captions`.
SpectrumReport ShowSpectrum(Canvas& canvas, const DoubleGrid spectrum, double pupilSum,
                            const std::filesystem::path& tablePath,
                            const SpectrumCaptions& captions = {});

}  // namespace voka
