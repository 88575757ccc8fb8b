#include "pupils/star_pupil.h"

#include <utility>
#include <vector>

#include "pupils/open_fraction_render.h"

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
  return psf::PupilFromOpenFraction(std::move(openFraction), side, std::move(vaneAnglesDeg));
}

}  // namespace voka::pupils
