#include "app/batch/psf_design_pupil.h"

#include <utility>
#include <vector>

#include "app/batch/design_run.h"
#include "pupils/open_fraction_render.h"

namespace voka {

psf::PupilAmplitude StarPupilOfDesign(const pupils::PupilDesign& design, int side) {
  std::vector<double> vaneAnglesDeg;
  for (const pupils::Vane& vane : design.vanes) {
    if (vane.shape == pupils::VaneShape::kStraight) vaneAnglesDeg.push_back(vane.angleDeg);
  }
  std::vector<double> openFraction = pupils::RenderOpenFraction(design, side);
  if (openFraction.empty()) return {};
  return psf::PupilFromOpenFraction(std::move(openFraction), side, std::move(vaneAnglesDeg));
}

std::optional<StarPupil> LoadDesignStarPupil(const std::string& designPath, int side,
                                             std::ostream& err) {
  const std::optional<pupils::PupilDesign> design = LoadBatchDesign(designPath, err);
  if (!design) return std::nullopt;
  return StarPupil{StarPupilOfDesign(*design, side), design->apertureDiameterMm};
}

}  // namespace voka
