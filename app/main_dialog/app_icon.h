// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace voka {

// IDR_MAINFRAME: the star with four diffraction spikes, 32x32 and 16x16.
QIcon AppIcon();

}  // namespace voka
