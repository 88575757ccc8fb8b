// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace voka::psf {

// How a long star-image computation reports and stops. Both may be empty.
// `progress` receives 0..100 from the computing thread; `cancelled` is
// polled on that thread between stages and between blocks of the transform,
// and a true answer abandons the run.
struct PsfProgress {
  std::function<void(int position)> progress;
  std::function<bool()> cancelled;
};

}  // namespace voka::psf
