#pragma once

#include <cstdint>

namespace voka {

// A rectangle in pixels; right and bottom are exclusive. Source rectangles
// count image rows from the image's top as it is seen, whichever order its
// rows are stored in.
struct DibRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

}  // namespace voka
