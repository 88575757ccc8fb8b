#include "dib/dib_whole_image.h"

#include <cstdint>

#include "dib/dib_layout.h"

namespace voka {

DibRect DibWholeImage(const DibHandle& dib) {
  const DibLock lock(dib);
  // The checked layout, not the bare queries: a block that did not come
  // from the reader may be shorter than its header says.
  const auto layout = DescribeDib(lock.data(), lock.size());
  if (!layout) return {};
  // The layout holds the magnitude of the height, below 2^31.
  return DibRect{0, 0, static_cast<std::int32_t>(layout->width),
                 static_cast<std::int32_t>(layout->height)};
}

}  // namespace voka
