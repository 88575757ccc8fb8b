// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace voka {

// The UTF-8 message that tells the user a file could not be written: it names
// the file, says why in words the user can act on, and says what to do.
std::string WriteFailureMessage(const std::filesystem::path& file, const std::error_code& error);

// The reason part alone, in Japanese where the cause is a common one.
std::string WriteFailureReason(const std::error_code& error);

}  // namespace voka
