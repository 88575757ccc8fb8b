#include "app/batch/psf_design_pupil.h"

#include <utility>

namespace voka {

namespace {

DesignPupilLoader& Loader() {
  static DesignPupilLoader loader;
  return loader;
}

}  // namespace

void SetDesignPupilLoader(DesignPupilLoader loader) { Loader() = std::move(loader); }

const DesignPupilLoader& GetDesignPupilLoader() { return Loader(); }

}  // namespace voka
