#include "dib/dib_draw.h"

#include "dib/dib_painter.h"

namespace voka {

int DibDraw(Canvas& target, const DibRect& destination, const DibHandle& dib, const DibRect& source,
            const Palette* palette) {
  if (!dib) return 0;
  const bool selectsPalette = palette != nullptr && !palette->IsEmpty();
  const void* previousPalette = selectsPalette ? target.SelectPalette(palette) : nullptr;
  target.SetStretch(StretchMode::kColorOnColor);
  int lines = 0;
  {
    DibLock lock(dib);
    lines = PaintDib(target, destination, lock.data(), lock.size(), source);
  }
  if (selectsPalette) target.SelectPalette(previousPalette);
  return lines;
}

}  // namespace voka
