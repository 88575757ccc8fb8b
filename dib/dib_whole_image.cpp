#include "dib/dib_whole_image.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

#include "dib/dib_queries.h"

namespace voka {

DibRect DibWholeImage(const DibHandle& dib) {
  const DibLock lock(dib);
  if (lock.data() == nullptr) return {};
  const std::int32_t width = DibWidth(lock.data());
  const std::int64_t height = std::llabs(std::int64_t{DibHeight(lock.data())});
  // No image can be 2^31 rows high; keep the rectangle representable anyway.
  const auto bottom = static_cast<std::int32_t>(height > std::numeric_limits<std::int32_t>::max()
                                                    ? std::numeric_limits<std::int32_t>::max()
                                                    : height);
  return DibRect{0, 0, width, bottom};
}

}  // namespace voka
