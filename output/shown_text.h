// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace voka {

// The text as it may be shown on a terminal or in a message box: valid UTF-8
// stays as it is, but every byte of a control character (C0, DEL, C1), of a
// character that reverses the direction of what follows, and every byte
// that is not part of valid UTF-8 becomes "\xNN". A hostile file name can
// then neither move the cursor, nor hide text, nor pass for another name.
// Text without such bytes comes back unchanged, so escaping twice is harmless.
std::string EscapedForDisplay(std::string_view bytes);

// The file's absolute name, escaped for display.
std::string ShownPath(const std::filesystem::path& file);

}  // namespace voka
