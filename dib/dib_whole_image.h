#pragma once

#include "dib/dib_handle.h"
#include "dib/dib_rect.h"

namespace voka {

// The source rectangle of the whole image: (0, 0, width, |height|). A
// top-down image stores a negative height; its rows are still counted from
// the top as seen. Empty for a null handle.
DibRect DibWholeImage(const DibHandle& dib);

}  // namespace voka
