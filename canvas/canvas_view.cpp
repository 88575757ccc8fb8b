// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/canvas_view.h"

namespace voka {

QImage ViewImage(const Canvas& canvas) {
  QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
  for (int y = 0; y < kViewHeight; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const ColourValue* source = canvas.Row(y);
    for (int x = 0; x < kViewWidth; ++x) {
      line[x] = qRgb(RedOf(source[x]), GreenOf(source[x]), BlueOf(source[x]));
    }
  }
  return image;
}

}  // namespace voka
