// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace voka {

// What stands under a name that an export is about to replace.
enum class ExistingContent {
  kNothingToLose,  // no file, an empty one, or no plain file (the writer reports those)
  kSameKind,       // a file that begins with the export's signature
  kOtherKind,      // a file of some other kind: replacing it would lose the user's data
  kUnreadable,     // a file whose first bytes cannot be read, so its kind is unknown
};

// Looks at the first bytes of the file that `target` names (links followed).
ExistingContent ExistingContentOf(const std::filesystem::path& target, std::string_view signature);

}  // namespace voka
