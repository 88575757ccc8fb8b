#pragma once

#include "dib/dib_handle.h"

namespace voka {

// The pupil the headless program analyses when it is given none: a 512x512
// 24-bit bitmap of a circular aperture with a 25% central obstruction held by
// four straight vanes, read through the same reader as any file.
DibHandle BuiltinPupil();

}  // namespace voka
