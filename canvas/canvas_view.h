// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "canvas/canvas.h"

namespace voka {

// The part of the canvas that the dialog shows, and where the dialog shows it.
inline constexpr int kViewWidth = 410;
inline constexpr int kViewHeight = 165;
inline constexpr int kViewLeft = 10;
inline constexpr int kViewTop = 10;

// A copy of the region (0, 0)-(kViewWidth - 1, kViewHeight - 1), unchanged,
// for the dialog to show and for the headless program to save.
QImage ViewImage(const Canvas& canvas);

}  // namespace voka
