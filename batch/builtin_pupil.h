// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dib/dib_handle.h"

namespace voka {

// The pupil the headless program analyses when it is given none: the
// "4-vanes" design (a 25% central obstruction held by four straight vanes)
// rendered as a 512x512 24-bit grey bitmap, read through the same reader as
// any file.
DibHandle BuiltinPupil();

}  // namespace voka
