// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace voka {

// Every window shows why it refused a value or a request in this dark red,
// beside the control or result it concerns, so a refusal is never mistaken
// for work in progress.
inline constexpr char kRefusalStyleSheet[] = "color: #b00000";

}  // namespace voka
