// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace voka {

// Whether `bytes` are a file of numbers this program wrote (a JSON object
// with the keys of a star image's, a camera image's or a comparison's
// numbers), which --json may therefore replace.
bool IsNumbersJson(std::string_view bytes);

}  // namespace voka
