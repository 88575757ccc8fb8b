// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace voka::fourier {

// Asks the system to back a large, not yet touched block with huge pages
// where it offers them only on request. A 4096² image is 32768 ordinary
// pages, and on a busy machine faulting them in one by one costs more than
// the transform. Harmless where unsupported.
void AdviseHugePages(void* block, std::size_t bytes);

}  // namespace voka::fourier
