// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace voka {

// The font of the canvas captions: a Japanese Gothic face at a pixel size
// that keeps a caption drawn at row 5 clear of the pictures from row 25 on,
// rendered without anti-aliasing so every pixel is text or background colour.
QFont CanvasFont();

}  // namespace voka
