#include "dib/dib_draw_whole.h"

#include "dib/dib_draw.h"
#include "dib/dib_palette.h"
#include "dib/dib_whole_image.h"

namespace voka {

int DibDrawWhole(Canvas& canvas, const DibRect& destination, const DibHandle& dib) {
  Palette palette;
  DibMakePalette(dib, palette);
  return DibDraw(canvas, destination, dib, DibWholeImage(dib), &palette);
}

}  // namespace voka
