// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

namespace voka {

// How a long computation shows how far it has come: a position from 0 to 100.
// The dialog connects it to its progress bar; headless runs to a terminal line.
// The engines name the same type for their own progress.
using ProgressFn = std::function<void(int position)>;

// How the computation tells the user something went wrong: a message box in
// the dialog, standard error when headless. The text is UTF-8. The work areas
// name the same type for their allocation failures.
using TellUserFn = std::function<void(std::string_view message)>;

}  // namespace voka
