// SPDX-License-Identifier: GPL-3.0-or-later
#include "psf/star_test.h"

#include <cmath>

#include "wavefront/opd_map.h"

namespace voka::psf {

namespace {

constexpr int kDefocusNollIndex = 4;

}  // namespace

PupilField WithDefocusWaves(const PupilField& pupil, double defocusWaves, double wavelengthNm) {
  PupilField defocused = pupil;
  // j = 4 spans 2√3 from centre to rim per unit RMS.
  const double rmsNm = defocusWaves * wavelengthNm / (2.0 * std::sqrt(3.0));
  const std::vector<double> defocus = wavefront::OpdMapNm({{kDefocusNollIndex, rmsNm}}, pupil.side);
  if (defocused.opdNm.empty()) defocused.opdNm.assign(defocus.size(), 0.0);
  for (std::size_t i = 0; i < defocus.size() && i < defocused.opdNm.size(); ++i)
    defocused.opdNm[i] += defocus[i];
  return defocused;
}

std::optional<StarTestImages> ComputeStarTest(const PupilField& pupil, const PsfSettings& settings,
                                              double defocusWaves, const PsfProgress& progress) {
  if (!std::isfinite(defocusWaves)) return std::nullopt;
  StarTestImages test;
  test.defocusWaves = defocusWaves;
  const double sides[] = {-defocusWaves, 0.0, defocusWaves};
  for (int plane = 0; plane < 3; ++plane) {
    PsfProgress part;
    part.cancelled = progress.cancelled;
    if (progress.progress) {
      part.progress = [&progress, plane](int position) {
        progress.progress((plane * 100 + position) / 3);
      };
    }
    std::optional<StarImage> image = ComputeStarImage(
        WithDefocusWaves(pupil, sides[plane], settings.wavelengthNm), settings, part);
    if (!image) return std::nullopt;
    test.images[static_cast<std::size_t>(plane)] = std::move(*image);
  }
  return test;
}

}  // namespace voka::psf
