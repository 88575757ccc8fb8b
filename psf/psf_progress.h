#pragma once

#include <functional>

namespace voka::psf {

// How a long star-image computation reports and stops. Both may be empty.
// `progress` receives 0..100 from the computing thread; `cancelled` is
// polled between stages (the transform itself runs to its end, so a cancel is
// seen within one transform's time) and a true answer abandons the run.
struct PsfProgress {
  std::function<void(int position)> progress;
  std::function<bool()> cancelled;
};

}  // namespace voka::psf
