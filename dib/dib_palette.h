#pragma once

#include "dib/dib_handle.h"
#include "dib/palette.h"

namespace voka {

// Creates a logical palette in the given (empty) palette object from the
// image's colour table, in table order, flags 0. False, leaving the object
// empty, for a null handle, an image without a colour table (more than 8
// bits per pixel and no biClrUsed), or a block whose header does not fit it.
bool DibMakePalette(const DibHandle& dib, Palette& palette);

}  // namespace voka
