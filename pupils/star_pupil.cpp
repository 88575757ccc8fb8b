// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/star_pupil.h"

#include <utility>
#include <vector>

#include "limits/limits.h"
#include "pupils/open_fraction_render.h"
#include "wavefront/opd_map.h"

namespace voka::pupils {

static_assert(kMaxRenderSidePixels >= psf::kMaximumPupilSide,
              "every pupil side the star image takes can be drawn from a design");

psf::PupilAmplitude StarPupilOfDesign(const PupilDesign& design, int side) {
  std::vector<double> vaneAnglesDeg;
  for (const Vane& vane : design.vanes) {
    if (vane.shape == VaneShape::kStraight) vaneAnglesDeg.push_back(vane.angleDeg);
  }
  std::vector<double> openFraction = RenderOpenFraction(design, side);
  if (openFraction.empty()) return {};
  psf::PupilField pupil =
      psf::PupilFromOpenFraction(std::move(openFraction), side, std::move(vaneAnglesDeg));
  if (pupil.side > 0 && !design.wavefront.Empty()) {
    // The defocus shift becomes a wavefront through the design's own focal
    // ratio.
    const double focalLengthMm =
        design.focalLengthMm.value_or(limits::FocalLengthMm().defaultValue);
    pupil.opdNm = wavefront::OpdMapNm(
        wavefront::CombinedZernikeRmsNm(design.wavefront, focalLengthMm, design.apertureDiameterMm),
        side);
  }
  return pupil;
}

}  // namespace voka::pupils
